// The fuzzing build's end of every fatal report: instead of ending the
// process, it unwinds back to the target, which counts the input as handled.
#include <iostream>

#include "PROGINC/ProcessExit.h"
#include "tests/fuzz/FuzzSupport.h"

void EndProcess(int status) {
  std::cout.flush();
  std::cerr.flush();
  throw FatalReport{status};
}
