// The single point where a fatal report ends the process.
#include "PROGINC/ProcessExit.h"

#include <cstdlib>

void EndProcess(int status) { std::exit(status); }
