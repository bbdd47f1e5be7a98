// The constants a satellite's values are formed with: its system's signal
// constants loaded into GLC, and the unit and multipath factors of its row.
// The listing and the report set satellites up through this one path.
#ifndef CATALOGUE_SATELLITEFACTORS_H
#define CATALOGUE_SATELLITEFACTORS_H

#include "GNSS/mjd.h"
#include "catalogue/ObsColumn.h"

class GLNSat;

// Loads the constants of satellite `sat` into GLC and `f`.  GLONASS
// wavelengths follow the slot's channel at `reference`.  Systems without
// constants (BeiDou and the others) load nothing: GLC and `f` keep what the
// satellite before left, and only values that need no constants are formed.
// Returns why a GLONASS satellite can not be set up, or null.
const char* LoadSatelliteFactors(short sat, GLNSat& channels, mjd& reference, RowFactors& f);

#endif
