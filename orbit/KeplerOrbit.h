// KeplerOrbit: the satellite position of a GPS, Galileo or BeiDou broadcast
// ephemeris, by the user algorithm of the GPS interface document with the
// constants of each system and the BeiDou GEO satellites' own rotation.
#ifndef ORBIT_KEPLERORBIT_H
#define ORBIT_KEPLERORBIT_H

#include "GNSS/xyz.h"
#include "rinex/NavigationFile.h"

class KeplerOrbit {
 public:
  // A record of system G, E or C.
  explicit KeplerOrbit(const BroadcastRecord& record);

  // The reference time of the ephemeris (toe) in GPS seconds.
  double ReferenceTime() const { return toe_; }
  // The position in the Earth-fixed frame (metres) at `gpsSeconds`, GPS time.
  xyz Position(double gpsSeconds) const;

 private:
  const BroadcastRecord& record_;
  double toe_ = 0;  // GPS seconds
  double gm_ = 0;
  double earthRotation_ = 0;
  bool geostationary_ = false;  // BeiDou GEO: PRN 1-5 and 59-63
};

#endif
