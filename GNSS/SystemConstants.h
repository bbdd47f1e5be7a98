// One record of the constants that the combinations of one system's
// dual-frequency pair use, and the one loader of them into the current
// coefficients GLC.  The listing, the combination series, the
// millisecond-jump correction and the screening all take a satellite's
// constants from here.
#ifndef GNSS_SYSTEMCONSTANTS_H
#define GNSS_SYSTEMCONSTANTS_H

#include "GNSS/mGNSSc.h"

struct SystemConstants {
  long double LCion1, LCion2;  // ionosphere-free coefficients
  long double LCwl1, LCwl2;    // wide-lane coefficients
  long double LCnl1, LCnl2;    // narrow-lane coefficients
  long double alpha;           // f1^2 / f2^2
  long double lamb1, lamb2;    // wavelengths of the pair (GLONASS: of a slot's channel)
  long double lamb5;           // L5/E5a wavelength; 0 for a system without it (GLONASS)
  long double lamb8;           // Galileo E5 wavelength; 0 for the other systems
};

// GPS: the pair L1/L2.
constexpr SystemConstants kGpsConstants = {GPSc::LCion1, GPSc::LCion2, GPSc::LCwl1, GPSc::LCwl2,
                                           GPSc::LCnl1,  GPSc::LCnl2,  GPSc::alpha, GPSc::lamb1,
                                           GPSc::lamb2,  GPSc::lamb5,  0.0L};
// Galileo: the pair E1/E5b.
constexpr SystemConstants kGalileoConstants = {GALILEOc::LCion1, GALILEOc::LCion2, GALILEOc::LCwl1,
                                               GALILEOc::LCwl2,  GALILEOc::LCnl1,  GALILEOc::LCnl2,
                                               GALILEOc::alpha,  GALILEOc::lamb1,  GALILEOc::lamb2,
                                               GALILEOc::lamb5,  GALILEOc::lamb8};

// GLONASS (G1/G2): the coefficients, which hold for every channel, and the
// wavelengths of row `row` (slot - 1) of the slot tables as they stand; the
// row must exist.
SystemConstants GlonassConstants(long row);

// The constants of a GPS or a GLONASS satellite; false for any other number
// and for a GLONASS satellite whose slot has no table row or whose channel
// has not set its wavelengths (both above 0.01 m).
bool GpsGlonassConstants(short sat, SystemConstants& constants);

// The groups of GLC values a caller loads.
enum GlcGroup : unsigned {
  kIonFreeGroup = 1,         // LCion1, LCion2
  kWideLaneGroup = 2,        // LCwl1, LCwl2
  kNarrowLaneGroup = 4,      // LCnl1, LCnl2
  kPairWavelengthGroup = 8,  // lamb1, lamb2
  kListingGroup = 16,        // alpha, and lamb5 and lamb8 where the system has them
  kAllGlcGroups = 31
};

// Copies the groups `groups` of `constants` into GLC; the values of the
// other groups keep what they had.
void LoadGLC(const SystemConstants& constants, unsigned groups);

// The values GLC holds in the calling thread (all but the fixed lamb3):
// loading them with every group gives another thread the same set.
SystemConstants LoadedGLC();

#endif
