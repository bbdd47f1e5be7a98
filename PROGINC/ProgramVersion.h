// The version of the project's programs: one number for all of them, set by
// the build (the project's version in CMakeLists.txt).
#ifndef PROGINC_PROGRAMVERSION_H
#define PROGINC_PROGRAMVERSION_H

#include <cstdio>

// The version number, for example "1.0.0".
const char* ProgramVersion();
// The answer to "--version": the program's name, a blank, the version number
// and a line feed, written to `out`.
void WriteProgramVersion(std::FILE* out, const char* program);

#endif
