// The converter's reports, through the program's error and warning frames.
#include "rinex/ConverterError.h"

#include <cstring>

#include "PROGINC/ProgramError.h"
#include "rinex/TextInput.h"

void InputError(const TextInput& in, const std::string& what) {
  ConverterError(in.name + ", line " + std::to_string(in.lineNo) + ": " + what);
}

void FileError(const std::string& file, const std::string& what) {
  ConverterError(file + ": " + what);
}

void FileSystemError(const std::string& file, const std::string& what, int error) {
  FileError(file, what + " (" + std::strerror(error) + ")");
}

void ConverterError(const std::string& what) { ProgramError(kConverterName, what.c_str()); }

void ConverterWarning(const std::string& what) { ProgramWarning(kConverterName, what.c_str()); }
