// Satellites of the simulated sky: which ones exist, and where each one stands
// seen from the stations at a given time.
#ifndef TOOLS_SIMSKY_H
#define TOOLS_SIMSKY_H

#include <cstdint>
#include <vector>

#include "tools/SimSignals.h"

// One satellite and its pass pattern: sin(elevation) follows
// amplitude·cos(2π(t − peakTime)/period) + offset, so the satellite rises and
// sets once per period; the azimuth swings through the pass.
struct SimSatellite {
  short number = 0;  // file numbering: PRN, 100 + slot, 200 + PRN
  SimSystem system = SimSystem::GPS;
  int prn = 0;            // PRN, or GLONASS slot
  int channel = 0;        // GLONASS frequency channel
  double period = 0.0;    // s
  double peakTime = 0.0;  // s after midnight of the first day
  double amplitude = 0.0;
  double offset = 0.0;
  double azimuthAtPeak = 0.0;  // rad
  double azimuthSwing = 0.0;   // rad
};

// Direction to a satellite; pass counts the satellite's passes, so that a
// new pass (a new lock) can be told from the one before.
struct SimLook {
  double elevation = 0.0;  // rad
  double azimuth = 0.0;    // rad
  long pass = 0;
};

const double kElevationMask = 10.0 * 3.14159265358979323846 / 180.0;  // rad

// The system's letter in RINEX and on the command line: G, R or E.
char SystemLetter(SimSystem system);

// The satellites of one constellation, in ascending number, with pass
// patterns drawn from the seed.
std::vector<SimSatellite> SimConstellation(SimSystem system, std::uint64_t seed);
SimLook LookAt(const SimSatellite& satellite, double t);
bool IsVisible(const SimLook& look);

#endif
