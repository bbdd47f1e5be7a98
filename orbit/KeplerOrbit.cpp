// Keplerian broadcast orbits of GPS, Galileo and BeiDou.
#include "orbit/KeplerOrbit.h"

#include <cmath>

#include "orbit/GpsSeconds.h"

namespace {

// Gravitational constants (m^3/s^2) and Earth rotation rates (rad/s) as each
// system's interface document fixes them.
constexpr double kGpsGm = 3.986005e14;
constexpr double kGalileoBeiDouGm = 3.986004418e14;
constexpr double kGpsGalileoRotation = 7.2921151467e-5;
constexpr double kBeiDouRotation = 7.292115e-5;
// BeiDou GEO orbits are given in a frame tilted by -5 degrees about x.
constexpr double kBeiDouGeoTilt = -5.0 * M_PI / 180.0;

bool IsBeiDouGeo(int prn) { return prn <= 5 || prn >= 59; }

// The full time of toe in the system's own time: the week of the record's
// epoch (toc), with toe's seconds of week, taken on the side of toc that is
// nearer.
double ToeInSystemTime(const BroadcastRecord& record) {
  const double toc = SecondsOfTicks(record.tocTicks);
  const double tocOfWeek = std::fmod(toc, kSecondsPerWeek);
  double offset = record.values[kToe] - tocOfWeek;
  if (offset > kSecondsPerWeek / 2) offset -= kSecondsPerWeek;
  if (offset < -kSecondsPerWeek / 2) offset += kSecondsPerWeek;
  return toc + offset;
}

// Kepler's equation M = E - e sin E by Newton's iteration.
double EccentricAnomaly(double meanAnomaly, double e) {
  double anomaly = meanAnomaly;
  for (int k = 0; k < 30; k++) {
    const double step =
        (anomaly - e * std::sin(anomaly) - meanAnomaly) / (1 - e * std::cos(anomaly));
    anomaly -= step;
    if (std::fabs(step) < 1e-14) break;
  }
  return anomaly;
}

}  // namespace

KeplerOrbit::KeplerOrbit(const BroadcastRecord& record) : record_(record) {
  const bool beidou = record.system == 'C';
  toe_ = ToeInSystemTime(record) + (beidou ? kBeiDouBehindGps : 0);
  gm_ = record.system == 'G' ? kGpsGm : kGalileoBeiDouGm;
  earthRotation_ = beidou ? kBeiDouRotation : kGpsGalileoRotation;
  geostationary_ = beidou && IsBeiDouGeo(record.number);
}

xyz KeplerOrbit::Position(double gpsSeconds) const {
  const std::vector<double>& v = record_.values;
  const double tk = gpsSeconds - toe_;
  const double a = v[kSqrtA] * v[kSqrtA];
  const double e = v[kEccentricity];
  const double n = std::sqrt(gm_ / (a * a * a)) + v[kDeltaN];
  const double anomaly = EccentricAnomaly(v[kM0] + n * tk, e);
  const double trueAnomaly =
      std::atan2(std::sqrt(1 - e * e) * std::sin(anomaly), std::cos(anomaly) - e);
  const double latitude = trueAnomaly + v[kPerigee];
  const double sin2 = std::sin(2 * latitude);
  const double cos2 = std::cos(2 * latitude);
  const double u = latitude + v[kCus] * sin2 + v[kCuc] * cos2;
  const double r = a * (1 - e * std::cos(anomaly)) + v[kCrs] * sin2 + v[kCrc] * cos2;
  const double i = v[kI0] + v[kCis] * sin2 + v[kCic] * cos2 + v[kIdot] * tk;
  const double inPlaneX = r * std::cos(u);
  const double inPlaneY = r * std::sin(u);
  const double toeOfWeek = v[kToe];
  // The node's longitude: in the Earth-fixed frame, or for a BeiDou GEO in
  // the inertial frame of toe, which is then turned with the Earth.
  const double node = geostationary_ ? v[kOmega0] + v[kOmegaDot] * tk - earthRotation_ * toeOfWeek
                                     : v[kOmega0] + (v[kOmegaDot] - earthRotation_) * tk -
                                           earthRotation_ * toeOfWeek;
  const xyz orbital(inPlaneX * std::cos(node) - inPlaneY * std::cos(i) * std::sin(node),
                    inPlaneX * std::sin(node) + inPlaneY * std::cos(i) * std::cos(node),
                    inPlaneY * std::sin(i));
  if (!geostationary_) return orbital;
  return orbital.RotateX(-kBeiDouGeoTilt).RotateZ(-earthRotation_ * tk);
}
