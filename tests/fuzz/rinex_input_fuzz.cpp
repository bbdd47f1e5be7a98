// Fuzzing target: an input file of the converter in any form (plain, gzip,
// compress, compact RINEX, nested), read line by line from memory.  Reading
// stops after a bounded amount of text, since a few bytes of compressed data
// may stand for gigabytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "rinex/TextInput.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {
const long kMaxLines = 20000;
const size_t kMaxCharacters = size_t(4) << 20;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DiscardProgramOutput();
  SurviveFailure([&] {
    std::unique_ptr<TextInput> in =
        OpenTextInputInMemory("input", std::string_view(reinterpret_cast<const char*>(data), size));
    size_t characters = 0;
    for (long lines = 0; lines < kMaxLines && characters < kMaxCharacters && in->Next(); lines++)
      characters += in->line.size();
  });
  return 0;
}
