// RINEX 3.04 observation text of one simulated station: the observation
// codes of each system, the header, and the epoch records.
#ifndef TOOLS_SIMRINEXTEXT_H
#define TOOLS_SIMRINEXTEXT_H

#include <array>
#include <climits>
#include <string>
#include <vector>

#include "tools/SimRun.h"
#include "tools/SimSite.h"

// For each system (indexed by SimSystem), the indexes into the plan's types
// of the codes its records hold, in the plan's order: the types that some
// satellite of the system in the plan transmits.
using SimRinexColumns = std::array<std::vector<std::size_t>, kSimSystemCount>;
SimRinexColumns RinexColumns(const SimPlan& plan);

// The RINEX 3 code of a type for a system, e.g. "C1W" for GPS P1: the
// tracking attribute a geodetic receiver reports for that signal.
std::string RinexCode(SimSystem system, int typeCode);

// Appends the header through END OF HEADER.
void AppendRinexHeader(std::string& text, const SimStation& station, const SimXyz& position,
                       const SimPlan& plan, const SimRinexColumns& columns);

// A value a record does not hold.
const long long kSimAbsent = LLONG_MIN;

// One satellite of an epoch: its values are those of its system's columns,
// from `first` on in the epoch's arrays.
struct SimRinexRecord {
  short number;  // the satellite's number (PRN, 100 + slot, 200 + PRN)
  std::size_t first;
  std::size_t count;
};

// One data epoch of a station.
struct SimRinexEpoch {
  long mjd = 0;
  long long tick = 0;  // time of day in 100 ns
  bool hasClock = false;
  long long clockPicoseconds = 0;  // receiver clock offset
  std::vector<SimRinexRecord> records;
  std::vector<long long> values;  // thousandths of the unit, kSimAbsent where none
  std::string flags;  // two per value: loss-of-lock and signal-strength indicator, blank or a digit

  void Start(long day, long long tickOfDay);
  void AddRecord(short number, std::size_t count);
};

// Appends the epoch line up to the satellite count: "> 2024 06 24 08 00  0.0000000  0 27".
void AppendEpochHead(std::string& text, const SimRinexEpoch& epoch);
// Appends the epoch line and the satellites' records, without trailing blanks.
void AppendRinexEpoch(std::string& text, const SimRinexEpoch& epoch);

#endif
