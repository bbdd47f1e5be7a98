// The converter's report on standard error: what was written, and what the
// single-difference file cannot show.
#ifndef RINEX_SDREPORT_H
#define RINEX_SDREPORT_H

#include <cstdint>

#include "rinex/EpochDifferencer.h"
#include "rinex/GlonassChannels.h"
#include "rinex/ObsReader.h"
#include "rinex/SdOptions.h"
#include "rinex/TypeMap.h"

// How the epochs of the two files paired.
struct PairingCounts {
  long common = 0;           // epochs of both files within the tolerance
  long written = 0;          // common epochs with at least one satellite written
  long baseOnly = 0;         // base epochs without a rover epoch
  long roverOnly = 0;        // rover epochs without a base epoch
  int64_t firstWritten = 0;  // time tags of the first and last written epoch
  int64_t lastWritten = 0;
};

// `channels` is null when no channel file was asked for.
void ReportConversion(const SdOptions& options, const TypeMap& map, const ObsReadCounts& base,
                      const ObsReadCounts& rover, const PairingCounts& pairing,
                      const EpochDifferencer& differences, const GlonassChannels* channels);

#endif
