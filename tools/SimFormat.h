// Fixed-column text of single-difference epoch records.
#ifndef TOOLS_SIMFORMAT_H
#define TOOLS_SIMFORMAT_H

#include <string>
#include <vector>

const int kSimFieldWidth = 17;

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

#endif
