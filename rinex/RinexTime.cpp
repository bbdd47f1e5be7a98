// Epochs as whole ticks of 100 ns: calendar conversions and the numeric
// fields of epoch lines, read without the C library's locale.
#include "rinex/RinexTime.h"

#include <cstdio>

#include "GNSS/TimeConverse.h"
#include "GNSS/mjd.h"
#include "GNSS/ymdhms.h"
#include "PROGINC/TextField.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool CalendarToTicks(const CalendarEpoch& t, int64_t& ticks) {
  if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.secondTicks < 0 ||
      t.secondTicks >= 60 * kTicksPerSecond || t.year < 1901 || t.year > 2199 || t.month < 1 ||
      t.month > 12 || t.day < 1 || t.day > 31)
    return false;
  ymdhms date;
  date.year = static_cast<unsigned short>(t.year);
  date.month = static_cast<unsigned short>(t.month);
  date.day = static_cast<unsigned short>(t.day);
  date.hour = date.minute = 0;
  date.second = 0;
  if (!date.TestDay()) return false;
  const int64_t day = ymdhms2mjd(date).GetMJDay();
  ticks = day * kTicksPerDay + (t.hour * 3600 + t.minute * 60) * kTicksPerSecond + t.secondTicks;
  return true;
}

CalendarEpoch TicksToCalendar(int64_t ticks) {
  const int64_t day = ticks / kTicksPerDay;
  int64_t rest = ticks - day * kTicksPerDay;
  const ymdhms date = mjd2ymdhms(mjd(static_cast<unsigned long>(day), 0));
  CalendarEpoch t;
  t.year = date.year;
  t.month = date.month;
  t.day = date.day;
  t.hour = static_cast<int>(rest / (3600 * kTicksPerSecond));
  rest -= t.hour * 3600 * kTicksPerSecond;
  t.minute = static_cast<int>(rest / (60 * kTicksPerSecond));
  t.secondTicks = rest - t.minute * 60 * kTicksPerSecond;
  return t;
}

std::string TicksText(int64_t ticks) {
  const CalendarEpoch t = TicksToCalendar(ticks);
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02lld.%07lld", t.year, t.month, t.day,
                t.hour, t.minute, static_cast<long long>(t.secondTicks / kTicksPerSecond),
                static_cast<long long>(t.secondTicks % kTicksPerSecond));
  return text;
}

bool ParseSecondsTicks(std::string_view field, int64_t& ticks) {
  field = Trimmed(field);
  size_t k = 0;
  int64_t whole = 0;
  for (; k < field.size() && IsDigit(field[k]) && k < 6; k++) whole = whole * 10 + (field[k] - '0');
  if (k == 0) return false;
  int64_t fraction = 0;
  int decimals = 0;
  if (k < field.size() && field[k] == '.') {
    for (k++; k < field.size() && IsDigit(field[k]) && decimals < 7; k++, decimals++)
      fraction = fraction * 10 + (field[k] - '0');
  }
  if (k != field.size()) return false;
  for (; decimals < 7; decimals++) fraction *= 10;
  ticks = whole * kTicksPerSecond + fraction;
  return true;
}
