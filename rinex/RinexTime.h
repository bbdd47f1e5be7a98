// Epochs of the converter as whole ticks of 100 ns since the start of
// modified Julian day 0: RINEX time tags carry seven decimals of a second, so
// pairing and differencing tags is exact integer arithmetic.
#ifndef RINEX_RINEXTIME_H
#define RINEX_RINEXTIME_H

#include <cstdint>
#include <string>
#include <string_view>

constexpr int64_t kTicksPerSecond = 10000000;
constexpr int64_t kTicksPerDay = 86400 * kTicksPerSecond;

// A civil date and time as a RINEX epoch line gives it; seconds in ticks.
struct CalendarEpoch {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int64_t secondTicks = 0;
};

// The ticks of a calendar epoch; false when a field is out of its range
// (years 1901 to 2199, seconds below 60).
bool CalendarToTicks(const CalendarEpoch& t, int64_t& ticks);
// The calendar epoch of a tick count (seconds rounded down to whole ticks).
CalendarEpoch TicksToCalendar(int64_t ticks);

// "2024-06-24 08:20:00.0000000": a time tag as RINEX gives it.
std::string TicksText(int64_t ticks);

// A seconds field "ss.sssssss" (blanks around, up to seven decimals) in
// ticks; false when it is no such number.
bool ParseSecondsTicks(std::string_view field, int64_t& ticks);
#endif
