// Fixed-column text of single-difference epoch records.
#include "tools/SimFormat.h"

#include <cmath>
#include <cstdio>

namespace {

const double kMissingBelow = 0.00001;
const char kMissing[] = "*.***";

// Writes the digits of a non-negative whole number backwards from end;
// returns the new start.
char* DigitsBackwards(char* end, unsigned long long number) {
  do {
    *--end = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number != 0);
  return end;
}

void AppendRightAligned(std::string& text, const char* begin, std::size_t length, int width) {
  if (static_cast<int>(length) < width) text.append(static_cast<std::size_t>(width) - length, ' ');
  text.append(begin, length);
}

}  // namespace

void AppendField(std::string& text, double value) {
  if (!(std::fabs(value) > kMissingBelow)) {
    AppendRightAligned(text, kMissing, sizeof kMissing - 1, kSimFieldWidth);
    return;
  }
  // Whole thousandths, rounded half away from zero, written backwards:
  // three decimals, the point, the whole part, the sign.
  const unsigned long long thousandths = static_cast<unsigned long long>(std::llround(std::fabs(value) * 1000.0));
  char buffer[32];
  char* const end = buffer + sizeof buffer;
  char* start = end;
  unsigned long long fraction = thousandths % 1000;
  for (int digit = 0; digit < 3; digit++, fraction /= 10) *--start = static_cast<char>('0' + fraction % 10);
  *--start = '.';
  start = DigitsBackwards(start, thousandths / 1000);
  if (value < 0) *--start = '-';
  AppendRightAligned(text, start, static_cast<std::size_t>(end - start), kSimFieldWidth);
}

void AppendSatelliteLine(std::string& text, short number, const std::vector<double>& values) {
  char head[8];
  std::snprintf(head, sizeof head, "%3d", number);
  text.append(head);
  for (double value : values) AppendField(text, value);
  text.push_back('\n');
}

void AppendEpochLine(std::string& text, int satellites, long mjd, double secondOfDay,
                     double epochDifferenceUs, double baseClockUs, double roverClockUs) {
  char line[128];
  std::snprintf(line, sizeof line, "%3d%6ld%14.7f %9.3f %9.3f %9.3f\n", satellites, mjd, secondOfDay,
                epochDifferenceUs, baseClockUs, roverClockUs);
  text.append(line);
}
