// Program-level error and warning frames.
#include "PROGINC/ProgramError.h"

#include <iostream>

#include "PROGINC/ProcessExit.h"

namespace {

void WriteFrame(std::ostream& out, const char* prog, const char* text, const char* border,
                const char* kind, const char* action) {
  out << std::endl;
  out << border << " " << prog << ": " << kind << " -> " << text << " " << border << std::endl;
  out << "     " << action << " " << prog << " ... " << std::endl;
  out << std::endl;
}

}  // namespace

void ProgramError(const char* prog, const char* error) {
  WriteFrame(std::cerr, prog, error, "****", "Error", "Exiting");
  EndProcess(1);
}

void ProgramErrorWithHint(const char* prog, const char* error, const char* hint) {
  WriteFrame(std::cerr, prog, error, "****", "Error", "Exiting");
  std::cerr << prog << ": " << hint << std::endl;
  EndProcess(1);
}

void ProgramErrorCout(const char* prog, const char* error) {
  WriteFrame(std::cout, prog, error, "****", "Error", "Exiting");
  EndProcess(1);
}

void ProgramWarning(const char* prog, const char* warn) {
  WriteFrame(std::cerr, prog, warn, "####", "Warning", "Continuing");
}

void ProgramWarningCout(const char* prog, const char* warn) {
  WriteFrame(std::cout, prog, warn, "####", "Warning", "Continuing");
}

void ClassError(const char* className, const char* err) {
  std::cout << std::endl;
  std::cout << "**** " << className << ": Error -> " << err << " ****" << std::endl;
  std::cout << "     Exiting class " << className << " ... " << std::endl;
  EndProcess(1);
}
