// SatelliteGeometry: elevation and azimuth of GPS, GLONASS, Galileo and
// BeiDou satellites at a station, from broadcast navigation files and/or
// precise orbit files.  Precise orbits serve where they reach; broadcast
// ephemerides elsewhere.
//
//   SatelliteGeometry sky;
//   sky.LoadNavigation("brdc1590.22p.gz");
//   std::optional<LookAngles> a = sky.Look(SatNumberOfName("G05"), epoch, base);
//   if (!a) ...  // no orbit for this satellite at this time
#ifndef ORBIT_SATELLITEGEOMETRY_H
#define ORBIT_SATELLITEGEOMETRY_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "GNSS/mjd.h"
#include "GNSS/xyz.h"
#include "orbit/BroadcastOrbits.h"
#include "orbit/LookAngles.h"
#include "orbit/PreciseOrbits.h"

class SatelliteGeometry {
 public:
  // A RINEX 2, 3 or 4 navigation file, plain or compressed.
  void LoadNavigation(const std::string& path) { broadcast_.Load(path); }
  // An SP3-c or SP3-d file, plain or compressed.
  void LoadPrecise(const std::string& path) { precise_.Load(path); }
  // Whether any orbit was loaded.
  bool HasOrbits() const { return !broadcast_.Empty() || !precise_.Empty(); }
  // Lines for the user about assumptions the loaded files forced (see
  // BroadcastOrbits::Notes).
  const std::vector<std::string>& Notes() const { return broadcast_.Notes(); }

  // Satellite `sat` (a satellite number, see GNSS/SatNumber.h) seen from
  // `station` (Earth-fixed, metres) at `gpsTime` (the receiver's time tag,
  // GPS time): the satellite's position at transmission, with the signal's
  // travel time and the Earth's rotation meanwhile.  None when no orbit
  // covers the satellite at that time, and for a station less than 1 km
  // from the Earth's centre (an unknown position), which has no horizon.
  std::optional<LookAngles> Look(short sat, const mjd& gpsTime, const xyz& station) const;

  // The Earth-fixed position of a satellite at `gpsSeconds` (see
  // orbit/GpsSeconds.h), precise orbits first.
  std::optional<xyz> Position(short sat, double gpsSeconds) const;

 private:
  BroadcastOrbits broadcast_;
  PreciseOrbits precise_;
};

// The satellite number of a name such as "G05", "R12", "E11" or "C07"; 0
// for a name of another form or system.
short SatNumberOfName(std::string_view name);

#endif
