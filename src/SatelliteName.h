// The number within the system of a satellite's name (G05, R03, E11), as the
// settings report and the listing write it after the system letter.
#ifndef SRC_SATELLITENAME_H
#define SRC_SATELLITENAME_H

#include <ostream>

// Writes the number within the system in two digits with a leading zero and
// leaves the stream's fill character a blank.  The settings report passes
// the number signed, the listing as unsigned 16 bits.
void WriteSatNumber(std::ostream& out, long number);

#endif
