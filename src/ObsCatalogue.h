// The observation catalogue: every code the listing can show, with the label it
// is reported under, the names the observation list accepts for it, and the
// observation types it is formed from, which decide whether a file can supply it.
#ifndef SRC_OBSCATALOGUE_H
#define SRC_OBSCATALOGUE_H

class PhsDiffHeader;

// For which constellations a code is formed, and from which inputs.
enum class ObsScope {
  AllSystems,  // the same inputs for every constellation; no selection needed
  PerSystem,   // GPS/GLONASS inputs with G or R selected, Galileo inputs with E
  GpsGlonass   // GPS and GLONASS only, with G or R selected
};

constexpr int kNumObsCodes = 45;      // codes 0 to 44
constexpr int kNumObsTypes = 26;      // codes 0 to 25 are the file's own types
constexpr int kMaxObsLabelSize = 7;   // longest label ("MP1[P]") and its terminator

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
};

// Whether a code is one of the file's own observation types.
inline bool IsObsType(int code) { return code >= 0 && code < kNumObsTypes; }

// The entry of a code, or null outside 0 to 44.
const ObsCatalogueEntry* FindObsEntry(int code);

// The code of a list name (exact, case-sensitive), or -1.
int FindObsCode(const char* name);

// The header's presence flag of observation type 0 to 25 (false for any other).
bool HeaderHasObsType(const PhsDiffHeader& header, int type);

// Whether a file with this header can supply the code, given the selected
// constellations (gpsOrGlonass: G or R selected; galileo: E selected).
bool IsObsAvailable(int code, const PhsDiffHeader& header, bool gpsOrGlonass, bool galileo);

#endif
