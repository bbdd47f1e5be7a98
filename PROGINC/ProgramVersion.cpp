// The version number comes from the build as QUINTAVELMOR_VERSION, defined
// for this file alone so that a new version recompiles nothing else.
#include "PROGINC/ProgramVersion.h"

const char* ProgramVersion() { return QUINTAVELMOR_VERSION; }

void WriteProgramVersion(std::FILE* out, const char* program) {
  std::fprintf(out, "%s %s\n", program, ProgramVersion());
}
