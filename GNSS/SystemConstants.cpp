// The systems' constant records and their loading into GLC.
#include "GNSS/SystemConstants.h"

#include <cmath>

#include "GNSS/GNSSLinCombs.h"
#include "GNSS/SatNumber.h"

namespace {

// Smallest wavelength taken as set: every real carrier is far above it, and
// an unset row of the slot tables holds 0.
const long double kMinLamb = 0.01L;

// A group of two GLC values and where a record holds them.
struct GlcPair {
  unsigned group;
  long double SystemConstants::*value1;
  long double SystemConstants::*value2;
  long double* glc1;
  long double* glc2;
};

}  // namespace

SystemConstants GlonassConstants(long row) {
  return {GLONASSc::LCion1,
          GLONASSc::LCion2,
          GLONASSc::LCwl1,
          GLONASSc::LCwl2,
          GLONASSc::LCnl1,
          GLONASSc::LCnl2,
          GLONASSc::alpha,
          GLONASSc::lamb(row, 0),
          GLONASSc::lamb(row, 1),
          0.0L,
          0.0L};
}

bool GpsGlonassConstants(short sat, SystemConstants& constants) {
  if (IsGpsSat(sat)) {
    constants = kGpsConstants;
    return true;
  }
  const long row = GlonassSlot(sat) - 1L;
  if (!IsGlonassSat(sat) || row < 0 || row >= GLONASSc::lamb.r) return false;
  const SystemConstants glonass = GlonassConstants(row);
  if (std::fabs(glonass.lamb1) <= kMinLamb || std::fabs(glonass.lamb2) <= kMinLamb) return false;
  constants = glonass;
  return true;
}

void LoadGLC(const SystemConstants& k, unsigned groups) {
  // Made at each call: GLC is the calling thread's.
  const GlcPair pairs[] = {
      {kIonFreeGroup, &SystemConstants::LCion1, &SystemConstants::LCion2, &GLC::LCion1,
       &GLC::LCion2},
      {kWideLaneGroup, &SystemConstants::LCwl1, &SystemConstants::LCwl2, &GLC::LCwl1, &GLC::LCwl2},
      {kNarrowLaneGroup, &SystemConstants::LCnl1, &SystemConstants::LCnl2, &GLC::LCnl1,
       &GLC::LCnl2},
      {kPairWavelengthGroup, &SystemConstants::lamb1, &SystemConstants::lamb2, &GLC::lamb1,
       &GLC::lamb2},
  };
  for (const GlcPair& pair : pairs) {
    if ((groups & pair.group) == 0) continue;
    *pair.glc1 = k.*pair.value1;
    *pair.glc2 = k.*pair.value2;
  }
  if ((groups & kListingGroup) == 0) return;
  GLC::alpha = k.alpha;
  if (k.lamb5 != 0.0L) GLC::lamb5 = k.lamb5;
  if (k.lamb8 != 0.0L) GLC::lamb8 = k.lamb8;
}

SystemConstants LoadedGLC() {
  return {GLC::LCion1, GLC::LCion2, GLC::LCwl1, GLC::LCwl2, GLC::LCnl1, GLC::LCnl2,
          GLC::alpha,  GLC::lamb1,  GLC::lamb2, GLC::lamb5, GLC::lamb8};
}
