// Replays a fuzzing target's regression inputs (and its seeds) in the ordinary
// build: every input must end the run normally or with a fatal report
// (status 0 or 1), never with a signal or a sanitizer report.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool EndedNormallyOrFatally(int status) {
  return WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 1);
}

std::vector<std::filesystem::path> Inputs() {
  std::vector<std::filesystem::path> inputs;
  for (const char* folder : {FUZZ_REGRESSION_DIR, FUZZ_CORPUS_DIR}) {
    if (!std::filesystem::is_directory(folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  return inputs;
}

TEST(FuzzReplay, EveryKeptInputIsHandled) {
  const std::vector<std::filesystem::path> inputs = Inputs();
  EXPECT_FALSE(inputs.empty()) << "no seeds in " << FUZZ_CORPUS_DIR;
  for (const std::filesystem::path& input : inputs) {
    SCOPED_TRACE(input.string());
    std::ifstream file(input, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    EXPECT_EXIT(
        {
          LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
          std::exit(0);
        },
        EndedNormallyOrFatally, "");
  }
}

}  // namespace
