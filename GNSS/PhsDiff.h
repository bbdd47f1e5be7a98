// PhsDiff: loads one single-difference file in two passes (count, then read)
// into the run's header and epoch-record objects, and writes it back.
#ifndef GNSS_PHSDIFF_H
#define GNSS_PHSDIFF_H

#include <ios>
#include <ostream>

#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffHeader.h"
#include "PROGINC/PassInput.h"

class PhsDiff {
 public:
  enum { SDFILE_SIZE = 256 };

  char sdfile[SDFILE_SIZE];  // path of the single-difference file
  PhsDiffHeader& rhead;
  PhsDiffData& rdata;
  int nepoch;       // epochs found by the first pass
  int nobsall;      // satellite lines found by the first pass
  PassInput input;  // the file, pass by pass
  // The first pass divides the records at the first epoch line that starts
  // at or after byte splitFrom, for the reading pass to read both parts at
  // once; negative (the default): at half of a file of kTwoPartsBytes or
  // more.  A file read from a copy (a pipe) is read in one part.
  std::streamoff splitFrom;
  RecordSplit split;  // where the first pass divided the records

  // Below this size a file is read in one part: a thread would cost more
  // than it saves.
  static constexpr std::streamoff kTwoPartsBytes = std::streamoff(1) << 20;

  PhsDiff(PhsDiffHeader& head, PhsDiffData& data);

  void SetFile(const char* name);
  void ReadFile();
  void CountRec();
  // Writes the loaded header and records in the file's own layout.
  void PrintFile();
  void PrintFile(std::ostream& out);
  void copyC2toP2();
};

#endif
