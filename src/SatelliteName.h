// Names of satellite numbers: the system letter and the number within the
// system, as the settings report and the listing write them (G05, R03, E11).
#ifndef SRC_SATELLITENAME_H
#define SRC_SATELLITENAME_H

#include <ostream>

// System letter of a satellite number: G up to 99, R 100-199, E 200-299,
// C 300-399, S 400-499; 0 for numbers above 499, which have no system.
char SatLetter(short sat);

// The number within the system: the satellite number less its system's base.
short SatNumberInSystem(short sat);

// Writes the number within the system in two digits with a leading zero and
// leaves the stream's fill character a blank.  The settings report passes
// the number signed, the listing as unsigned 16 bits.
void WriteSatNumber(std::ostream& out, long number);

#endif
