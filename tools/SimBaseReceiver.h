// The base receiver's own observations of one satellite: the range from the
// satellite's orbit and elevation, the receiver clock, troposphere,
// ionosphere, noise and a small ambiguity per pass and band.  The rover
// observes these plus the single differences.
#ifndef TOOLS_SIMBASERECEIVER_H
#define TOOLS_SIMBASERECEIVER_H

#include <vector>

#include "tools/SimObservation.h"

// Values of the given observation types at time t, in the units of Observe,
// for every type whose band the satellite transmits on (0 for the others);
// the draws come from the track's base stream.
void ObserveBase(const SimScene& scene, SimTrack& track, const SimLook& look, double t,
                 const std::vector<int>& types, std::vector<double>& values);

// Carrier-to-noise density of a band at the base without its noise, dB-Hz:
// what the signal-strength indicators follow.
double BaseStrength(int band, double elevation);

#endif
