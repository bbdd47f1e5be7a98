// Program entry: one run of the fixed sequence over the command line's files.
#include "src/QuintavelmorRun.h"

int main(int argc, char** argv) { return RunQuintavelmor(argc, const_cast<const char**>(argv)); }
