// The single differences of one satellite at one epoch.
#include "tools/SimObservation.h"

#include <cmath>

namespace {

const double kTwoPi = 6.283185307179586476925286766559;
const double kMillisecond = 1.0e-3;  // s, size of the receiver clock jump
const double kSecondBandMask = 13.0 * 3.14159265358979323846 / 180.0;  // rad
const double kPhaseNoise = 0.0025;                                     // m
const double kDopplerNoise = 0.02;                                     // Hz
const double kStrengthNoise = 0.7;                                     // dB-Hz
// Cycles added by the cycle slip on band 1 and on every other band, chosen
// unequal so that the slip shows in the geometry-free phase as well.
const long kSlipCyclesBand1 = 7;
const long kSlipCyclesOther = 5;

double GeometricDifference(const SimScene& scene, const SimLook& look) {
  const double horizontal = std::cos(look.elevation);
  return -(scene.baselineEast * horizontal * std::sin(look.azimuth) +
           scene.baselineNorth * horizontal * std::cos(look.azimuth) +
           scene.baselineUp * std::sin(look.elevation));
}

double SmoothClockDifference(const SimScene& scene, double t) {
  return scene.clockOffset + scene.clockDrift * t +
         scene.clockWander * std::sin(kTwoPi * t / scene.clockWanderPeriod);
}

// Range part common to code and phase (geometry, clock, troposphere) and the
// ionospheric delay on L1, both in metres.
struct SimRange {
  double range = 0.0;
  double ionoL1 = 0.0;
};

SimRange RangeAt(const SimScene& scene, const SimTrack& track, const SimLook& look, double t) {
  SimRange at;
  at.range = GeometricDifference(scene, look) + kSpeedOfLight * SmoothClockDifference(scene, t) +
             scene.tropoZenith / std::sin(look.elevation);
  at.ionoL1 = IonoMapping(look.elevation) *
              (scene.ionoMean +
               scene.ionoSwing * std::sin(kTwoPi * t / scene.ionoPeriod + scene.ionoPhase) +
               track.ionoOffset);
  return at;
}

// Code multipath: decimetres at low elevation, centimetres at high.
double CodeMultipath(const SimBandEffects& band, double elevation, double t) {
  const double amplitude = 0.05 + 0.45 * std::exp(-elevation * 57.29577951308232 / 12.0);
  return amplitude *
         (std::sin(kTwoPi * t / band.multipathPeriod[0] + band.multipathPhase[0]) +
          0.5 * std::sin(kTwoPi * t / band.multipathPeriod[1] + band.multipathPhase[1]));
}

double PhaseMultipath(const SimBandEffects& band, double t) {
  return 0.003 * std::sin(kTwoPi * t / band.multipathPeriod[0] + band.multipathPhase[0] + 1.0);
}

double CodeNoise(double elevation) {
  return 0.08 + 0.25 * std::exp(-elevation * 57.29577951308232 / 15.0);
}

// Ambiguity of one band over one pass: a new lock gets a new integer.
long Ambiguity(const SimScene& scene, const SimTrack& track, int band, long pass) {
  const std::uint64_t satellite =
      MixSeed(scene.seed, static_cast<std::uint64_t>(track.satellite.number));
  SimRandom draw(
      MixSeed(satellite, static_cast<std::uint64_t>(pass) * 16 + static_cast<std::uint64_t>(band)));
  return draw.Integer(-40, 40);
}

long SlipCycles(const SimScene& scene, const SimTrack& track, int band, long pass, double t) {
  const bool slipped = track.satellite.number == scene.slipSatellite && pass == scene.slipPass &&
                       t >= scene.slipTime;
  if (!slipped) return 0;
  return band == 1 ? kSlipCyclesBand1 : kSlipCyclesOther;
}

}  // namespace

double IonoMapping(double elevation) {
  const double x = 0.94 * std::cos(elevation);
  return 1.0 / std::sqrt(1.0 - x * x);
}

SimScene DrawScene(std::uint64_t seed) {
  SimRandom draw(MixSeed(seed, 0x5CE4E));
  SimScene scene;
  scene.seed = seed;
  scene.baselineEast = draw.Uniform(1500.0, 3500.0);
  scene.baselineNorth = -draw.Uniform(1000.0, 3000.0);
  scene.baselineUp = draw.Uniform(-20.0, 20.0);
  scene.baseClock = draw.Uniform(-300.0e-6, 300.0e-6);
  scene.baseClockDrift = draw.Uniform(-2.0e-9, 2.0e-9);
  scene.clockOffset = draw.Uniform(-0.5e-3, 0.5e-3);
  scene.clockDrift = draw.Uniform(-8.0e-8, 8.0e-8);
  scene.clockWander = 2.0e-9;
  scene.clockWanderPeriod = 1800.0;
  scene.ionoMean = draw.Uniform(-0.3, 0.3);
  scene.ionoSwing = draw.Uniform(0.15, 0.4);
  scene.ionoPeriod = draw.Uniform(3.0, 6.0) * 3600.0;
  scene.ionoPhase = draw.Uniform(0.0, kTwoPi);
  scene.tropoZenith = draw.Uniform(-0.02, 0.02);
  return scene;
}

double CodeClockDifference(const SimScene& scene, double t) {
  const double jump = scene.hasJump && t >= scene.jumpTime ? kMillisecond : 0.0;
  return SmoothClockDifference(scene, t) + jump;
}

double BaseClock(const SimScene& scene, double t) {
  return scene.baseClock + scene.baseClockDrift * t;
}

bool Tracks(const SimSatellite& satellite, int typeCode, double elevation) {
  // GPS and GLONASS receivers pick up the second frequency later than the
  // first when a satellite rises.
  const bool secondBandLost = SimTypeOf(typeCode).band == 2 &&
                              satellite.system != SimSystem::Galileo && elevation < kSecondBandMask;
  return !secondBandLost && Transmits(satellite.system, satellite.prn, typeCode);
}

SimTrack MakeTrack(const SimSatellite& satellite, std::uint64_t seed) {
  SimTrack track;
  track.satellite = satellite;
  const std::uint64_t number = static_cast<std::uint64_t>(satellite.number);
  SimRandom draw(MixSeed(seed ^ 0xB1A5ULL, number));
  // GLONASS codes carry an inter-frequency bias that grows with the channel.
  const double channelBias = 0.1 * satellite.channel;
  for (SimBandEffects& band : track.bands) {
    band.codeBias = draw.Uniform(-0.6, 0.6) + channelBias;
    band.preciseCodeBias = draw.Uniform(-0.4, 0.4);
    band.multipathPeriod[0] = draw.Uniform(300.0, 900.0);
    band.multipathPeriod[1] = draw.Uniform(60.0, 240.0);
    band.multipathPhase[0] = draw.Uniform(0.0, kTwoPi);
    band.multipathPhase[1] = draw.Uniform(0.0, kTwoPi);
    band.strengthBias = draw.Uniform(-2.0, 2.0);
  }
  track.ionoOffset = draw.Uniform(-0.15, 0.15);
  track.noise = SimRandom(MixSeed(seed ^ 0x401CEULL, number));
  track.baseNoise = SimRandom(MixSeed(seed ^ 0xBA5EULL, number));
  return track;
}

void Observe(const SimScene& scene, SimTrack& track, const SimLook& look, double t,
             const std::vector<int>& types, std::vector<double>& values) {
  const SimSatellite& satellite = track.satellite;
  const SimRange now = RangeAt(scene, track, look, t);
  const SimRange before = RangeAt(scene, track, LookAt(satellite, t - 0.5), t - 0.5);
  const SimRange after = RangeAt(scene, track, LookAt(satellite, t + 0.5), t + 0.5);
  const double rangeRate = after.range - before.range;
  const double ionoRate = after.ionoL1 - before.ionoL1;
  const double codeJump =
      kSpeedOfLight * (CodeClockDifference(scene, t) - SmoothClockDifference(scene, t));

  values.assign(types.size(), 0.0);
  for (std::size_t i = 0; i < types.size(); i++) {
    const SimType& type = SimTypeOf(types[i]);
    const bool dropped = track.noise.Uniform() < scene.missingRate;
    if (dropped || !Tracks(satellite, types[i], look.elevation)) continue;
    const double carrier = CarrierHz(satellite.system, satellite.channel, type.band);
    const double wavelength = kSpeedOfLight / carrier;
    const double ionoFactor = (kReferenceCarrierHz / carrier) * (kReferenceCarrierHz / carrier);
    const SimBandEffects& band = track.bands[type.band];
    switch (type.kind) {
      case SimKind::Code:
        values[i] = now.range + codeJump + now.ionoL1 * ionoFactor + band.codeBias +
                    (type.precise ? band.preciseCodeBias : 0.0) +
                    CodeMultipath(band, look.elevation, t) +
                    CodeNoise(look.elevation) * (type.precise ? 1.3 : 1.0) * track.noise.Gauss();
        break;
      case SimKind::Phase:
        values[i] = (now.range - now.ionoL1 * ionoFactor + PhaseMultipath(band, t) +
                     kPhaseNoise * track.noise.Gauss()) /
                        wavelength +
                    static_cast<double>(Ambiguity(scene, track, type.band, look.pass) +
                                        SlipCycles(scene, track, type.band, look.pass, t));
        break;
      case SimKind::Doppler:
        values[i] =
            -(rangeRate - ionoRate * ionoFactor) / wavelength + kDopplerNoise * track.noise.Gauss();
        break;
      case SimKind::Strength:
        values[i] = band.strengthBias + kStrengthNoise * track.noise.Gauss();
        break;
    }
  }
}
