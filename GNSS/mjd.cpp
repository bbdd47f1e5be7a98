// The program's epoch: modified Julian day number and seconds of that day.
#include "GNSS/mjd.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <sstream>
#include <string>

#include "GNSS/LayoutText.h"
#include "GNSS/TimeConverse.h"
#include "PROGINC/FixedFormat.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/StreamField.h"

namespace {

constexpr long double kDaySeconds = 86400.0L;
constexpr std::uint32_t kLastDay = 199999;
// Stands in for a day number that does not fit the field, so that it is
// reported instead of wrapping into the valid range.
constexpr std::uint32_t kBadDay = std::numeric_limits<std::uint32_t>::max();

std::uint32_t DayField(unsigned long day) { return day > kBadDay ? kBadDay : day; }

}  // namespace

mjd::mjd() : mjday(0), second(0) {}

mjd::mjd(unsigned long day, long double sec) : mjday(DayField(day)), second(sec) { TestDatum(); }

mjd::mjd(const mjd& other) : mjday(other.mjday), second(other.second) { TestDatum(); }

mjd& mjd::operator=(const mjd& other) {
  if (this == &other) return *this;
  mjday = other.mjday;
  second = other.second;
  TestDatum();
  return *this;
}

mjd& mjd::operator=(long double mjdDec) {
  // A negative or oversized decimal day has no day number: report it.
  const bool fits = mjdDec >= 0 && mjdDec < static_cast<long double>(kBadDay);
  mjday = fits ? static_cast<std::uint32_t>(mjdDec) : kBadDay;
  second = fits ? (mjdDec - std::floor(mjdDec)) * kDaySeconds : 0;
  TestDatum();
  return *this;
}

void mjd::Set(unsigned long day, long double sec) {
  mjday = DayField(day);
  second = sec;
  TestDatum();
}

mjd& mjd::operator+=(long double dsec) {
  const long sign = dsec < 0 ? -1 : 1;
  const long double magnitude = std::fabs(dsec);
  const long days = static_cast<long>(magnitude / kDaySeconds);
  const long double rest = magnitude - days * kDaySeconds;
  mjday += sign * days;
  second += sign * rest;
  if (second < 0) {
    mjday -= 1;
    second += kDaySeconds;
  }
  if (second > kDaySeconds) {
    mjday += 1;
    second -= kDaySeconds;
  }
  if (std::fabs(second - kDaySeconds) < 1e-12L) {
    mjday += 1;
    second = 0;
  }
  return *this;
}

mjd RoundedToDecimals(const mjd& t, int decimals) {
  // Read back from its text, the second is rounded exactly as it is printed.
  char text[kFixedTextRoom];
  FormatFixed(text, sizeof text, t.second, 0, decimals);
  const long double second = std::strtold(text, nullptr);
  mjd rounded;
  rounded.mjday = second >= kDaySeconds ? t.mjday + 1 : t.mjday;
  rounded.second = second >= kDaySeconds ? 0 : second;
  return rounded;
}

mjd& mjd::operator+=(long days) {
  mjday += days;
  return *this;
}

mjd& mjd::operator-=(long days) {
  mjday -= days;
  return *this;
}

bool mjd::operator==(const mjd& b) const {
  if (this == &b) return true;
  return mjday == b.mjday && std::fabs(second - b.second) < 1e-13L;
}

bool mjd::operator>(const mjd& b) const {
  if (this == &b) return false;
  return mjday > b.mjday || (mjday == b.mjday && second > b.second);
}

bool mjd::operator<(const mjd& b) const {
  if (this == &b) return false;
  return mjday < b.mjday || (mjday == b.mjday && second < b.second);
}

bool mjd::operator>=(const mjd& b) const {
  if (this == &b) return true;
  return mjday > b.mjday || (mjday == b.mjday && second - b.second > -1e-14L);
}

bool mjd::operator<=(const mjd& b) const {
  if (this == &b) return true;
  return mjday < b.mjday || (mjday == b.mjday && second - b.second < 1e-14L);
}

long double operator-(const mjd& a, const mjd& b) {
  const long double seconds = a.second - b.second;
  if (a.mjday >= b.mjday) return (a.mjday - b.mjday) * kDaySeconds + seconds;
  return seconds - (b.mjday - a.mjday) * kDaySeconds;
}

bool mjd::TestMJDay() const { return mjday <= kLastDay; }

// Written so that a NaN is invalid too.
bool mjd::TestSecond() const { return second >= 0 && second < kDaySeconds; }

void mjd::TestDatum() const {
  if (!TestMJDay()) Error("MJDAY not valid");
  if (!TestSecond()) Error("SECOND not valid");
}

void mjd::Sec2HMS(unsigned short& h, unsigned short& m, long double& s) const {
  ::Sec2HMS(second, h, m, s);
}

void mjd::Error(const char* err) const { ClassError("mjd", err); }

std::istream& operator>>(std::istream& in, mjd& t) {
  unsigned long day = 0;
  long double sec = 0;
  if (ReadStreamField(in, day) && ReadStreamField(in, sec)) t.Set(day, sec);
  return in;
}

namespace {

void DayAndClock(LayoutText& text, const mjd& t, int decimals) {
  unsigned short h = 0;
  unsigned short m = 0;
  long double s = 0;
  t.Sec2HMS(h, m, s);
  text.Whole(t.mjday, 6).Text("  ").Clock(h, m, s, decimals + 3, decimals);
}

// The decimal day as the stream would write it in its own notation and fill.
void DecimalDay(LayoutText& text, const mjd& t, int decimals, const StreamState& state) {
  std::ostringstream out;
  state.ApplyTo(out);
  out << std::setw(decimals + 7) << std::setprecision(decimals) << t.GetMJDDec();
  text.Text(out.str().c_str());
}

}  // namespace

std::string MjdText(const mjd& t, StreamState& state) {
  const int decimals = mjdns::NDecSecond;
  LayoutText text;
  switch (mjdns::PrintFormat) {
    case mjdns::MJDSEC:
      text.Whole(t.mjday, 6).Fixed(t.second, decimals + 7, decimals);
      state.LeaveFixed(decimals, true);
      break;
    case mjdns::MJDDEC:
      DecimalDay(text, t, decimals, state);
      state.precision = decimals;
      break;
    case mjdns::MJDHMS:
      DayAndClock(text, t, decimals);
      state.LeaveFixed(decimals, true);
      break;
    case mjdns::MJD:
      text.Whole(t.mjday, 6);
      state.SetFixed();
      break;
    case mjdns::SP3:
      text.Whole(t.mjday, 6).Fixed(t.second / kDaySeconds, 16, 13);
      state.LeaveFixed(13, true);
      break;
    default:
      break;
  }
  return text.Take();
}

std::ostream& operator<<(std::ostream& out, const mjd& t) {
  StreamState state = StreamState::Of(out);
  const std::string text = MjdText(t, state);
  WriteFormatted(out, text, state);
  return out;
}
