// The converter's fatal and warning reports: every message names the file it
// concerns and, where there is one, the line.  A fatal report is thrown as an
// InputFailure, which the program's main reports in its error frame (status
// 1); a warning is written at once and the run goes on.
#ifndef RINEX_CONVERTERERROR_H
#define RINEX_CONVERTERERROR_H

#include <string>

#include "PROGINC/ProgramName.h"
#include "rinex/InputFailure.h"

class TextInput;

// Fatal: "<file>, line <n>: <what>".
[[noreturn]] void InputError(const TextInput& in, const std::string& what);
// Fatal about a file as a whole: "<file>: <what>".
[[noreturn]] void FileError(const std::string& file, const std::string& what);
// Fatal about a file that the system refused: "<file>: <what> (<the
// system's reason for error number `error`>)".
[[noreturn]] void FileSystemError(const std::string& file, const std::string& what, int error);
// Fatal without a file.
[[noreturn]] void ConverterError(const std::string& what);
// Warning frame; the run goes on.
void ConverterWarning(const std::string& what);
// Warning about the current line of an input: "<file>, line <n>: <what>".
void InputWarning(const TextInput& in, const std::string& what);

#endif
