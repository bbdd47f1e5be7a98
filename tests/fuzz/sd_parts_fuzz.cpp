// Fuzzing target: a single-difference file's records read in two parts at
// once, divided at the first epoch line at or after a byte that the first
// two input bytes choose, against the same file read in one part.  Both
// must give the same messages, the same fatal report and the same stored
// records; any difference aborts.  The rest of the input is the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "GNSS/PhsDiff.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffHeader.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/sd_dump.h"
#include "tests/support/stream_capture.h"

namespace {

// What loading the file at `path` gives: its messages, then the stored
// records or the status of its fatal report.
std::string Outcome(const std::string& path, std::streamoff splitFrom) {
  StreamCapture messages(std::cerr);
  std::string stored;
  try {
    PhsDiffHeader head;
    PhsDiffData data(head);
    PhsDiff loader(head, data);
    data.KeepTypes(PhsDiffData::TypeSet().set());
    loader.splitFrom = splitFrom;
    loader.SetFile(path.c_str());
    loader.ReadFile();
    stored = Dump(head, data);
  } catch (const FatalReport& report) {
    stored = "fatal report, status " + std::to_string(report.status);
  }
  return messages.str() + stored;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  DiscardProgramOutput();
  const std::size_t fileSize = size - 2;
  const std::string path = WriteScratchFile("parts.sd", data + 2, fileSize);
  const std::size_t share = data[0] | (static_cast<std::size_t>(data[1]) << 8);
  const auto splitFrom = static_cast<std::streamoff>(fileSize * share / 65536);
  if (Outcome(path, -1) != Outcome(path, splitFrom)) std::abort();
  return 0;
}
