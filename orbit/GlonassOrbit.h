// GlonassOrbit: the satellite position of a GLONASS broadcast ephemeris: the
// state vector (PZ-90, Earth-fixed) integrated from its epoch with the
// fourth-order Runge-Kutta method, under the Earth's central field with its
// J2 term, the Earth's rotation and the record's lunisolar accelerations.
// The states one step apart over the span the ephemeris serves are
// integrated once, so a position costs at most half a step from the nearest.
#ifndef ORBIT_GLONASSORBIT_H
#define ORBIT_GLONASSORBIT_H

#include <array>
#include <vector>

#include "GNSS/xyz.h"
#include "rinex/NavigationFile.h"

class GlonassOrbit {
 public:
  // Position and velocity (m, m/s).
  using State = std::array<double, 6>;

  // A record of system R; its epoch is UTC, GPS - UTC being `leapSeconds`.
  // The states are laid out over `reach` seconds either side of the epoch.
  GlonassOrbit(const BroadcastRecord& record, int leapSeconds, double reach);

  // The epoch of the state vector in GPS seconds.
  double ReferenceTime() const { return epoch_; }
  // The position in the Earth-fixed frame (metres) at `gpsSeconds`, GPS time.
  xyz Position(double gpsSeconds) const;

 private:
  double epoch_ = 0;
  std::array<double, 3> moonSun_{};  // lunisolar acceleration, m/s^2
  std::vector<State> states_;        // from epoch_ - reach to epoch_ + reach, one step apart
  int center_ = 0;                   // the place of the epoch's own state in states_
};

#endif
