// PhsDiffScanner: the walk through the epoch records of a single-difference
// file, line by line.  Both loading passes walk with it, so that the counting
// pass and the reading pass agree on every epoch and satellite line.
#ifndef GNSS_PHSDIFFSCANNER_H
#define GNSS_PHSDIFFSCANNER_H

#include <istream>

#include "PROGINC/LineReader.h"

// A line of the file that can not be read: its number and what is wrong with
// it, thrown by the scanner and the record reader.
struct SDFileFault {
  long lineNo;
  const char* what;
};

class PhsDiffScanner {
 public:
  // A satellite line: the number in SAT_WIDTH characters, then one field of
  // VALUE_WIDTH characters per header observation type.
  enum { SAT_WIDTH = 3, VALUE_WIDTH = 17 };

  // The stream stands on the line after the header's end line, which is
  // line `headerLines` of the file.
  PhsDiffScanner(std::istream& in, long headerLines);

  // Moves to the next epoch line; blank lines before it are skipped.  False
  // at the end of the input.  An epoch line whose satellite count cannot be
  // read, or is negative or too large, is an SDFileFault.
  bool NextEpoch();
  // Moves to the next satellite line of the current epoch; false when the
  // input ends before it.  A blank line in its place is an SDFileFault.
  bool NextSatellite();

  // Satellite lines that the current epoch line announces.
  long Count() const { return count_; }
  // The number of a last line that was cut off (no line end, and an epoch
  // line or a satellite line that stops inside a field) and is not read;
  // 0 when the file ends cleanly.
  long CutLine() const { return cutLine_; }

  LineReader lines;  // the current line and its number

 private:
  long count_;
  long cutLine_;

  bool IsCut(bool satelliteLine);
};

// Ends the program with the message of a fault in one line of the file.
[[noreturn]] void SDFileLineError(const SDFileFault& fault);

#endif
