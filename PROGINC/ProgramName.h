// The listing program's name, as its messages, error frames and settings
// report write it.
#ifndef PROGINC_PROGRAMNAME_H
#define PROGINC_PROGRAMNAME_H

inline constexpr char kProgramName[] = "Quintavelmor";

#endif
