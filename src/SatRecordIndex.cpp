// The epoch records grouped by satellite (a counting sort over the satellite
// numbers, which keeps the file order within each satellite).
#include "src/SatRecordIndex.h"

#include <limits>

namespace {

constexpr long nGroups = 1L + std::numeric_limits<short>::max() - std::numeric_limits<short>::min();

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

long SatRecordIndex::Group(short sat) { return static_cast<long>(sat) - std::numeric_limits<short>::min(); }

SatRecordIndex::SatRecordIndex(const PhsDiffData& data) : groupStart(nGroups + 1, 1, 0L) {
  const long nRecords = AssignEpochs(data, epochOf);
  for (long k = 0; k < nRecords; k++) groupStart(Group(data.sat(k)) + 1)++;
  for (long g = 1; g <= nGroups; g++) groupStart(g) += groupStart(g - 1);
  matrix<long> next = groupStart;
  record.Resize(nRecords, 1);
  for (long k = 0; k < nRecords; k++) record(next(Group(data.sat(k)))++) = k;
}
