// Simulated networks: stations on a grid that share one sky.  The first
// station observes as a pair's base does; every other one observes the
// first station's values plus its own single differences over its offset,
// so any two stations difference as a real baseline of known length.  Each
// station writes one RINEX file per day, named as archives name them.
#ifndef TOOLS_SIMNETWORK_H
#define TOOLS_SIMNETWORK_H

#include <string>
#include <vector>

#include "tools/SimConfig.h"

// A station's offset from the first one on the grid, m.
struct SimOffset {
  double east = 0.0, north = 0.0;
};

// Station k of a network of `stations`: columns `spacing` apart east-west,
// rows 1.25 times that apart north-south, filled row by row in a square.
SimOffset NetworkOffset(int k, int stations, double spacing);

// The station's name, four characters: n000, n001, ...
std::string NetworkStationName(int k);

// The file name of a station-day as an archive writes it: the short
// convention (n0011760.24o, .24d for compact RINEX) or the long one
// (N00100SIM_R_20241760000_01D_30S_MO.rnx or .crx), with .gz when gzipped.
std::string NetworkFileName(const std::string& station, int year, int dayOfYear, double interval,
                            const SimConfig& config);

// Writes every station-day of the network into the network folder and
// returns the paths written.  Ends the process with status 1 when a file
// cannot be written.
std::vector<std::string> WriteNetwork(const SimConfig& config);

#endif
