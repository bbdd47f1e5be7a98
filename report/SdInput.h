// The report's second input: a single-difference file, read whole, whose
// columns the report forms itself through the listing's own column code, at
// full precision, and hands to the consumers as rows, satellite by
// satellite, as a listing of the same columns would give them.
#ifndef REPORT_SDINPUT_H
#define REPORT_SDINPUT_H

#include <string>
#include <vector>

#include "report/ListingReader.h"

struct SdInputOptions {
  std::string file;
  std::string channelFile;  // GLONASS channels; without it GLONASS is left out
  std::string columns;      // list names ("L4:MW:MP1"); empty: the QC set of each system
};

// Whether the file's first line names a kind of differences (a listing's
// begins with "#" or a message).
bool IsSingleDifferenceFile(const std::string& path);

// The catalogue codes a column list names ("L4:MWp,MP2"; names or labels,
// separated by colons or commas); ends the program at a name it does not know.
std::vector<int> ColumnCodes(const std::string& list);

// Reads the file and hands its rows to the consumers.
void ReadSingleDifferences(const SdInputOptions& options,
                           const std::vector<ListingConsumer*>& consumers);

#endif
