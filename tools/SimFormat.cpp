// Fixed-column text of single-difference epoch records, and fixed-point
// numbers for the other files.
#include "tools/SimFormat.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "PROGINC/FixedFormat.h"

namespace {

const double kMissingBelow = 0.00001;

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

long long Thousandths(double value) { return std::llround(value * 1000.0); }

void AppendFixed(std::string& text, unsigned long long magnitude, bool negative, int decimals,
                 int width) {
  // Written backwards: the decimals, the point, the whole part, the sign.
  char buffer[48];
  char* const end = buffer + sizeof buffer;
  char* start = end;
  for (int digit = 0; digit < decimals; digit++, magnitude /= 10)
    *--start = static_cast<char>('0' + magnitude % 10);
  *--start = '.';
  start = DigitsBackwards(start, magnitude);
  if (negative) *--start = '-';
  AppendRightAligned(text, start, static_cast<std::size_t>(end - start), width);
}

void AppendField(std::string& text, double value) {
  if (!(std::fabs(value) > kMissingBelow)) {
    AppendRightAligned(text, kMissingValueMark, sizeof kMissingValueMark - 1, kSimFieldWidth);
    return;
  }
  // The magnitude is rounded, so that a tiny negative value keeps its sign.
  AppendFixed(text, static_cast<unsigned long long>(std::llround(std::fabs(value) * 1000.0)),
              value < 0, 3, kSimFieldWidth);
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
  std::snprintf(line, sizeof line, "%3d%6ld%14.7f %9.3f %9.3f %9.3f\n", satellites, mjd,
                secondOfDay, epochDifferenceUs, baseClockUs, roverClockUs);
  text.append(line);
}

void SimBlockOut::Flush() {
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  text.clear();
}
