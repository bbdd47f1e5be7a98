// The converter's reports, through the program's error and warning frames.
#include "rinex/ConverterError.h"

#include <cstring>

#include "PROGINC/ProgramError.h"
#include "rinex/TextInput.h"

namespace {

std::string AtLine(const TextInput& in, const std::string& what) {
  return in.name + ", line " + std::to_string(in.lineNo) + ": " + what;
}

}  // namespace

void InputError(const TextInput& in, const std::string& what) { ConverterError(AtLine(in, what)); }

void FileError(const std::string& file, const std::string& what) {
  ConverterError(file + ": " + what);
}

void FileSystemError(const std::string& file, const std::string& what, int error) {
  FileError(file, what + " (" + std::strerror(error) + ")");
}

void ConverterError(const std::string& what) { ProgramError(kConverterName, what.c_str()); }

void ConverterWarning(const std::string& what) { ProgramWarning(kConverterName, what.c_str()); }

void InputWarning(const TextInput& in, const std::string& what) {
  ConverterWarning(AtLine(in, what));
}
