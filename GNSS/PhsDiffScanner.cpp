// The line walk through the epoch records of a single-difference file.
#include "GNSS/PhsDiffScanner.h"

#include <climits>
#include <cstdio>

#include "PROGINC/NumField.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"

namespace {

bool IsBlankLine(const char* line, size_t length) {
  for (size_t k = 0; k < length; k++)
    if (line[k] != ' ' && line[k] != '\t' && line[k] != '\r') return false;
  return true;
}

}  // namespace

void SDFileLineError(const SDFileFault& fault) {
  char message[160];
  std::snprintf(message, sizeof message, "SINGLE DIFFERENCES FILE, LINE %ld: %s!", fault.lineNo,
                fault.what);
  ProgramError(Loader().program, message);
}

PhsDiffScanner::PhsDiffScanner(std::istream& in, long headerLines)
    : lines(in, headerLines), count_(0), cutLine_(0) {}

// A download or copy that stopped early leaves a last line without a line
// end.  An epoch line there announces satellites that never come; a
// satellite line there is whole only when it ends at a field boundary.
bool PhsDiffScanner::IsCut(bool satelliteLine) {
  if (lines.terminated) return false;
  const bool wholeFields =
      lines.length >= SAT_WIDTH && (lines.length - SAT_WIDTH) % VALUE_WIDTH == 0;
  if (satelliteLine && wholeFields) return false;
  cutLine_ = lines.lineNo;
  return true;
}

bool PhsDiffScanner::NextEpoch() {
  count_ = 0;
  do {
    if (!lines.Next()) return false;
  } while (IsBlankLine(lines.line, lines.length));
  if (IsCut(false)) return false;
  const char* p = lines.line;
  long count = 0;
  if (!ScanInt(p, lines.line + lines.length, count))
    throw SDFileFault{lines.lineNo, "EPOCH LINE CAN NOT BE READ"};
  if (count < 0 || count > SHRT_MAX)
    throw SDFileFault{lines.lineNo, "NUMBER OF SATELLITES NOT VALID"};
  count_ = count;
  return true;
}

bool PhsDiffScanner::NextSatellite() {
  if (!lines.Next()) return false;
  if (IsBlankLine(lines.line, lines.length))
    throw SDFileFault{lines.lineNo, "SATELLITE LINE EXPECTED"};
  return !IsCut(true);
}
