// The epoch records grouped by satellite: lets the listing and the screening
// visit the records of one satellite in file order without walking the whole
// file again.
#ifndef GNSS_SATRECORDINDEX_H
#define GNSS_SATRECORDINDEX_H

#include "GNSS/PhsDiffData.h"
#include "matrix/matrix.h"

class SatRecordIndex {
 public:
  explicit SatRecordIndex(const PhsDiffData& data);

  // Positions in `record` of the satellite's records: First(sat) to End(sat) - 1.
  // A number the records cannot hold has none.
  long First(short sat) const { return Indexed(sat) ? groupStart(sat) : 0; }
  long End(short sat) const { return Indexed(sat) ? groupStart(sat + 1) : 0; }

  matrix<long> record;      // record numbers, grouped by satellite, in file order within a group
  matrix<long> epochAt;     // epoch index of the record at each position of `record`
  matrix<long> groupStart;  // first position of each satellite's group, one group per number

 private:
  static bool Indexed(short sat) { return sat >= 0 && sat < PhsDiffData::NSATNUMBERS; }
};

#endif
