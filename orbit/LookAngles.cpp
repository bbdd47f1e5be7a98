// Geodetic position and the topocentric angles of a satellite.
#include "orbit/LookAngles.h"

#include <cmath>

namespace {

constexpr double kSemiMajorAxis = 6378137.0;
constexpr double kFlattening = 1 / 298.257223563;
constexpr double kEccentricity2 = kFlattening * (2 - kFlattening);
constexpr double kDegrees = 180 / M_PI;

}  // namespace

GeodeticPosition GeodeticOf(const xyz& position) {
  const double x = static_cast<double>(position.x);
  const double y = static_cast<double>(position.y);
  const double z = static_cast<double>(position.z);
  const double p = std::hypot(x, y);
  GeodeticPosition out;
  out.longitude = std::atan2(y, x);
  // Iterates the latitude; from this start five rounds reach a micrometre
  // anywhere near the Earth's surface.
  double latitude = std::atan2(z, p * (1 - kEccentricity2));
  double radius = kSemiMajorAxis;
  for (int k = 0; k < 5; k++) {
    const double s = std::sin(latitude);
    radius = kSemiMajorAxis / std::sqrt(1 - kEccentricity2 * s * s);
    latitude = std::atan2(z + kEccentricity2 * radius * s, p);
  }
  out.latitude = latitude;
  out.height = p * std::cos(latitude) + z * std::sin(latitude) -
               radius * (1 - kEccentricity2 * std::sin(latitude) * std::sin(latitude));
  return out;
}

LookAngles LookAnglesOf(const xyz& station, const xyz& satellite) {
  const GeodeticPosition place = GeodeticOf(station);
  const xyz d = satellite - station;
  const double dx = static_cast<double>(d.x);
  const double dy = static_cast<double>(d.y);
  const double dz = static_cast<double>(d.z);
  const double sf = std::sin(place.latitude), cf = std::cos(place.latitude);
  const double sl = std::sin(place.longitude), cl = std::cos(place.longitude);
  const double east = -sl * dx + cl * dy;
  const double north = -sf * cl * dx - sf * sl * dy + cf * dz;
  const double up = cf * cl * dx + cf * sl * dy + sf * dz;
  LookAngles angles;
  angles.elevation = std::atan2(up, std::hypot(east, north)) * kDegrees;
  angles.azimuth = std::atan2(east, north) * kDegrees;
  if (angles.azimuth < 0) angles.azimuth += 360;
  if (angles.azimuth >= 360) angles.azimuth -= 360;
  return angles;
}
