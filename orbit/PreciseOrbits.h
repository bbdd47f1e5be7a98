// PreciseOrbits: satellite positions of precise orbit files (SP3-c and
// SP3-d, plain or compressed), interpolated with a Lagrange polynomial over
// the ten epochs around the time asked for.  No position is given outside
// the span of a satellite's epochs or across a gap in them.
#ifndef ORBIT_PRECISEORBITS_H
#define ORBIT_PRECISEORBITS_H

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "GNSS/xyz.h"

class PreciseOrbits {
 public:
  // Adds the positions of an SP3 file.  A file that is no SP3-c or SP3-d
  // file, or an epoch or position line that cannot be read, is a fatal
  // error naming the file and the line.
  void Load(const std::string& path);
  bool Empty() const { return satellites_.empty(); }

  // The Earth-fixed position of satellite `sat` (a satellite number) at
  // `gpsSeconds`, GPS time.
  std::optional<xyz> Position(short sat, double gpsSeconds) const;

 private:
  struct Sample {
    double time;  // GPS seconds
    xyz position;
    bool operator<(const Sample& other) const { return time < other.time; }
  };
  std::map<short, std::vector<Sample>> satellites_;  // samples in time order
};

#endif
