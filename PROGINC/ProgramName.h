// The names of the programs as their messages, error frames and reports
// write them: the listing program and its companions.
#ifndef PROGINC_PROGRAMNAME_H
#define PROGINC_PROGRAMNAME_H

inline constexpr char kProgramName[] = "Quintavelmor";
inline constexpr char kReportProgramName[] = "Quintavelmor-report";
inline constexpr char kConverterName[] = "Quintavelmor-sd";
inline constexpr char kNetworkName[] = "Quintavelmor-net";

// Whom the loaders of the single-difference file and of the GLONASS channel
// file speak for: the program that frames their messages, and its option
// naming the channel file (in the hint for a compressed one).  The listing
// program, unless a companion that loads those files says otherwise.
struct LoaderVoice {
  const char* program = kProgramName;
  const char* channelOption = "-gf";
};

const LoaderVoice& Loader();
void SpeakForLoader(const LoaderVoice& voice);

#endif
