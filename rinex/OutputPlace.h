// OutputPlace: where an output of the converter goes.  A regular file, or a
// name not taken yet, is replaced as a whole, and a symbolic link leads to
// the file it names, which is replaced while the link stays.  A device, a
// FIFO, or a file already open as the program's standard output or error is
// written straight through: replacing a device would put a regular file in
// its place, and replacing an open standard stream would write to a name
// the stream no longer has.
#ifndef RINEX_OUTPUTPLACE_H
#define RINEX_OUTPUTPLACE_H

#include <string>

struct OutputPlace {
  std::string replaced;  // the file a complete temporary file is renamed to
  int descriptor = -1;   // or, when not -1, the open descriptor written through
};

// The place of `target`, as the user named it; a directory, or a place that
// can not be opened, is a fatal error naming `target` and the reason.
OutputPlace FindOutputPlace(const std::string& target);

#endif
