// Safe look-up of a GLONASS slot's wavelengths.
#include "GNSS/GLONASSSlot.h"

#include <cmath>

#include "GNSS/mGNSSc.h"

namespace {

// Smallest wavelength taken as set: every real carrier is far above it.
const long double kMinLamb = 0.01L;

}  // namespace

bool GLONASSSlotLamb(short sat, long double& lamb1, long double& lamb2) {
  const long row = sat - 101L;
  if (row < 0 || row >= GLONASSc::lamb.r) return false;
  lamb1 = GLONASSc::lamb(row, 0);
  lamb2 = GLONASSc::lamb(row, 1);
  return std::fabs(lamb1) > kMinLamb && std::fabs(lamb2) > kMinLamb;
}
