// Calendar dates and modified Julian days for the simulator's epochs.
#ifndef TOOLS_SIMTIME_H
#define TOOLS_SIMTIME_H

#include <string>

struct SimCivil {
  int year = 2024;
  int month = 6;
  int day = 24;
  int hour = 8;
  int minute = 0;
  double second = 0.0;
};

// Modified Julian day of a Gregorian calendar date.
long CivilToMjd(int year, int month, int day);
// Gregorian calendar date of a modified Julian day.
void MjdToCivil(long mjd, int& year, int& month, int& day);
// Reads "YYYY-MM-DD/HH:MM:SS[.fff]"; false when the text is not such a date
// or a field is out of range.
bool ParseCivil(const std::string& text, SimCivil& civil);

#endif
