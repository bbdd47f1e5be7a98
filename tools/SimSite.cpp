// Positions of the two simulated stations.
#include "tools/SimSite.h"

#include <cmath>

namespace {

// Base station: latitude, longitude (rad) and ellipsoidal height (m).
const double kBaseLatitude = 46.05 * 3.14159265358979323846 / 180.0;
const double kBaseLongitude = 14.50 * 3.14159265358979323846 / 180.0;
const double kBaseHeight = 300.0;
// WGS84 ellipsoid.
const double kSemiMajorAxis = 6378137.0;
const double kFlattening = 1.0 / 298.257223563;

}  // namespace

SimXyz BasePosition() {
  const double e2 = kFlattening * (2.0 - kFlattening);
  const double sinLat = std::sin(kBaseLatitude);
  const double normal = kSemiMajorAxis / std::sqrt(1.0 - e2 * sinLat * sinLat);
  const double horizontal = (normal + kBaseHeight) * std::cos(kBaseLatitude);
  return {horizontal * std::cos(kBaseLongitude), horizontal * std::sin(kBaseLongitude),
          (normal * (1.0 - e2) + kBaseHeight) * sinLat};
}

SimXyz RoverPosition(const SimScene& scene) {
  const SimXyz base = BasePosition();
  const double sinLat = std::sin(kBaseLatitude), cosLat = std::cos(kBaseLatitude);
  const double sinLon = std::sin(kBaseLongitude), cosLon = std::cos(kBaseLongitude);
  const double e = scene.baselineEast, n = scene.baselineNorth, u = scene.baselineUp;
  return {base.x - sinLon * e - sinLat * cosLon * n + cosLat * cosLon * u,
          base.y + cosLon * e - sinLat * sinLon * n + cosLat * sinLon * u,
          base.z + cosLat * n + sinLat * u};
}
