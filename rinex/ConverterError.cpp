// The converter's reports: failures thrown, warnings through the program's
// warning frame.
#include "rinex/ConverterError.h"

#include <cstring>

#include "PROGINC/ProgramError.h"
#include "rinex/TextInput.h"

void InputError(const TextInput& in, const std::string& what) {
  throw InputFailure(in.name, in.lineNo, what);
}

void FileError(const std::string& file, const std::string& what) { throw InputFailure(file, what); }

void FileSystemError(const std::string& file, const std::string& what, int error) {
  FileError(file, what + " (" + std::strerror(error) + ")");
}

void ConverterError(const std::string& what) { throw InputFailure(what); }

void ConverterWarning(const std::string& what) { ProgramWarning(kConverterName, what.c_str()); }

void InputWarning(const TextInput& in, const std::string& what) {
  ConverterWarning(AtLine(in.name, in.lineNo, what));
}
