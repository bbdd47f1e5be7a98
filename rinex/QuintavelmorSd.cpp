// Quintavelmor-sd: single-difference and GLONASS channel files from the
// RINEX observation files of a base and a rover receiver.
#include <csignal>
#include <iostream>

#include "PROGINC/OutputCheck.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "PROGINC/ProgramVersion.h"
#include "rinex/InputFailure.h"
#include "rinex/SdConversion.h"
#include "rinex/SdOptions.h"

namespace {

int Run(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << SdHelpText();
    return 1;
  }
  const SdOptions options = ParseSdOptions(argc, argv);
  if (options.help) {
    std::cout << SdHelpText();
    CheckOutput(std::cout, kConverterName, kStandardOutput);
    return 0;
  }
  if (options.version) {
    WriteProgramVersion(stdout, kConverterName);
    CheckOutput(stdout, kConverterName, kStandardOutput);
    return 0;
  }
  ConvertToSd(options);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // A file-size limit then fails the write that passes it (EFBIG), and the
  // run ends with a message saying so, instead of being killed silently.
  std::signal(SIGXFSZ, SIG_IGN);
  // A failure unwinds the run first, so the outputs not yet published are
  // removed before the report.
  try {
    return Run(argc, argv);
  } catch (const InputFailure& failure) {
    ProgramError(kConverterName, failure.what());
  }
}
