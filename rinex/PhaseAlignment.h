// What the phases of two files carry differently besides the signal: the
// quarter-cycle shifts between phases of one band tracked on different
// signal components, and the GLONASS code-phase biases.
#ifndef RINEX_PHASEALIGNMENT_H
#define RINEX_PHASEALIGNMENT_H

#include <string>
#include <vector>

#include "rinex/ObsHeader.h"

// The shift of a phase against its band's reference signal as the file
// holds it, in quarter cycles: 0 where the file's phases are aligned,
// otherwise the shift of the code's tracking.  RINEX 2 types, which name
// no tracking, and codes of no known shift count as the reference.
int PhaseShiftQuarters(const ObsHeader& head, char system, const ObsCode& code);

// One text per GLONASS code whose code-phase bias both headers give with
// different values: "C1C base -71.940 m, rover 0.000 m".
std::vector<std::string> GlonassBiasDifferences(const ObsHeader& base, const ObsHeader& rover);

#endif
