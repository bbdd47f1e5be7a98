// Fuzzing target: a GLONASS frequency-channel file, read and then asked for
// the channel of every slot at a few epochs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "GNSS/GLNSat.h"
#include "GNSS/mjd.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DiscardProgramOutput();
  const std::string file = WriteScratchFile("channels.in", data, size);
  SurviveFatal([&] {
    GLNSat channels;
    channels.SetFile(file.c_str());
    channels.ReadFile();
    const mjd epochs[] = {mjd(44244, 0.0L), mjd(57817, 22028.5L), mjd(88068, 86399.0L)};
    for (const mjd& epoch : epochs) {
      for (short satellite = 99; satellite <= 133; satellite++) {
        mjd t = epoch;
        channels.GetFreqNum(satellite, t);
      }
    }
  });
  return 0;
}
