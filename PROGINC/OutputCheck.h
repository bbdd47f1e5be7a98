// Checks of what a program writes: a write that failed ends the program and
// is never followed by a success message.
//
// A broken pipe (the reader went away, as "| head" does once it has its
// lines) ends the program quietly with status 1, the way a command-line
// filter stops; where SIGPIPE keeps its default action, the signal has
// ended the process already.  Any other failure (a full disk, a closed
// descriptor) is the fatal error "<what> CAN NOT BE WRITTEN (<reason>)".
#ifndef PROGINC_OUTPUTCHECK_H
#define PROGINC_OUTPUTCHECK_H

#include <cstdio>
#include <ostream>
#include <string>

// What the messages call a program's standard output.
constexpr char kStandardOutput[] = "STANDARD OUTPUT";

// Flushes `out` and ends the program of name `prog` as above when a write to
// it has failed.  Checked right after the writes, so that the failure's
// reason is still the last one the system gave.
void CheckOutput(std::ostream& out, const char* prog, const std::string& what);
void CheckOutput(std::FILE* out, const char* prog, const std::string& what);

// Ends the program for a write that failed with the system's `error` number.
[[noreturn]] void OutputFailed(const char* prog, const std::string& what, int error);

#endif
