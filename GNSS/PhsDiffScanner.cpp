// The line walk through the epoch records of a single-difference file.
#include "GNSS/PhsDiffScanner.h"

#include <climits>
#include <cstdio>

#include "PROGINC/NumField.h"
#include "PROGINC/ProgramError.h"

namespace {

bool IsBlankLine(const char* line, size_t length) {
  for (size_t k = 0; k < length; k++)
    if (line[k] != ' ' && line[k] != '\t' && line[k] != '\r') return false;
  return true;
}

}  // namespace

void SDFileLineError(long lineNo, const char* what) {
  char message[160];
  std::snprintf(message, sizeof message, "SINGLE DIFFERENCES FILE, LINE %ld: %s!", lineNo, what);
  ProgramError("Quintavelmor", message);
}

PhsDiffScanner::PhsDiffScanner(std::istream& in, long headerLines)
    : lines(in, headerLines), count_(0) {}

bool PhsDiffScanner::NextEpoch() {
  count_ = 0;
  do {
    if (!lines.Next()) return false;
  } while (IsBlankLine(lines.line, lines.length));
  const char* p = lines.line;
  long count = 0;
  if (!ScanInt(p, lines.line + lines.length, count))
    SDFileLineError(lines.lineNo, "EPOCH LINE CAN NOT BE READ");
  if (count < 0 || count > SHRT_MAX)
    SDFileLineError(lines.lineNo, "NUMBER OF SATELLITES NOT VALID");
  count_ = count;
  return true;
}

bool PhsDiffScanner::NextSatellite() {
  if (!lines.Next()) return false;
  if (IsBlankLine(lines.line, lines.length))
    SDFileLineError(lines.lineNo, "SATELLITE LINE EXPECTED");
  return true;
}
