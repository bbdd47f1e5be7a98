// Program entry: one run of the fixed sequence over the command line's files.
#include <new>

#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "src/QuintavelmorRun.h"

namespace {

// The series take their memory through the container, which reports a
// failed allocation in its own frame; any other allocation that finds no
// memory ends the run with a framed error as well, not with an abort.
void OutOfMemory() { ProgramError(kProgramName, "NOT ENOUGH MEMORY!"); }

}  // namespace

int main(int argc, char** argv) {
  std::set_new_handler(OutOfMemory);
  return RunQuintavelmor(argc, const_cast<const char**>(argv));
}
