// A whole simulated run: which epochs and satellites, and the files they make.
#ifndef TOOLS_SIMRUN_H
#define TOOLS_SIMRUN_H

#include <iosfwd>
#include <string>
#include <vector>

#include "tools/SimConfig.h"
#include "tools/SimObservation.h"

struct SimPlan {
  long firstMjd = 0;         // day of the first epoch
  double firstSecond = 0.0;  // its seconds of day
  long epochs = 0;
  double interval = 0.0;     // s
  SimScene scene;
  std::vector<SimTrack> tracks;  // ascending satellite numbers
  std::vector<int> types;
};

// Draws the scene and the satellites, and places the jump and the slip on
// epochs of the run.
SimPlan MakePlan(const SimConfig& config);

// Writes the header and every epoch record, satellites above the elevation
// mask only.
void WriteSingleDifferences(SimPlan& plan, std::ostream& out);

// Text of the GLONASS frequency-channel file for the plan's satellites.
std::string ChannelFileText(const SimPlan& plan);

#endif
