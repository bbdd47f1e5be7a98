// Fuzzing target: the inputs that can be read only once.  The bytes arrive on
// a pipe as standard input, which the program reads as "-o/dev/stdin" or,
// when the first byte asks, as "-gf/dev/stdin" beside a fixed
// single-difference file: read once into memory, then both passes over that
// copy, through the whole run.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/fuzz/FuzzSupport.h"

namespace {

// Room for the longest input the campaigns give (-max_len=65536); 1 MiB is
// the system's usual ceiling.
const int kPipeSize = 1 << 20;

// Puts the bytes on a pipe that becomes standard input.  The pipe holds them
// all, so no writer has to run beside the program; should the system refuse
// the size, the bytes beyond the pipe's room are left out.
void FeedStandardInput(const std::uint8_t* data, std::size_t size) {
  int ends[2];
  if (pipe(ends) != 0) std::abort();
  fcntl(ends[1], F_SETPIPE_SZ, kPipeSize);
  const long room = fcntl(ends[1], F_GETPIPE_SZ);
  std::size_t left = room > 0 && static_cast<std::size_t>(room) < size ? room : size;
  while (left > 0) {
    const ssize_t written = write(ends[1], data, left);
    if (written <= 0) std::abort();
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  close(ends[1]);
  if (dup2(ends[0], STDIN_FILENO) < 0) std::abort();
  close(ends[0]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DiscardProgramOutput();
  const std::uint8_t options = size > 0 ? data[0] : 0;
  FeedStandardInput(size > 0 ? data + 1 : data, size > 0 ? size - 1 : 0);
  std::vector<std::string> arguments{"Quintavelmor", "-cGREC", "-lC1:L1:L2:L4:MW:MP1:MP2:CL1:"};
  if (options & 1) {
    arguments.push_back("-o" + SingleDifferenceFile());
    arguments.push_back("-gf/dev/stdin");
  } else {
    arguments.push_back("-o/dev/stdin");
    arguments.push_back("-gf" + ChannelFile());
  }
  if (options & 2) arguments.push_back("-ms");
  if (options & 4) arguments.push_back("-t30");
  RunProgram(arguments);
  return 0;
}
