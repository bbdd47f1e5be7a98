// Program-level error and warning frames: the user-facing reporters.
#ifndef PROGINC_PROGRAMERROR_H
#define PROGINC_PROGRAMERROR_H

// Fatal: frame on standard error, then exit with status 1.
[[noreturn]] void ProgramError(const char* prog, const char* error);
// Fatal: the frame of ProgramError, then `hint`, the step that leads on, on a
// line of its own; exit with status 1.
[[noreturn]] void ProgramErrorWithHint(const char* prog, const char* error, const char* hint);
// Fatal: frame on standard output, then exit with status 1.
[[noreturn]] void ProgramErrorCout(const char* prog, const char* error);
// Warning frame on standard error; returns.
void ProgramWarning(const char* prog, const char* warn);
// Warning frame on standard output; returns.
void ProgramWarningCout(const char* prog, const char* warn);

// The frame of the value classes' own Error members (mjd, ymdhms, GPSws, flh):
// written to standard output, then exit with status 1.
[[noreturn]] void ClassError(const char* className, const char* err);

#endif
