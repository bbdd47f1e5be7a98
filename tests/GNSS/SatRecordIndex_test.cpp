// Tests of the grouping of epoch records by satellite.
#include "GNSS/SatRecordIndex.h"

#include <gtest/gtest.h>

#include <vector>

#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffHeader.h"

namespace {

// Epoch records holding only satellite numbers, epoch by epoch.
struct Records {
  PhsDiffHeader header;
  PhsDiffData data{header};

  explicit Records(const std::vector<std::vector<short>>& epochs) {
    long n = 0;
    for (const auto& e : epochs) n += static_cast<long>(e.size());
    data.neph = static_cast<int>(epochs.size());
    data.nobs = static_cast<int>(n);
    data.nsat.Resize(data.neph, 1);
    data.sat.Resize(n, 1);
    long k = 0;
    for (long e = 0; e < data.neph; e++) {
      data.nsat(e) = static_cast<short>(epochs[e].size());
      for (short s : epochs[e]) data.sat(k++) = s;
    }
  }
};

// (record, epoch) pairs of one satellite, in index order.
std::vector<std::pair<long, long>> Visit(const SatRecordIndex& index, short sat) {
  std::vector<std::pair<long, long>> seen;
  for (long p = index.First(sat); p < index.End(sat); p++)
    seen.emplace_back(index.record(p), index.epochAt(p));
  return seen;
}

using Visits = std::vector<std::pair<long, long>>;

TEST(SatRecordIndex, EachSatelliteInFileOrderWithItsEpochs) {
  Records r({{5, 103, 211}, {103, 5}, {211, 5, 5}});
  const SatRecordIndex index(r.data);
  EXPECT_EQ(Visit(index, 5), (Visits{{0, 0}, {4, 1}, {6, 2}, {7, 2}}));
  EXPECT_EQ(Visit(index, 103), (Visits{{1, 0}, {3, 1}}));
  EXPECT_EQ(Visit(index, 211), (Visits{{2, 0}, {5, 2}}));
  EXPECT_TRUE(Visit(index, 7).empty());
}

TEST(SatRecordIndex, ExtremeNumbersAndNoRecords) {
  Records r({{0, 699, -32768, 700, 32767}});
  const SatRecordIndex index(r.data);
  EXPECT_EQ(Visit(index, 0), (Visits{{0, 0}}));
  EXPECT_EQ(Visit(index, 699), (Visits{{1, 0}}));
  // Numbers the records cannot hold are not indexed.
  EXPECT_TRUE(Visit(index, -32768).empty());
  EXPECT_TRUE(Visit(index, 700).empty());
  EXPECT_TRUE(Visit(index, 32767).empty());

  Records none({});
  const SatRecordIndex empty(none.data);
  EXPECT_TRUE(Visit(empty, 1).empty());
}

TEST(SatRecordIndex, RecordsBeyondTheEpochCountsBelongToNoEpoch) {
  Records r({{1, 2}});
  r.data.nsat(0) = 1;  // the epoch owns only the first record
  const SatRecordIndex index(r.data);
  EXPECT_EQ(Visit(index, 1), (Visits{{0, 0}}));
  EXPECT_TRUE(Visit(index, 2).empty());
}

}  // namespace
