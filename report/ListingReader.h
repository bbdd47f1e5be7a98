// Reads a listing from a stream in large blocks and hands its settings, its
// rows and the ends of its satellite blocks to the consumers, in file order.
// A line that does not fit the layout ends the program with its line number.
#ifndef REPORT_LISTINGREADER_H
#define REPORT_LISTINGREADER_H

#include <cstdio>
#include <vector>

#include "report/ListingFormat.h"

// Where a row sits in time, as the reader works it out.
struct RowTime {
  double seconds = 0;   // since midnight of the window's first day
  double gapLimit = 0;  // a longer step between two rows of a satellite breaks an arc
};

class ListingConsumer {
 public:
  virtual ~ListingConsumer() = default;
  // After the title line: what the settings said and the columns.
  virtual void Begin(const ListingSettings& settings, const ListingColumns& columns) = 0;
  virtual void Row(const ListingRow& row, const RowTime& time) = 0;
  // An empty line: the end of a satellite's block.
  virtual void EndOfBlock() = 0;
  virtual void Finish() = 0;
};

// Reads the whole listing from `input`.
void ReadListing(std::FILE* input, const std::vector<ListingConsumer*>& consumers);

#endif
