// The base receiver's own observations of one satellite.
#include "tools/SimBaseReceiver.h"

#include <cmath>

namespace {

const double kTwoPi = 6.283185307179586476925286766559;
const double kEarthRadius = 6371.0e3;    // m
const double kZenithTroposphere = 2.35;  // m
const double kVerticalIonosphere = 4.0;  // on L1 at its daily mean, m
const double kIonosphereSwing = 2.5;     // daily swing about the mean, m
const double kCodeNoise = 0.25;          // m
const double kPhaseNoise = 0.002;        // m
const double kDopplerNoise = 0.01;       // Hz
const double kStrengthNoise = 0.5;       // dB-Hz
const long kAmbiguitySpan = 20;          // cycles either side of the code's

// Orbit radius of a constellation, m.
double OrbitRadius(SimSystem system) {
  switch (system) {
    case SimSystem::GPS:
      return 26560.0e3;
    case SimSystem::GLONASS:
      return 25508.0e3;
    case SimSystem::Galileo:
      return 29600.0e3;
  }
  return 26560.0e3;
}

// Distance from the base to a satellite at an elevation on a circular orbit.
double SatelliteRange(SimSystem system, double elevation) {
  const double radius = OrbitRadius(system);
  const double across = kEarthRadius * std::cos(elevation);
  return std::sqrt(radius * radius - across * across) - kEarthRadius * std::sin(elevation);
}

// What code and phase share at time t, in metres.
struct BaseRange {
  double range = 0.0;   // geometry, receiver clock, troposphere
  double ionoL1 = 0.0;  // ionospheric delay on L1, largest in the afternoon
};

BaseRange BaseRangeAt(const SimScene& scene, SimSystem system, double elevation, double t) {
  BaseRange at;
  at.range = SatelliteRange(system, elevation) + kSpeedOfLight * BaseClock(scene, t) +
             kZenithTroposphere / std::sin(elevation);
  const double vertical =
      kVerticalIonosphere + kIonosphereSwing * std::sin(kTwoPi * (t / 86400.0 - 0.33));
  at.ionoL1 = IonoMapping(elevation) * vertical;
  return at;
}

long BaseAmbiguity(const SimTrack& track, int band, long pass) {
  const std::uint64_t draw =
      MixSeed(static_cast<std::uint64_t>(track.satellite.number) ^ 0xBA5EULL,
              static_cast<std::uint64_t>(pass) * 16 + static_cast<std::uint64_t>(band));
  return static_cast<long>(draw % (2 * kAmbiguitySpan + 1)) - kAmbiguitySpan;
}

}  // namespace

double BaseStrength(int band, double elevation) {
  return 32.0 + 18.0 * std::sin(elevation) - (band == 2 ? 4.0 : 0.0);
}

void ObserveBase(const SimScene& scene, SimTrack& track, const SimLook& look, double t,
                 const std::vector<int>& types, std::vector<double>& values) {
  const SimSatellite& satellite = track.satellite;
  const BaseRange now = BaseRangeAt(scene, satellite.system, look.elevation, t);
  const BaseRange before =
      BaseRangeAt(scene, satellite.system, LookAt(satellite, t - 0.5).elevation, t - 0.5);
  const BaseRange after =
      BaseRangeAt(scene, satellite.system, LookAt(satellite, t + 0.5).elevation, t + 0.5);
  const double range = now.range, ionoL1 = now.ionoL1;
  const double rangeRate = after.range - before.range, ionoRate = after.ionoL1 - before.ionoL1;
  values.assign(types.size(), 0.0);
  for (std::size_t i = 0; i < types.size(); i++) {
    const SimType& type = SimTypeOf(types[i]);
    const double carrier = CarrierHz(satellite.system, satellite.channel, type.band);
    if (carrier == 0.0) continue;
    const double wavelength = kSpeedOfLight / carrier;
    const double ionoFactor = (kReferenceCarrierHz / carrier) * (kReferenceCarrierHz / carrier);
    switch (type.kind) {
      case SimKind::Code:
        values[i] = range + ionoL1 * ionoFactor + kCodeNoise * track.baseNoise.Gauss();
        break;
      case SimKind::Phase:
        values[i] =
            (range - ionoL1 * ionoFactor + kPhaseNoise * track.baseNoise.Gauss()) / wavelength +
            static_cast<double>(BaseAmbiguity(track, type.band, look.pass));
        break;
      case SimKind::Doppler:
        values[i] = -(rangeRate - ionoRate * ionoFactor) / wavelength +
                    kDopplerNoise * track.baseNoise.Gauss();
        break;
      case SimKind::Strength:
        values[i] =
            BaseStrength(type.band, look.elevation) + kStrengthNoise * track.baseNoise.Gauss();
        break;
    }
  }
}
