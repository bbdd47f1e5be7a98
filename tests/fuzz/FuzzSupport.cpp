// Shared pieces of the fuzzing targets.
#include "tests/fuzz/FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "src/QuintavelmorRun.h"

// A folder of its own in memory (/dev/shm) where there is one, since every
// input is written there and read back twice; /tmp otherwise.
const std::string& ScratchFolder() {
  static const std::string folder = [] {
    for (const char* base : {"/dev/shm", "/tmp"}) {
      std::string pattern = std::string(base) + "/quintavelmor_fuzz_XXXXXX";
      if (mkdtemp(&pattern[0]) != nullptr) return pattern;
    }
    return std::string("/tmp");
  }();
  return folder;
}

std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
  std::string path = ScratchFolder() + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

std::string WriteScratchFile(const std::string& name, const std::string& text) {
  return WriteScratchFile(name, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

namespace {

// A stream buffer that accepts every character and keeps none.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

}  // namespace

void DiscardProgramOutput() {
  static NullBuffer sink;
  std::cout.rdbuf(&sink);
  std::cerr.rdbuf(&sink);
  if (std::freopen("/dev/null", "w", stdout) == nullptr) std::cerr << "no /dev/null\n";
}

const std::string& ChannelFile() {
  static const std::string path = [] {
    std::string text = "# slot  from                 to                    channel\n";
    for (int slot = 1; slot <= 24; slot++) {
      char line[80];
      std::snprintf(line, sizeof line,
                    "R%02d       2000 01 01 00 00 00.0                     %3d\n", slot,
                    slot % 14 - 7);
      text += line;
    }
    return WriteScratchFile("channels.txt", text);
  }();
  return path;
}

const std::string& SingleDifferenceFile() {
  static const std::string path = [] {
    std::ifstream seed(QUINTAVELMOR_FUZZ_SEED_FILE, std::ios::binary);
    std::stringstream text;
    text << seed.rdbuf();
    return WriteScratchFile("example.sd", text.str());
  }();
  return path;
}

void RunProgram(const std::vector<std::string>& arguments) {
  std::vector<const char*> vector;
  vector.reserve(arguments.size());
  for (const std::string& argument : arguments) vector.push_back(argument.c_str());
  SurviveFatal([&] { RunQuintavelmor(static_cast<int>(vector.size()), vector.data()); });
}
