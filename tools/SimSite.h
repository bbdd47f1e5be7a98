// The two simulated stations: names, receivers, antennas and positions, as
// the headers of the single-difference file and of the RINEX files give them.
#ifndef TOOLS_SIMSITE_H
#define TOOLS_SIMSITE_H

#include "tools/SimObservation.h"

struct SimStation {
  const char* markerName;
  const char* markerNumber;  // also the serial number of its receiver and antenna
  const char* receiverType;
  const char* antennaType;
};

const SimStation kSimBase = {"SIMB", "SIM 0001", "SIMULATED RECEIVER", "SIMULATED ANTENNA"};
const SimStation kSimRover = {"SIMR", "SIM 0002", "SIMULATED RECEIVER", "SIMULATED ANTENNA"};

// Earth-centred coordinates, m.
struct SimXyz {
  double x, y, z;
};

SimXyz BasePosition();
// The base moved by the scene's baseline (east, north, up).
SimXyz RoverPosition(const SimScene& scene);

#endif
