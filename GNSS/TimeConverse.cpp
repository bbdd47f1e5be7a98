// Conversions between mjd, ymdhms and GPSws, the leap-year rule and the
// GPS - UTC leap-second table.
#include "GNSS/TimeConverse.h"

#include <cmath>

namespace {

constexpr long kMjd1901 = 15385;        // modified Julian day of 1901-01-01
constexpr long kMjdGpsStart = 44244;    // 1980-01-06, start of GPS week 0
constexpr long kDays1901ToGps = 28859;  // days from 1901-01-01 to 1980-01-06
constexpr long double kDaySeconds = 86400.0L;
constexpr long double kWeekSeconds = 604800.0L;

struct LeapStep {
  int offset;    // GPS - UTC in seconds
  long fromDay;  // modified Julian day from which it applies
};

constexpr LeapStep kLeapSteps[] = {
    {-9, 41317}, {-8, 41499}, {-7, 41683}, {-6, 42048}, {-5, 42413}, {-4, 42778}, {-3, 43144},
    {-2, 43509}, {-1, 43874}, {0, 44239},  {1, 44786},  {2, 45151},  {3, 45516},  {4, 46247},
    {5, 47161},  {6, 47892},  {7, 48257},  {8, 48804},  {9, 49169},  {10, 49534}, {11, 50083},
    {12, 50630}, {13, 51179}, {14, 53736}, {15, 54832}, {16, 56109}, {17, 57204}, {18, 57754}};

long FloorDiv(long a, long b) {
  const long q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// A value for an unsigned 16-bit field that cannot wrap into a valid range:
// anything that does not fit becomes the largest value, which every time
// class rejects.
unsigned short ShortField(long value) {
  return (value < 0 || value > 0xFFFF) ? 0xFFFF : static_cast<unsigned short>(value);
}

// A day number for mjd's validating Set: a negative one becomes a value that
// mjd rejects instead of wrapping around.
unsigned long DayNumberField(long dayNumber) {
  return dayNumber < 0 ? 0xFFFFFFFFUL : static_cast<unsigned long>(dayNumber);
}

// Days from 1901-01-01 to January 1 of `year` in the Gregorian calendar.  Up
// to 2100 this equals the four-year block count ((year - 1901) / 4) * 1461 +
// ((year - 1901) mod 4) * 365; from 2101 on it leaves out the February 29 that
// 2100 does not have.
long DaysToYear(long year) {
  const long before = year - 1;
  return (year - 1901) * 365 + (FloorDiv(before, 4) - 475) - (FloorDiv(before, 100) - 19) +
         (FloorDiv(before, 400) - 4);
}

// Year and day of year (from 1) of the day `days` after 1901-01-01.
void YearAndDayOfYear(long days, long& year, long& doy) {
  year = 1901 + FloorDiv(days * 400, 146097);  // within a year of the answer
  while (DaysToYear(year) > days) year--;
  while (DaysToYear(year + 1) <= days) year++;
  doy = days - DaysToYear(year) + 1;
}

// Month and day of a day of year 1 to 366: the month is guessed from the
// mean month length and corrected by at most one.
void MonthAndDay(long year, long doy, unsigned short& month, unsigned short& day) {
  const unsigned short* before = month_day[LeapYear(year)];
  const long guess = static_cast<long>(doy * 0.032);
  const long more = doy - before[guess + 1] > 0 ? 1 : 0;
  month = static_cast<unsigned short>(guess + more + 1);
  day = static_cast<unsigned short>(doy - before[guess + more]);
}

// The calendar date `days` after 1901-01-01 at the given time of day.
ymdhms CalendarDate(long days, unsigned short h, unsigned short m, long double s) {
  long year = 0;
  long doy = 0;
  YearAndDayOfYear(days, year, doy);
  unsigned short month = 0;
  unsigned short day = 0;
  MonthAndDay(year, doy, month, day);
  ymdhms result;
  result.Set(ShortField(year), month, day, h, m, s);
  return result;
}

// Carries seconds within `tolerance` of 60 into the minute, a minute of 60
// into the hour.
void CarryRoundedSeconds(unsigned short& h, unsigned short& m, long double& sec,
                         long double tolerance) {
  if (std::fabs(sec - 60) < tolerance) {
    sec = 0;
    m++;
  }
  if (m == 60) {
    m = 0;
    h++;
  }
}

// Splits seconds of a week into whole days and seconds of the day, both in
// extended precision so that the two parts stay consistent at day ends.
void SplitWeekSecond(long double weekSecond, long& days, long double& daySecond) {
  const long double whole = std::floor(weekSecond / kDaySeconds);
  days = static_cast<long>(whole);
  daySecond = weekSecond - whole * kDaySeconds;
  if (daySecond < 0) {
    days--;
    daySecond += kDaySeconds;
  }
  if (daySecond >= kDaySeconds) {
    days++;
    daySecond -= kDaySeconds;
  }
}

}  // namespace

int LeapYear(long year) {
  return year > 0 && year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) ? 1 : 0;
}

int LeapSecond(const mjd& t) {
  const long d = t.mjday;
  int offset = kLeapSteps[0].offset;
  for (const LeapStep& step : kLeapSteps) {
    if (step.fromDay > d) break;
    offset = step.offset;
  }
  return offset;
}

void SplitDaySecond(long double s, unsigned short& h, unsigned short& m, long double& sec) {
  const long double hours = s / 3600.0L;
  const long double wholeHours = std::floor(hours);
  const long double minutes = (hours - wholeHours) * 60.0L;
  const long double wholeMinutes = std::floor(minutes);
  h = static_cast<unsigned short>(wholeHours);
  m = static_cast<unsigned short>(wholeMinutes);
  sec = (minutes - wholeMinutes) * 60.0L;
}

void Sec2HMS(long double s, unsigned short& h, unsigned short& m, long double& sec) {
  SplitDaySecond(s, h, m, sec);
  CarryRoundedSeconds(h, m, sec, 1e-10L);
}

mjd ymdhms2mjd(const ymdhms& t) {
  long dayNumber = t.GetDayOfYear() + DaysToYear(t.year) + kMjd1901 - 1;
  long double s = t.GetDaySecond();
  if (std::fabs(s - kDaySeconds) < 1e-10L) {
    s = 0;
    dayNumber++;
  }
  mjd result;
  result.Set(DayNumberField(dayNumber), s);
  return result;
}

ymdhms mjd2ymdhms(const mjd& t) {
  unsigned short h = 0;
  unsigned short m = 0;
  long double s = 0;
  Sec2HMS(t.second, h, m, s);
  long days = static_cast<long>(t.mjday) - kMjd1901;
  // A time of day within 1e-10 s of midnight rounds up to the next day.
  if (h == 24 && t.second < kDaySeconds) {
    h = 0;
    days++;
  }
  return CalendarDate(days, h, m, s);
}

mjd GPSws2mjd(const GPSws& t) {
  long days = 0;
  long double daySecond = 0;
  SplitWeekSecond(t.second, days, daySecond);
  const long dayNumber = 7L * t.week + days + kMjdGpsStart;
  mjd result;
  result.Set(DayNumberField(dayNumber), daySecond);
  return result;
}

GPSws mjd2GPSws(const mjd& t) {
  const long days = static_cast<long>(t.mjday) - kMjdGpsStart;
  const long week = FloorDiv(days, 7);
  GPSws result;
  result.Set(ShortField(week), (days - 7 * week) * kDaySeconds + t.second);
  return result;
}

ymdhms GPSws2ymdhms(const GPSws& t) {
  long days = 0;
  long double daySecond = 0;
  SplitWeekSecond(t.second, days, daySecond);
  days += 7L * t.week + kDays1901ToGps;
  unsigned short h = 0;
  unsigned short m = 0;
  long double s = 0;
  SplitDaySecond(daySecond, h, m, s);
  // GPS times are rounded to the next minute from 10 microseconds before it.
  CarryRoundedSeconds(h, m, s, 1e-5L);
  if (h == 24) {
    h = 0;
    days++;
  }
  return CalendarDate(days, h, m, s);
}

GPSws ymdhms2GPSws(const ymdhms& t) {
  const long days = t.GetDayOfYear() + DaysToYear(t.year) - 1 - kDays1901ToGps;
  long week = FloorDiv(days, 7);
  long double weekSecond = (days - 7 * week) * kDaySeconds + t.GetDaySecond();
  if (weekSecond >= kWeekSeconds) {
    week++;
    weekSecond -= kWeekSeconds;
  }
  GPSws result;
  result.Set(ShortField(week), weekSecond);
  return result;
}
