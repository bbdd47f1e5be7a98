// Fuzzing target: the command line.  The input is split at line feeds into
// the argument vector; a valid single-difference file ("example.sd") and
// channel file ("channels.txt") wait in the working folder, so options can
// name them.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/fuzz/FuzzSupport.h"

namespace {

// The target runs inside the scratch folder, where the two files wait as
// "example.sd" and "channels.txt".
void EnterWorkingFolder() {
  static const bool entered = !SingleDifferenceFile().empty() && !ChannelFile().empty() &&
                              chdir(ScratchFolder().c_str()) == 0;
  (void)entered;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DiscardProgramOutput();
  EnterWorkingFolder();
  std::vector<std::string> arguments{"Quintavelmor"};
  std::string word;
  for (std::size_t i = 0; i < size; i++) {
    if (data[i] == '\n') {
      arguments.push_back(word);
      word.clear();
    } else {
      word += static_cast<char>(data[i]);
    }
  }
  if (!word.empty()) arguments.push_back(word);
  RunProgram(arguments);
  return 0;
}
