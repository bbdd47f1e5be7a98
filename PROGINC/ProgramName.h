// The names of the programs as their messages, error frames and reports
// write them: the listing program and its two companions.
#ifndef PROGINC_PROGRAMNAME_H
#define PROGINC_PROGRAMNAME_H

inline constexpr char kProgramName[] = "Quintavelmor";
inline constexpr char kReportProgramName[] = "Quintavelmor-report";
inline constexpr char kConverterName[] = "Quintavelmor-sd";

#endif
