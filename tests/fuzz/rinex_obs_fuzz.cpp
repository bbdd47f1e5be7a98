// Fuzzing target: a RINEX observation file in any form the converter reads.
// Its epochs are read on their own, then the file is converted as the rover
// of a fixed base (pairing, differences, channel file, loss-of-lock list)
// and read as a navigation file.  Reading stops after a bounded number of
// epochs, since a few bytes of compressed data may stand for gigabytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "rinex/GlonassChannels.h"
#include "rinex/ObsReader.h"
#include "rinex/SdConversion.h"
#include "rinex/TextInput.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {
const long kMaxEpochs = 2000;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DiscardProgramOutput();
  SurviveFailure([&] {
    std::unique_ptr<TextInput> in = OpenTextInputInMemory(
        "rover.obs", std::string_view(reinterpret_cast<const char*>(data), size));
    const ObsHeader head = ReadObsHeader(*in);
    ObsReader reader(*in, head);
    ObsEpoch epoch;
    for (long epochs = 0; epochs < kMaxEpochs && reader.Next(epoch); epochs++) {
    }
  });
  if (size > 256 * 1024) return 0;  // the conversion reads the whole file
  const std::string rover = WriteScratchFile("rover.obs", data, size);
  SurviveFailure([&] {
    SdOptions options;
    options.base = QUINTAVELMOR_FUZZ_RINEX_BASE;
    options.rover = rover;
    options.output = ScratchFolder() + "/pair.sd";
    options.channels = ScratchFolder() + "/pair_glonass.txt";
    options.lliList = ScratchFolder() + "/pair_lli.txt";
    ConvertToSd(options);
  });
  SurviveFailure([&] {
    GlonassChannels channels;
    channels.ReadNavigation(rover);
  });
  return 0;
}
