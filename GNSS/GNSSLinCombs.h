// Dual-frequency linear combinations of one satellite's code (metres) and
// phase (cycles) observations, with the coefficients of the constellation
// currently loaded into GLC.  Results are in metres.
#ifndef GNSS_GNSSLINCOMBS_H
#define GNSS_GNSSLINCOMBS_H

#include "GNSS/gnssobs.h"

// Current combination coefficients and wavelengths; the caller loads the set
// of the satellite's constellation (and GLONASS channel) before combining.
// Each thread has a set of its own, so threads can combine the values of
// satellites of different systems at once.  Start values, in every thread:
// the GPS set, with the GLONASS G3 and Galileo E5 wavelengths.
namespace GLC {
extern thread_local long double LCion1;  // ionosphere-free coefficient, frequency 1
extern thread_local long double LCion2;  // ionosphere-free coefficient, frequency 2
extern thread_local long double LCwl1;   // wide-lane coefficient, frequency 1
extern thread_local long double LCwl2;   // wide-lane coefficient, frequency 2
extern thread_local long double LCnl1;   // narrow-lane coefficient, frequency 1
extern thread_local long double LCnl2;   // narrow-lane coefficient, frequency 2
extern thread_local long double lamb1;   // wavelength of frequency 1
extern thread_local long double lamb2;   // wavelength of frequency 2
extern thread_local long double lamb5;   // wavelength of the L5/E5a carrier
extern thread_local long double lamb3;   // wavelength of GLONASS G3
extern thread_local long double lamb8;   // wavelength of Galileo E5
extern thread_local long double alpha;   // f1^2 / f2^2
}  // namespace GLC

// Number forms: no absence test, a missing operand (0) enters as 0.
// gnssobs forms: absent when a scaled operand is absent; no indicators.

// Ionosphere-free phase (LCion1 lamb1) L1 - (LCion2 lamb2) L2.
long double GNSS_L3(const long double& L1, const long double& L2);
gnssobs GNSS_L3(const gnssobs& L1, const gnssobs& L2);
// Ionosphere-free code LCion1 P1 - LCion2 P2.
long double GNSS_P3(const long double& P1, const long double& P2);
gnssobs GNSS_P3(const gnssobs& P1, const gnssobs& P2);
// Ionosphere-free code with the fixed GLONASS coefficients, whatever GLC holds.
long double GNSS_P3R(const long double& P1, const long double& P2);
// Geometry-free phase lamb1 L1 - lamb2 L2.
long double GNSS_L4(const long double& L1, const long double& L2);
gnssobs GNSS_L4(const gnssobs& L1, const gnssobs& L2);
// Geometry-free code P2 - P1 (the opposite order to GNSS_L4).
long double GNSS_P4(const long double& P1, const long double& P2);
gnssobs GNSS_P4(const gnssobs& P1, const gnssobs& P2);
// Wide-lane phase (LCwl1 lamb1) L1 - (LCwl2 lamb2) L2.
long double GNSS_L5(const long double& L1, const long double& L2);
gnssobs GNSS_L5(const gnssobs& L1, const gnssobs& L2);
// Wide-lane code LCwl1 P1 - LCwl2 P2.
long double GNSS_P5(const long double& P1, const long double& P2);
gnssobs GNSS_P5(const gnssobs& P1, const gnssobs& P2);
// Narrow-lane phase (LCnl1 lamb1) L1 + (LCnl2 lamb2) L2.
long double GNSS_NLL(const long double& L1, const long double& L2);
gnssobs GNSS_NLL(const gnssobs& L1, const gnssobs& L2);
// Narrow-lane code LCnl1 P1 + LCnl2 P2.
long double GNSS_NLP(const long double& P1, const long double& P2);
gnssobs GNSS_NLP(const gnssobs& P1, const gnssobs& P2);
// Melbourne-Wuebbena: wide-lane phase minus narrow-lane code.
long double GNSS_MW(const long double& L1, const long double& L2, const long double& P1,
                    const long double& P2);
gnssobs GNSS_MW(const gnssobs& L1, const gnssobs& L2, const gnssobs& P1, const gnssobs& P2);
// Code minus phase C1 - lamb1 L1.
long double GNSS_CL1(const long double& C1, const long double& L1);
// Half-sum of code and phase C1/2 + (lamb1 L1)/2.
long double GNSS_CLI(const long double& C1, const long double& L1);

#endif
