// Fixed-column text of single-difference epoch records, fixed-point numbers
// for the other files, and text handed to a stream in large blocks.
#ifndef TOOLS_SIMFORMAT_H
#define TOOLS_SIMFORMAT_H

#include <iosfwd>
#include <string>
#include <vector>

const int kSimFieldWidth = 17;

// Whole thousandths of a value, rounded half away from zero: the digits its
// field shows.
long long Thousandths(double value);

// Appends a number in units of its last decimal, right-aligned in `width`
// characters with `decimals` decimals and at least one digit before the
// point, a minus before it when `negative`.
void AppendFixed(std::string& text, unsigned long long magnitude, bool negative, int decimals,
                 int width);

// Appends one value field: the value right-aligned in 17 characters with three
// decimals, or "*.***" right-aligned when its magnitude is at most 0.00001
// (a missing value).
void AppendField(std::string& text, double value);

// Appends a satellite line: the number right-aligned in 3 characters, then
// one field per value, then an end of line.
void AppendSatelliteLine(std::string& text, short number, const std::vector<double>& values);

// Appends an epoch line: satellite count (3 characters), modified Julian day
// (6), seconds of day (14, 7 decimals), then the rover-minus-base epoch
// difference and the base and rover clock errors in microseconds (a blank and
// 9 characters each, 3 decimals).
void AppendEpochLine(std::string& text, int satellites, long mjd, double secondOfDay,
                     double epochDifferenceUs, double baseClockUs, double roverClockUs);

// Text gathered and handed to a stream a megabyte at a time.
class SimBlockOut {
 public:
  explicit SimBlockOut(std::ostream& out) : out_(out) { text.reserve(2 * kBlock); }
  // Hands the text over once it holds a block.
  void FlushIfFull() {
    if (text.size() >= kBlock) Flush();
  }
  void Flush();

  std::string text;  // appended to by the writers

 private:
  static const std::size_t kBlock = std::size_t(1) << 20;
  std::ostream& out_;
};

#endif
