// The epoch records grouped by satellite (a counting sort over the satellite
// numbers, which keeps the file order within each satellite).
#include "src/SatRecordIndex.h"

namespace {

// One group per satellite number the records can hold; the loader refuses
// any other number.
constexpr long nGroups = PhsDiffData::NSATNUMBERS;

// Epoch of every record the epochs own; returns how many records that is.
// Records past the last epoch's share, if the counts disagree, belong to none.
long AssignEpochs(const PhsDiffData& data, matrix<long>& epochOf) {
  epochOf.Resize(data.sat.r, 1);
  long k = 0;
  for (long e = 0; e < data.neph; e++)
    for (long n = 0; n < data.nsat(e) && k < data.sat.r; n++) epochOf(k++) = e;
  return k;
}

}  // namespace

SatRecordIndex::SatRecordIndex(const PhsDiffData& data) : groupStart(nGroups + 1, 1, 0L) {
  const long nRecords = AssignEpochs(data, epochOf);
  for (long k = 0; k < nRecords; k++)
    if (Indexed(data.sat(k))) groupStart(data.sat(k) + 1)++;
  for (long g = 1; g <= nGroups; g++) groupStart(g) += groupStart(g - 1);
  matrix<long> next = groupStart;
  record.Resize(groupStart(nGroups), 1);
  for (long k = 0; k < nRecords; k++)
    if (Indexed(data.sat(k))) record(next(data.sat(k))++) = k;
}
