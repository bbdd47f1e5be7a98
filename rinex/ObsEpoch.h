// One data epoch of a RINEX observation file as the reader hands it out:
// the time tag, the receiver clock offset and the observations of each
// satellite of the converted systems, in reused buffers.
#ifndef RINEX_OBSEPOCH_H
#define RINEX_OBSEPOCH_H

#include <cstddef>
#include <cstdint>
#include <vector>

// A satellite of the epoch; its values are those of its system's types, in
// header order, from `first` on in the epoch's value arrays.
struct SatObs {
  char system;   // G, R, E or C
  int number;    // PRN or slot
  size_t first;  // index of its first value
};

struct ObsEpoch {
  int64_t ticks = 0;      // time tag in 100 ns ticks (see RinexTime.h)
  long double clock = 0;  // receiver clock offset, seconds; 0 when not given
  int flag = 0;           // event flag: 0, or 1 after a power failure
  long lineNo = 0;        // the epoch line's number in its file
  std::vector<SatObs> sats;
  std::vector<int64_t> values;          // thousandths of the unit; 0 is missing
  std::vector<unsigned char> lli;       // loss-of-lock indicators, 0 when blank
  std::vector<unsigned char> strength;  // signal-strength indicators, 0 when blank
};

#endif
