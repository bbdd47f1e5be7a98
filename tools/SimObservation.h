// The single differences of one satellite at one epoch: geometry over the
// baseline, receiver clocks, ionosphere, troposphere, biases, multipath,
// noise, ambiguities, one millisecond clock jump and one cycle slip.
#ifndef TOOLS_SIMOBSERVATION_H
#define TOOLS_SIMOBSERVATION_H

#include <cstdint>
#include <vector>

#include "tools/SimRandom.h"
#include "tools/SimSky.h"

// What all satellites share. Times are seconds after midnight of the first
// day; differences are rover minus base.
struct SimScene {
  std::uint64_t seed = 0;
  double baselineEast = 0.0, baselineNorth = 0.0, baselineUp = 0.0;  // m
  double baseClock = 0.0, baseClockDrift = 0.0;                      // s, s/s
  double clockOffset = 0.0, clockDrift = 0.0;                        // rover minus base: s, s/s
  double clockWander = 0.0, clockWanderPeriod = 1.0;                 // s, s
  double ionoMean = 0.0, ionoSwing = 0.0;                            // vertical delay on L1, m
  double ionoPeriod = 1.0, ionoPhase = 0.0;                          // s, rad
  double tropoZenith = 0.0;                                          // m
  double jumpTime = 0.0;  // codes carry one millisecond more from here on
  bool hasJump = false;
  short slipSatellite = 0;  // 0: no slip
  long slipPass = 0;
  double slipTime = 0.0;
  double missingRate = 0.0;
};

SimScene DrawScene(std::uint64_t seed);

// Clock difference of the receivers (rover minus base) as the codes see it,
// jump included, in seconds.
double CodeClockDifference(const SimScene& scene, double t);
double BaseClock(const SimScene& scene, double t);

// Thin-shell mapping of the vertical ionospheric delay to the line of sight.
double IonoMapping(double elevation);

// Effects of one band of one satellite that stay for the whole file.
struct SimBandEffects {
  double codeBias = 0.0;                   // m
  double preciseCodeBias = 0.0;            // extra bias of the P code, m
  double multipathPeriod[2] = {1.0, 1.0};  // s
  double multipathPhase[2] = {0.0, 0.0};   // rad
  double strengthBias = 0.0;               // dB-Hz
};

// A satellite together with its lasting effects and its own noise stream.
struct SimTrack {
  SimSatellite satellite;
  SimBandEffects bands[9];  // indexed by band number 1 … 8
  double ionoOffset = 0.0;  // m
  SimRandom noise;          // the single differences' draws
  SimRandom baseNoise;      // the base receiver's own draws (see SimBaseReceiver.h)
};

// Whether the receivers track the signal of an observation type of a
// satellite at this elevation.
bool Tracks(const SimSatellite& satellite, int typeCode, double elevation);

SimTrack MakeTrack(const SimSatellite& satellite, std::uint64_t seed);

// Values of the given observation types (codes 0 … 25) at time t, in metres
// for codes, cycles for phases, Hz for Doppler, dB-Hz for strengths; 0 for a
// value the satellite does not give or that is missing at this epoch.
void Observe(const SimScene& scene, SimTrack& track, const SimLook& look, double t,
             const std::vector<int>& types, std::vector<double>& values);

#endif
