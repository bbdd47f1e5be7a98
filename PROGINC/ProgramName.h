// The names of the programs as their messages, error frames and reports
// write them: the listing program and its companions.
#ifndef PROGINC_PROGRAMNAME_H
#define PROGINC_PROGRAMNAME_H

inline constexpr char kProgramName[] = "Quintavelmor";
inline constexpr char kReportProgramName[] = "Quintavelmor-report";
inline constexpr char kConverterName[] = "Quintavelmor-sd";
inline constexpr char kNetworkName[] = "Quintavelmor-net";

#endif
