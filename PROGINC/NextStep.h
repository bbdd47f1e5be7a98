// The lines that follow an input error when the input belongs to another of
// the three programs: each names the program and the command that lead on.
#ifndef PROGINC_NEXTSTEP_H
#define PROGINC_NEXTSTEP_H

// A RINEX observation file given to the listing program.
inline constexpr char kRinexToConverter[] =
    "the file is RINEX: Quintavelmor-sd BASE ROVER -o FILE.sd makes a single-difference file "
    "from the RINEX files of a base and a rover";
// A compressed file given to the listing program, which may be either kind.
inline constexpr char kCompressedToConverter[] =
    "if it holds RINEX observations, Quintavelmor-sd BASE ROVER -o FILE.sd makes a "
    "single-difference file from them, compressed or not";
// A single-difference file given to the report on standard input, where it
// reads listings only.
inline constexpr char kDifferencesToListing[] =
    "the file is a single-difference file: give it by name (Quintavelmor-report FILE.sd) and "
    "the report forms its columns itself";

#endif
