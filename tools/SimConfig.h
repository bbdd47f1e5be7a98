// Settings of the simulator and their command line.
#ifndef TOOLS_SIMCONFIG_H
#define TOOLS_SIMCONFIG_H

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "tools/SimTime.h"

struct SimConfig {
  std::string sdFile = "sim.sd";   // "-" writes to standard output; empty: none
  std::string channelFile;         // empty: no channel file
  std::string baseRinexFile;       // RINEX observation files of the base and
  std::string roverRinexFile;      // the rover: both or neither
  bool compactRinex = false;       // those files in compact RINEX
  bool rinexClockOffsets = false;  // their epoch lines give the receiver clock offsets
  SimCivil start;                  // first epoch
  double duration = 3600.0;        // s from the first to the last epoch
  double interval = 30.0;          // s between epochs
  std::string systems = "GRE";     // letters of the constellations
  int satellitesPerSystem = 0;     // 0: every satellite of a constellation
  std::uint64_t seed = 1;
  double jumpAt = -1.0;        // s after the first epoch; negative: none
  double slipAt = -1.0;        // s after the first epoch; negative: none
  double missingRate = 0.002;  // share of values written as missing
  std::vector<int> types;      // observation-type codes, header order
  // A network instead of a pair: this many stations sharing one sky, each
  // with one RINEX file per day in the network folder; 0: a pair.
  int networkStations = 0;
  std::string networkFolder = ".";
  int networkDays = 1;              // days from the start's date, each from its time of day
  double networkSpacing = 10000.0;  // m between neighbouring stations of the grid
  bool longNames = false;           // the RINEX 3 long names instead of the short ones
  bool gzip = false;                // the files gzip-compressed, as archives keep them
};

// The defaults: one hour at 30 s from 2024-06-24 08:00, three constellations,
// no jump and no slip (the command line places them at 40 % and 60 % of the
// duration unless it gives their times).
SimConfig DefaultSimConfig();

// Reads the options (argv[0] is the program). Ends the process with status 2
// and a message on standard error for a bad option, with status 0 after
// "--help".
SimConfig ParseSimArgs(int argc, const char* const* argv);

void PrintSimUsage(std::ostream& out);

#endif
