// One conversion of a base and a rover RINEX observation file into a
// single-difference file (and, if asked, the GLONASS channel file and the
// loss-of-lock list), with its report on standard error.
#ifndef RINEX_SDCONVERSION_H
#define RINEX_SDCONVERSION_H

#include "rinex/SdOptions.h"

// Runs the conversion; a fatal error is thrown as an InputFailure, with no
// earlier file replaced and no temporary file left behind once it has left
// this function (an output written straight through, to a device or a pipe,
// keeps what it was given).
void ConvertToSd(const SdOptions& options);

#endif
