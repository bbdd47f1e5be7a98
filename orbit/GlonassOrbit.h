// GlonassOrbit: the satellite position of a GLONASS broadcast ephemeris: the
// state vector (PZ-90, Earth-fixed) integrated from its epoch with the
// fourth-order Runge-Kutta method, under the Earth's central field with its
// J2 term, the Earth's rotation and the record's lunisolar accelerations.
#ifndef ORBIT_GLONASSORBIT_H
#define ORBIT_GLONASSORBIT_H

#include "GNSS/xyz.h"
#include "rinex/NavigationFile.h"

class GlonassOrbit {
 public:
  // A record of system R; its epoch is UTC, GPS - UTC being `leapSeconds`.
  GlonassOrbit(const BroadcastRecord& record, int leapSeconds);

  // The epoch of the state vector in GPS seconds.
  double ReferenceTime() const { return epoch_; }
  // The position in the Earth-fixed frame (metres) at `gpsSeconds`, GPS time.
  xyz Position(double gpsSeconds) const;

 private:
  const BroadcastRecord& record_;
  double epoch_ = 0;
};

#endif
