// The observation catalogue: every code the listing can show, with the label it
// is reported under, the names the observation list accepts for it, and the
// observation types it is formed from, which decide whether a file can supply it.
#ifndef CATALOGUE_OBSCATALOGUE_H
#define CATALOGUE_OBSCATALOGUE_H

#include "GNSS/PhsDiffHeader.h"

// The catalogue's codes: 0 to 25 are the file's own observation types, with
// the numbers of the file header (PhsDiffHeader::C1 to PhsDiffHeader::S8);
// the linear combinations follow them.
struct ObsCombination {
  enum : short {
    LGEOMFREE = PhsDiffHeader::NTYPES,
    PPGEOMFREE,
    PCGEOMFREE,
    LIONFREE,
    PCIONFREE,
    PPIONFREE,
    WIDELANEL,
    WIDELANEP,
    WIDELANEC,
    MELWUBC,
    MELWUBP,
    MP1,
    MC1,
    MP2,
    C1L1,
    P1L1,
    P2L2,
    P1C1,
    P2C2,
    END  // one past the last code
  };
};

// For which constellations a code is formed, and from which inputs.
enum class ObsScope {
  AllSystems,  // the same inputs for every constellation; no selection needed
  PerSystem,   // GPS/GLONASS inputs with G or R selected, Galileo inputs with E
  GpsGlonass   // GPS and GLONASS only, with G or R selected
};

// How a code's value is formed from its inputs (in catalogue order).
enum class ObsFormula {
  Raw,                // the input itself (a phase times its unit factor)
  GeometryFreePhase,  // GNSS_L4
  GeometryFreeCode,   // GNSS_P4
  IonoFreePhase,      // GNSS_L3
  IonoFreeCode,       // GNSS_P3
  WideLanePhase,      // GNSS_L5
  WideLaneCode,       // GNSS_P5
  MelbourneWuebbena,  // GNSS_MW
  MultipathFirst,     // code - mp1Fact1 * phase 1 + mp1Fact2 * phase 2
  MultipathSecond,    // code - mp2Fact1 * phase 1 + mp2Fact2 * phase 2
  MinusPhase1,        // code - lamb1 * phase 1
  MinusPhase2,        // code - lamb2 * phase 2
  Difference          // first input - second input; needs no constants
};

// The unit of a code's listed values.
enum class ObsUnit {
  Metres,
  Phase,        // a raw phase: cycles, or metres with -uM
  Hertz,        // Doppler
  DecibelHertz  // signal strength
};

// How the report screens a code's series.  WL[L] and the code-minus-phase
// differences keep the receivers' clock jitter, so no series but L4 and MW
// is screened for slips.
enum class ObsScreening {
  None,          // statistics only
  ArcRms,        // RMS about each arc's mean (multipath, code minus phase)
  SlipsByTrend,  // slips and outliers against the series' trend (L4)
  SlipsByLevel   // slips and outliers against the series' level (MW)
};

constexpr int kNumObsCodes = ObsCombination::END;    // codes 0 to 44
constexpr int kNumObsTypes = PhsDiffHeader::NTYPES;  // codes 0 to 25 are the file's own types
constexpr int kMaxObsLabelSize = 7;                  // longest label ("MP1[P]") and its terminator

// Observation types (codes 0 to 25) a code is formed from.
struct ObsInputs {
  short count;
  short type[4];
};

struct ObsCatalogueEntry {
  short code;
  const char* label;     // as reported and titled
  const char* names[2];  // accepted list names; the second may be null
  ObsScope scope;
  ObsInputs gpsGlonass;  // inputs for GPS and GLONASS (for every system with AllSystems)
  ObsInputs galileo;     // inputs for Galileo (PerSystem only): E5b is the second frequency
  ObsFormula formula;
  ObsUnit unit;
  ObsScreening screening;
};

// Whether a code is one of the file's own observation types.
inline bool IsObsType(int code) { return code >= 0 && code < kNumObsTypes; }

// The entry of a code, or null outside 0 to 44.
const ObsCatalogueEntry* FindObsEntry(int code);

// The entry titled `label` (exact), or null.
const ObsCatalogueEntry* FindObsEntryByLabel(const char* label);

// The code of a list name (exact, case-sensitive), or -1.
int FindObsCode(const char* name);

// The header's presence flag of observation type 0 to 25 (false for any other).
bool HeaderHasObsType(const PhsDiffHeader& header, int type);

// Whether a file with this header can supply the code, given the selected
// constellations (gpsOrGlonass: G or R selected; galileo: E selected).
bool IsObsAvailable(int code, const PhsDiffHeader& header, bool gpsOrGlonass, bool galileo);

#endif
