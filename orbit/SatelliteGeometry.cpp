// Elevation and azimuth of satellites at a station.
#include "orbit/SatelliteGeometry.h"

#include <cmath>

#include "GNSS/SatNumber.h"
#include "orbit/GpsSeconds.h"
#include "rinex/SatSystems.h"

namespace {

constexpr double kSpeedOfLight = 299792458.0;
// WGS84's rotation rate turns the frame while the signal travels.
constexpr double kEarthRotation = 7.2921151467e-5;
// Positions this close to the Earth's centre are no station.
constexpr double kNoStation = 1000;
// Rounds of the light-time iteration: the travel time from the position at
// the nominal 75 ms is already right to well under a microsecond (the
// range changes by less than 1 km/s), and the second round places the
// satellite with it.
constexpr int kLightTimeRounds = 2;
constexpr double kNominalTravelTime = 0.075;

}  // namespace

std::optional<xyz> SatelliteGeometry::Position(short sat, double gpsSeconds) const {
  if (std::optional<xyz> position = precise_.Position(sat, gpsSeconds)) return position;
  return broadcast_.Position(sat, gpsSeconds);
}

std::optional<LookAngles> SatelliteGeometry::Look(short sat, const mjd& gpsTime,
                                                  const xyz& station) const {
  if (station.GetLength() < kNoStation) return std::nullopt;
  const double received = GpsSeconds(gpsTime);
  double travel = kNominalTravelTime;
  xyz seen;
  for (int round = 0; round < kLightTimeRounds; round++) {
    const std::optional<xyz> sent = Position(sat, received - travel);
    if (!sent) return std::nullopt;
    // The position at transmission in the frame of reception.
    seen = sent->RotateZ(-kEarthRotation * travel);
    travel = static_cast<double>((seen - station).GetLength()) / kSpeedOfLight;
  }
  return LookAnglesOf(station, seen);
}

short SatNumberOfName(std::string_view name) {
  if (name.size() != 3) return 0;
  const int place = SystemIndex(name[0]);
  const int tens = name[1] - '0';
  const int units = name[2] - '0';
  if (place < 0 || tens < 0 || tens > 9 || units < 0 || units > 9 || tens * 10 + units == 0)
    return 0;
  return SatNumber(place, tens * 10 + units);
}
