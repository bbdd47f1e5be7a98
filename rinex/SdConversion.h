// One conversion of a base and a rover RINEX observation file into a
// single-difference file (and, if asked, the GLONASS channel file and the
// loss-of-lock list), with its report on standard error.
#ifndef RINEX_SDCONVERSION_H
#define RINEX_SDCONVERSION_H

#include "rinex/SdOptions.h"

// Runs the conversion; any fatal error ends the process with status 1 and
// leaves no output file behind.
void ConvertToSd(const SdOptions& options);

#endif
