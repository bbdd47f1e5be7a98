// Satellites of the simulated sky and their passes.
#include "tools/SimSky.h"

#include <cmath>

#include "GNSS/SatNumber.h"
#include "tools/SimRandom.h"

namespace {

const double kTwoPi = 6.283185307179586476925286766559;

// GLONASS slots 1 to 24 and their frequency channels; antipodal slots share
// a channel.
const int kGlonassChannels[24] = {1,  -4, 5, 6,  1, -4, 5, 6, -2, -7, 0, -1,
                                  -2, -7, 0, -1, 4, -3, 3, 2, 4,  -3, 3, 2};

const int kGalileoPrns[] = {1,  2,  3,  4,  5,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                            18, 19, 21, 24, 25, 26, 27, 29, 30, 31, 33, 34, 36};

// Repeat of the pass pattern: half a sidereal day for GPS, the orbital
// periods for GLONASS and Galileo.
double PassPeriod(SimSystem system) {
  switch (system) {
    case SimSystem::GPS:
      return 43082.0;
    case SimSystem::GLONASS:
      return 40544.0;
    case SimSystem::Galileo:
      return 50680.0;
  }
  return 43082.0;
}

int SystemPlace(SimSystem system) {
  switch (system) {
    case SimSystem::GPS:
      return kGpsPlace;
    case SimSystem::GLONASS:
      return kGlonassPlace;
    case SimSystem::Galileo:
      return kGalileoPlace;
  }
  return kGpsPlace;
}

std::vector<int> Prns(SimSystem system) {
  std::vector<int> prns;
  if (system == SimSystem::Galileo)
    return std::vector<int>(std::begin(kGalileoPrns), std::end(kGalileoPrns));
  const int count = system == SimSystem::GPS ? 32 : 24;
  for (int prn = 1; prn <= count; prn++) prns.push_back(prn);
  return prns;
}

SimSatellite DrawSatellite(SimSystem system, int prn, std::uint64_t seed) {
  SimSatellite satellite;
  satellite.system = system;
  satellite.prn = prn;
  satellite.number = SatNumber(SystemPlace(system), prn);
  satellite.channel = system == SimSystem::GLONASS ? kGlonassChannels[prn - 1] : 0;
  satellite.period = PassPeriod(system);
  SimRandom draw(MixSeed(seed, static_cast<std::uint64_t>(satellite.number)));
  satellite.peakTime = draw.Uniform(0.0, satellite.period);
  satellite.amplitude = draw.Uniform(0.80, 1.00);
  satellite.offset = draw.Uniform(-0.45, -0.15);
  satellite.azimuthAtPeak = draw.Uniform(0.0, kTwoPi);
  satellite.azimuthSwing = draw.Uniform(0.8, 1.6) * (draw.Uniform() < 0.5 ? -1.0 : 1.0);
  return satellite;
}

}  // namespace

char SystemLetter(SimSystem system) { return kSatSystemLetters[SystemPlace(system)]; }

std::vector<SimSatellite> SimConstellation(SimSystem system, std::uint64_t seed) {
  std::vector<SimSatellite> satellites;
  for (int prn : Prns(system)) satellites.push_back(DrawSatellite(system, prn, seed));
  return satellites;
}

SimLook LookAt(const SimSatellite& satellite, double t) {
  const double cycles = (t - satellite.peakTime) / satellite.period;
  const double pass = std::floor(cycles + 0.5);
  const double angle = kTwoPi * (cycles - pass);
  double sinElevation = satellite.amplitude * std::cos(angle) + satellite.offset;
  if (sinElevation > 1.0) sinElevation = 1.0;
  if (sinElevation < -1.0) sinElevation = -1.0;
  SimLook look;
  look.elevation = std::asin(sinElevation);
  look.azimuth = satellite.azimuthAtPeak + satellite.azimuthSwing * std::sin(angle);
  look.pass = static_cast<long>(pass);
  return look;
}

bool IsVisible(const SimLook& look) { return look.elevation >= kElevationMask; }
