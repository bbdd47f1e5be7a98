// The epoch records grouped by satellite (a counting sort over the satellite
// numbers, which keeps the file order within each satellite).
#include "GNSS/SatRecordIndex.h"

namespace {

// One group per satellite number the records can hold; the loader refuses
// any other number.
constexpr long nGroups = PhsDiffData::NSATNUMBERS;

// Records the epochs own, from the first: the sum of their counts, at most
// the number of records.  Records past that share, if the counts disagree,
// belong to no epoch.
long OwnedRecords(const PhsDiffData& data) {
  long owned = 0;
  for (long e = 0; e < data.neph; e++) owned += data.nsat(e);
  return owned < data.sat.r ? owned : data.sat.r;
}

}  // namespace

SatRecordIndex::SatRecordIndex(const PhsDiffData& data) : groupStart(nGroups + 1, 1, 0L) {
  const long nRecords = OwnedRecords(data);
  for (long k = 0; k < nRecords; k++)
    if (Indexed(data.sat(k))) groupStart(data.sat(k) + 1)++;
  for (long g = 1; g <= nGroups; g++) groupStart(g) += groupStart(g - 1);
  matrix<long> next = groupStart;
  record.Resize(groupStart(nGroups), 1);
  epochAt.Resize(groupStart(nGroups), 1);
  long k = 0;
  for (long e = 0; e < data.neph; e++) {
    for (long n = 0; n < data.nsat(e) && k < nRecords; n++, k++) {
      if (!Indexed(data.sat(k))) continue;
      const long p = next(data.sat(k))++;
      record(p) = k;
      epochAt(p) = e;
    }
  }
}
