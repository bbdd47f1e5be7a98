// Checks of what a program writes.
#include "PROGINC/OutputCheck.h"

#include <cerrno>
#include <cstring>

#include "PROGINC/ProcessExit.h"
#include "PROGINC/ProgramError.h"

void CheckOutput(std::ostream& out, const char* prog, const std::string& what) {
  out.flush();
  if (out.fail()) OutputFailed(prog, what, errno);
}

void CheckOutput(std::FILE* out, const char* prog, const std::string& what) {
  if (std::fflush(out) != 0 || std::ferror(out)) OutputFailed(prog, what, errno);
}

void OutputFailed(const char* prog, const std::string& what, int error) {
  if (error == EPIPE) EndProcess(1);
  std::string message = what + " CAN NOT BE WRITTEN";
  if (error != 0) message += std::string(" (") + std::strerror(error) + ")";
  ProgramError(prog, message.c_str());
}
