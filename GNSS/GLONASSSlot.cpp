// Safe look-up of a GLONASS slot's wavelengths.
#include "GNSS/GLONASSSlot.h"

#include <cmath>

#include "GNSS/SatNumber.h"
#include "GNSS/mGNSSc.h"

namespace {

// Smallest wavelength taken as set: every real carrier is far above it.
const long double kMinLamb = 0.01L;

}  // namespace

bool GLONASSSlotLamb(short sat, long double& lamb1, long double& lamb2) {
  const long row = GlonassSlot(sat) - 1L;
  if (row < 0 || row >= GLONASSc::lamb.r) return false;
  const long double g1 = GLONASSc::lamb(row, 0);
  const long double g2 = GLONASSc::lamb(row, 1);
  if (std::fabs(g1) <= kMinLamb || std::fabs(g2) <= kMinLamb) return false;
  lamb1 = g1;
  lamb2 = g2;
  return true;
}
