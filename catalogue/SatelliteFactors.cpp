// Setting a satellite's constants and factors up.
#include "catalogue/SatelliteFactors.h"

#include "GNSS/GLNSat.h"
#include "GNSS/GNSSLinCombs.h"
#include "GNSS/SatNumber.h"
#include "GNSS/SystemConstants.h"
#include "GNSS/mGNSSc.h"

namespace {

// Loads a satellite's constants into GLC.  In metres the raw phases take the
// system's wavelengths; the factors of carriers it lacks keep their value.
void LoadConstants(RowFactors& f, const SystemConstants& constants) {
  LoadGLC(constants, kAllGlcGroups);
  if (!f.metres) return;
  f.unitL1 = constants.lamb1;
  f.unitL2 = constants.lamb2;
  if (constants.lamb5 != 0.0L) f.unitL5 = constants.lamb5;
  if (constants.lamb8 != 0.0L) f.unitL8 = constants.lamb8;
}

void SetMultipathFactors(RowFactors& f) {
  const long double alpha = GLC::alpha;
  f.mp1Fact1 = (1.0L + 2.0L / (alpha - 1.0L)) * GLC::lamb1;
  f.mp1Fact2 = (2.0L / (alpha - 1.0L)) * GLC::lamb2;
  f.mp2Fact1 = (2.0L * alpha / (alpha - 1.0L)) * GLC::lamb1;
  f.mp2Fact2 = (2.0L * alpha / (alpha - 1.0L) - 1.0L) * GLC::lamb2;
}

// GLONASS wavelengths follow the slot's channel at the reference epoch.
// Slots outside the tables, and satellites the channel file gives no channel
// at that epoch (channel 0 is a channel of its own), can not be set up.
const char* LoadGlonass(short sat, GLNSat& channels, mjd& reference, RowFactors& f) {
  const short slot = GlonassSlot(sat);
  if (slot < 1 || slot > GLONASSc::lamb.r) return "GLONASS SLOT OUTSIDE 1 TO 32";
  const long double channel = channels.GetFreqNum(sat, reference);
  if (!channels.GetIsGLNSat()) return "NO GLONASS FREQUENCY CHANNEL AT THE FIRST EPOCH";
  GLONASSc::SetFrequency(channel, slot - 1);
  LoadConstants(f, GlonassConstants(slot - 1));
  return nullptr;
}

}  // namespace

const char* LoadSatelliteFactors(short sat, GLNSat& channels, mjd& reference, RowFactors& f) {
  switch (SatLetter(sat)) {
    case 'G':
      LoadConstants(f, kGpsConstants);
      break;
    case 'R':
      if (const char* reason = LoadGlonass(sat, channels, reference, f)) return reason;
      break;
    case 'E':
      LoadConstants(f, kGalileoConstants);
      break;
    default:
      return nullptr;
  }
  SetMultipathFactors(f);
  return nullptr;
}
