// Civil date and time of day: year, month, day, hour, minute, seconds.
#include "GNSS/ymdhms.h"

#include <cmath>
#include <string>

#include "GNSS/LayoutText.h"
#include "GNSS/TimeConverse.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/StreamField.h"

ymdhms::ymdhms() : year(1980), month(1), day(1), hour(0), minute(0), second(0) {}

ymdhms::ymdhms(unsigned short y, unsigned short mo, unsigned short d, unsigned short h,
               unsigned short mi, long double s)
    : year(y), month(mo), day(d), hour(h), minute(mi), second(s) {
  TestDatum();
}

ymdhms::ymdhms(const ymdhms& other)
    : year(other.year),
      month(other.month),
      day(other.day),
      hour(other.hour),
      minute(other.minute),
      second(other.second) {
  TestDatum();
}

ymdhms& ymdhms::operator=(const ymdhms& other) {
  if (this == &other) return *this;
  year = other.year;
  month = other.month;
  day = other.day;
  hour = other.hour;
  minute = other.minute;
  second = other.second;
  TestDatum();
  return *this;
}

void ymdhms::Set(unsigned short y, unsigned short mo, unsigned short d, unsigned short h,
                 unsigned short mi, long double s) {
  year = y;
  month = mo;
  day = d;
  hour = h;
  minute = mi;
  second = s;
  TestDatum();
}

unsigned short ymdhms::GetDayOfYear() const {
  if (!TestMonth()) Error("MONTH not valid");  // guards the table index
  return month_day[LeapYear(year)][month - 1] + day;
}

long double ymdhms::GetYearDec() const {
  const int leap = LeapYear(year);
  return year + (GetDayOfYear() - 1 + GetDaySecond() / 86400.0L) / (365 + leap);
}

void ymdhms::SetYear(unsigned short y) {
  year = y;
  if (!TestYear()) Error("YEAR not valid");
}

void ymdhms::SetMonth(unsigned short mo) {
  month = mo;
  if (!TestMonth()) Error("MONTH not valid");
}

void ymdhms::SetDay(unsigned short d) {
  day = d;
  if (!TestDay()) Error("DAY not valid");
}

void ymdhms::SetHour(unsigned short h) {
  hour = h;
  if (!TestHour()) Error("HOUR not valid");
}

void ymdhms::SetMinute(unsigned short mi) {
  minute = mi;
  if (!TestMinute()) Error("MINUTE not valid");
}

void ymdhms::SetSecond(long double s) {
  second = s;
  if (!TestSecond()) Error("SECOND not valid");
}

void ymdhms::SetHMS(unsigned short h, unsigned short mi, long double s) {
  SetHour(h);
  SetMinute(mi);
  SetSecond(s);
}

void ymdhms::SetDayOfYear(unsigned short y, unsigned short doy) {
  SetYear(y);
  hour = 0;
  minute = 0;
  second = 0;
  const unsigned short* before = month_day[LeapYear(year)];
  // The first month whose days-before reach doy, bounded by the table's end,
  // then one back: doy 0 gives month 0 and doy past the year month 13.
  unsigned short mo = 1;
  while (mo <= 13 && before[mo - 1] < doy) mo++;
  SetMonth(mo - 1);
  SetDay(doy - before[month - 1]);
}

void ymdhms::SetDaySecond(long double s) { Sec2HMS(s, hour, minute, second); }

void ymdhms::SetYDec(double ydec) {
  // A year that does not fit the field (NaN included) is refused before the
  // conversion, which would be undefined; SetDayOfYear tests the rest.
  if (!(ydec >= 0 && ydec < 65536.0)) Error("YEAR not valid");
  const unsigned short y = static_cast<unsigned short>(ydec);
  const long double x = (ydec - std::floor(ydec)) * (365 + LeapYear(y)) + 1;
  const unsigned short doy = static_cast<unsigned short>(x);
  SetDayOfYear(y, doy);
  Sec2HMS((x - doy) * 86400.0L, hour, minute, second);
}

int ymdhms::LeapYear(unsigned short y) const { return ::LeapYear(y); }

void ymdhms::Sec2HMS(long double s, unsigned short& h, unsigned short& m, long double& sec) const {
  ::Sec2HMS(s, h, m, sec);
}

bool ymdhms::TestYear() const { return year >= 1901 && year <= 2199; }

bool ymdhms::TestMonth() const { return month >= 1 && month <= 12; }

bool ymdhms::TestDay() const {
  if (!TestMonth()) return false;
  const unsigned short* before = month_day[LeapYear(year)];
  return day >= 1 && day <= before[month] - before[month - 1];
}

bool ymdhms::TestHour() const { return hour <= 23; }

bool ymdhms::TestMinute() const { return minute <= 59; }

// Written so that a NaN is invalid too.
bool ymdhms::TestSecond() const { return second >= 0 && second < 60; }

void ymdhms::TestDatum() const {
  if (!TestYear()) Error("YEAR not valid");
  if (!TestMonth()) Error("MONTH not valid");
  if (!TestDay()) Error("DAY not valid");
  if (!TestHour()) Error("HOUR not valid");
  if (!TestMinute()) Error("MINUTE not valid");
  if (!TestSecond()) Error("SECOND not valid");
}

void ymdhms::Error(const char* err) const { ClassError("ymdhms", err); }

std::istream& operator>>(std::istream& in, ymdhms& t) {
  unsigned short y = 0, mo = 0, d = 0, h = 0, mi = 0;
  long double s = 0;
  if (!(ReadStreamField(in, y) && ReadStreamField(in, mo) && ReadStreamField(in, d) &&
        ReadStreamField(in, h) && ReadStreamField(in, mi) && ReadStreamField(in, s)))
    return in;
  if (y <= 99) y += y >= 80 ? 1900 : 2000;
  t.Set(y, mo, d, h, mi, s);
  return in;
}

namespace {

unsigned YearOfCentury(const ymdhms& t) { return t.year >= 2000 ? t.year - 2000 : t.year - 1900; }

// Month, day, hour and minute each in `width`.
LayoutText& Columns(LayoutText& text, const ymdhms& t, int width) {
  return text.Whole(t.month, width).Whole(t.day, width).Whole(t.hour, width).Whole(t.minute, width);
}

// The RINEX, SP3 and SINEX families.
void ExchangeLayout(LayoutText& text, const ymdhms& t, StreamState& state) {
  switch (ymdhmsns::PrintType) {
    case ymdhmsns::RINEXHEADER:
      Columns(text.Whole(t.year, 6), t, 6).Fixed(t.second, 13, 7);
      state.LeaveFixed(7, false);
      return;
    case ymdhmsns::RINEXDATA:
      Columns(text.Whole(YearOfCentury(t), 3), t, 3).Fixed(t.second, 11, 7);
      state.LeaveFixed(7, false);
      return;
    case ymdhmsns::SP3:
      Columns(text.Whole(t.year, 4), t, 3).Fixed(t.second, 12, 8);
      state.LeaveFixed(8, false);
      return;
    case ymdhmsns::SINEX:
      text.Whole(YearOfCentury(t), 2, '0')
          .Text(":")
          .Whole(t.GetDayOfYear(), 3, '0')
          .Text(":")
          .Fixed(t.GetDaySecond(), 5, 0, '0');
      state.LeaveFixed(0, true);
      return;
    default:
      return;
  }
}

// The program's own layouts, chosen by PrintFormat.
void CalendarLayout(LayoutText& text, const ymdhms& t, StreamState& state) {
  const int n = ymdhmsns::NDecSecond;
  switch (ymdhmsns::PrintFormat) {
    case ymdhmsns::YMDHMS:
      // Whole seconds take two characters, as the clock reads hh:mm:ss.
      text.Whole(t.year, 5).Text("-").Whole(t.month, 2, '0').Text("-").Whole(t.day, 2, '0');
      text.Text(" ").Clock(t.hour, t.minute, t.second, n == 0 ? 2 : n + 3, n);
      state.LeaveFixed(n, true);
      break;
    case ymdhmsns::YDHMS:
      text.Whole(t.year, 5).Text("-").Whole(t.GetDayOfYear(), 3, '0');
      text.Text(" ").Clock(t.hour, t.minute, t.second, n + 3, n);
      state.LeaveFixed(n, true);
      break;
    case ymdhmsns::YDSEC:
      text.Whole(t.year, 5).Text("-").Whole(t.GetDayOfYear(), 3, '0');
      text.Text(" ").Fixed(t.GetDaySecond(), n + 7, n);
      state.LeaveFixed(n, true);
      break;
    case ymdhmsns::YMD:
      text.Whole(t.year, 5).Text("-").Whole(t.month, 2, '0').Text("-").Whole(t.day, 2, '0');
      state.LeaveFixed(state.precision, true);
      break;
    case ymdhmsns::YDEC:
      text.Fixed(t.GetYearDec(), n + 12, n + 6);
      state.LeaveFixed(n + 6, false);
      break;
    case ymdhmsns::YD:
      text.Whole(t.year, 5).Text("-").Whole(t.GetDayOfYear(), 3, '0');
      state.LeaveFixed(state.precision, true);
      break;
    default:
      break;
  }
}

}  // namespace

std::string YmdhmsText(const ymdhms& t, StreamState& state) {
  LayoutText text;
  if (ymdhmsns::PrintType == ymdhmsns::NORINEX)
    CalendarLayout(text, t, state);
  else
    ExchangeLayout(text, t, state);
  return text.Take();
}

std::ostream& operator<<(std::ostream& out, const ymdhms& t) {
  StreamState state = StreamState::Of(out);
  const std::string text = YmdhmsText(t, state);
  WriteFormatted(out, text, state);
  return out;
}
