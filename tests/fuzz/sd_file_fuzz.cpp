// Fuzzing target: a single-difference file through the program's whole run
// (two-pass loading, settings report, listing of every catalogue entry).
// The first input byte picks options; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/fuzz/FuzzSupport.h"

namespace {
const char* const kEveryCode =
    "-lC1:P1:P2:L1:L2:C2:S1:S2:D1:D2:C5:L5:C7:L7:C8:L8:L4:Pp4:Pc4:L3:Pc3:Pp3:WL:WLP:WLC:MW:MWp:"
    "MP1:MC1:MP2:CL1:PL1:PL2:PC1:PC2:";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DiscardProgramOutput();
  const std::uint8_t options = size > 0 ? data[0] : 0;
  const std::string file =
      WriteScratchFile("input.sd", size > 0 ? data + 1 : data, size > 0 ? size - 1 : 0);
  std::vector<std::string> arguments{"Quintavelmor", "-o" + file, "-cGREC", "-gf" + ChannelFile(),
                                     kEveryCode};
  if (options & 1) arguments.push_back("-ms");
  if (options & 2) arguments.push_back("-t30");
  if (options & 4) arguments.push_back("-uM");
  if (options & 8) arguments.erase(arguments.begin() + 4);  // the file's own types
  if (options & 16) arguments.push_back("-v");
  RunProgram(arguments);
  return 0;
}
