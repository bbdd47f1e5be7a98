// Calendar dates and modified Julian days for the simulator's epochs.
#include "tools/SimTime.h"

#include <cstdio>

namespace {

// Julian day number 2400001 is modified Julian day 0 (at noon, whole days).
const long kMjdOffset = 2400001;

bool InRange(double value, double lo, double hi) { return value >= lo && value <= hi; }

}  // namespace

long CivilToMjd(int year, int month, int day) {
  const long y = year, m = month, d = day;
  const long a = (m - 14) / 12;
  const long jdn = (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
                   (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
  return jdn - kMjdOffset;
}

void MjdToCivil(long mjd, int& year, int& month, int& day) {
  long l = mjd + kMjdOffset + 68569;
  const long n = 4 * l / 146097;
  l -= (146097 * n + 3) / 4;
  const long i = 4000 * (l + 1) / 1461001;
  l = l - 1461 * i / 4 + 31;
  const long j = 80 * l / 2447;
  day = static_cast<int>(l - 2447 * j / 80);
  l = j / 11;
  month = static_cast<int>(j + 2 - 12 * l);
  year = static_cast<int>(100 * (n - 49) + i + l);
}

bool ParseCivil(const std::string& text, SimCivil& civil) {
  SimCivil read;
  int consumed = 0;
  const int fields = std::sscanf(text.c_str(), "%4d-%2d-%2d/%2d:%2d:%lf%n", &read.year, &read.month,
                                 &read.day, &read.hour, &read.minute, &read.second, &consumed);
  if (fields != 6 || consumed != static_cast<int>(text.size())) return false;
  int year = 0, month = 0, day = 0;
  MjdToCivil(CivilToMjd(read.year, read.month, read.day), year, month, day);
  const bool dateExists = year == read.year && month == read.month && day == read.day;
  if (!dateExists || !InRange(read.year, 1980, 2099) || !InRange(read.hour, 0, 23) ||
      !InRange(read.minute, 0, 59) || !InRange(read.second, 0.0, 59.999999))
    return false;
  civil = read;
  return true;
}
