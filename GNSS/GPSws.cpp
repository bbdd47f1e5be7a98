// GPS time as week number (no roll-over) and seconds of the week.
#include "GNSS/GPSws.h"

#include <cmath>

#include "GNSS/LayoutText.h"
#include "GNSS/TimeConverse.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/StreamField.h"

namespace {

constexpr long double kWeekSeconds = 604800.0L;
constexpr long double kDaySeconds = 86400.0L;

}  // namespace

GPSws::GPSws() : week(0), second(0) {}

GPSws::GPSws(unsigned short w, long double s) : week(w), second(s) { TestDatum(); }

GPSws::GPSws(const GPSws& other) : week(other.week), second(other.second) { TestDatum(); }

GPSws& GPSws::operator=(const GPSws& other) {
  if (this == &other) return *this;
  week = other.week;
  second = other.second;
  TestDatum();
  return *this;
}

void GPSws::Set(unsigned short w, long double s) {
  week = w;
  second = s;
  TestDatum();
}

unsigned short GPSws::GetWeekDay() const {
  return static_cast<unsigned short>(second / kDaySeconds);
}

long double GPSws::GetDaySecond() const { return second - GetWeekDay() * kDaySeconds; }

GPSws& GPSws::operator+=(long double dsec) {
  const int sign = dsec < 0 ? -1 : 1;
  const long double magnitude = std::fabs(dsec);
  const long weeks = static_cast<long>(magnitude / kWeekSeconds);
  const long double rest = magnitude - weeks * kWeekSeconds;
  week += sign * weeks;
  second += sign * rest;
  if (second < 0) {
    week -= 1;
    second += kWeekSeconds;
  }
  // The rest of a whole week can push the seconds past the week's end.
  if (second >= kWeekSeconds) {
    week += 1;
    second -= kWeekSeconds;
  }
  return *this;
}

GPSws& GPSws::operator+=(unsigned short dweek) {
  week += dweek;
  return *this;
}

void GPSws::Sec2HMS(unsigned short& h, unsigned short& m, long double& s) const {
  SplitDaySecond(GetDaySecond(), h, m, s);
}

bool GPSws::TestWeek() const { return week <= 11999; }

// Written so that a NaN is invalid too.
bool GPSws::TestSecond() const { return second >= 0 && second < kWeekSeconds; }

void GPSws::TestDatum() const {
  if (!TestWeek()) Error("WEEK not valid");
  if (!TestSecond()) Error("SECOND not valid");
}

void GPSws::Error(const char* err) const { ClassError("GPSws", err); }

std::istream& operator>>(std::istream& in, GPSws& t) {
  unsigned short w = 0;
  long double s = 0;
  if (ReadStreamField(in, w) && ReadStreamField(in, s)) t.Set(w, s);
  return in;
}

namespace {

void WriteWeekDayAndClock(std::ostream& out, const GPSws& t, int decimals) {
  unsigned short h = 0;
  unsigned short m = 0;
  long double s = 0;
  t.Sec2HMS(h, m, s);
  LayoutText()
      .Whole(t.week, 5)
      .Whole(t.GetWeekDay(), 2)
      .Text("  ")
      .Clock(h, m, s, decimals + 3, decimals)
      .WriteTo(out);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const GPSws& t) {
  const int n = gpswsns::NDecSecond;
  switch (gpswsns::PrintFormat) {
    case gpswsns::GPSWS:
      LayoutText().Whole(t.week, 5).Fixed(t.second, n + 8, n).WriteTo(out);
      LeaveFixedBlankFill(out, n);
      break;
    case gpswsns::GPSWDS:
      LayoutText()
          .Whole(t.week, 5)
          .Whole(t.GetWeekDay(), 2)
          .Fixed(t.GetDaySecond(), n + 7, n)
          .WriteTo(out);
      LeaveFixedBlankFill(out, n);
      break;
    case gpswsns::GPSWDHMS:
      WriteWeekDayAndClock(out, t, n);
      LeaveFixedBlankFill(out, n);
      break;
    case gpswsns::GPSWD:
      LayoutText().Text(" ").Whole(t.week, 4, '0').Whole(t.GetWeekDay(), 2).WriteTo(out);
      out.fill(' ');
      break;
    case gpswsns::SP3:
      LayoutText().Whole(t.week, 5).Fixed(t.second, 16, 8).WriteTo(out);
      LeaveFixedBlankFill(out, 8);
      break;
    default:
      break;
  }
  return out;
}
