// A whole simulated run: which epochs and satellites, and the files they make.
#ifndef TOOLS_SIMRUN_H
#define TOOLS_SIMRUN_H

#include <iosfwd>
#include <string>
#include <vector>

#include "tools/SimConfig.h"
#include "tools/SimObservation.h"
#include "tools/SimSite.h"

struct SimPlan {
  long firstMjd = 0;         // day of the first epoch
  double firstSecond = 0.0;  // its seconds of day
  long epochs = 0;
  double interval = 0.0;  // s
  SimScene scene;
  std::vector<SimTrack> tracks;  // ascending satellite numbers
  std::vector<int> types;
};

// Draws the scene and the satellites, and places the jump and the slip on
// epochs of the run.
SimPlan MakePlan(const SimConfig& config);

// Where the base's and the rover's RINEX observation files go (both or
// neither), and their form.
struct SimRinexOutputs {
  std::ostream* base = nullptr;
  std::ostream* rover = nullptr;
  bool compact = false;                       // compact RINEX 3.0 instead of plain RINEX 3.04
  bool clockOffsets = false;                  // the epoch lines give the receivers' clock offsets
  const SimStation* baseStation = &kSimBase;  // as their headers name them
  const SimStation* roverStation = &kSimRover;
};

// Writes the files of a run in one pass, satellites above the elevation mask
// only: the single-difference file when `sd` is given, and the RINEX files
// of `rinex`, whose differences are the single-difference file's values.
void WriteRun(SimPlan& plan, std::ostream* sd, const SimRinexOutputs& rinex);

// The single-difference file alone: the header and every epoch record.
void WriteSingleDifferences(SimPlan& plan, std::ostream& out);

// Text of the GLONASS frequency-channel file for the plan's satellites.
std::string ChannelFileText(const SimPlan& plan);

#endif
