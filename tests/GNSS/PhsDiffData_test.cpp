#include "GNSS/PhsDiffData.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/fatal_output.h"
#include "tests/support/sd_text.h"

namespace {

const long kDay = 59479;

std::vector<short> List(const matrix<short>& m) {
  std::vector<short> values;
  for (long i = 0; i < m.NRow(); i++) values.push_back(m(i));
  return values;
}

// A file of GPS/GLONASS records with only C1: `glonass` of `total` records
// are GLONASS, ten records per epoch.
std::string MixedFile(int total, int glonass) {
  std::string text = HeaderText(1, " C1");
  for (int e = 0; e < total / 10; e++) {
    text += EpochLine(10, kDay, 30.0 * e);
    for (int k = 0; k < 10; k++) {
      const int record = e * 10 + k;
      text += SatLine(record < glonass ? 101 + k : 1 + k, {20000000.0 + record});
    }
  }
  return text;
}

TEST(PhsDiffDataState, SetDataSizesOnlyTheListedKeptTypes) {
  PhsDiffHeader head;
  head.ParseObsTypes("# & TYPES OF OBS:  5  C1 S1 L1 D2 C6");
  PhsDiffData data(head);
  data.SetNRecords(2, 7);
  data.SetData();
  EXPECT_EQ(data.epoch.NRow(), 2);
  EXPECT_EQ(data.nsat.NRow(), 2);
  EXPECT_EQ(data.clkErR.NRow(), 2);
  EXPECT_EQ(data.sat.NRow(), 7);
  EXPECT_EQ(data.C1.NRow(), 7);
  EXPECT_EQ(data.L1.NRow(), 7);
  EXPECT_EQ(data.D2.NRow(), 7);
  EXPECT_EQ(data.L2.NRow(), 0);
  EXPECT_EQ(data.D1.NRow(), 0);
  EXPECT_TRUE(data.C1(6).IsNull());
}

TEST(PhsDiffDataRead, TypesNotKeptAreReadPast) {
  PhsDiffData::TypeSet kept;
  kept.set(PhsDiffHeader::L1).set(PhsDiffHeader::D1);
  LoadedFile f(HeaderText(4, " C1 S1 L1 D1") + EpochLine(2, kDay, 100.0) +
                   SatLine(5, {-116512.375, 44.0, -612275.113, -131.27}) +
                   SatLine(13, {-117924.519, kMissing, 7.5, 0.0}),
               kept);
  const PhsDiffData& d = f.data;
  EXPECT_TRUE(d.KeepsType(PhsDiffHeader::L1));
  EXPECT_FALSE(d.KeepsType(PhsDiffHeader::C1));
  EXPECT_FALSE(d.KeepsType(PhsDiffHeader::NOTYPE));
  EXPECT_EQ(d.C1.NRow(), 0);
  ASSERT_EQ(d.L1.NRow(), 2);
  EXPECT_DOUBLE_EQ(static_cast<double>(d.L1(0).GetObs()), -612275.113);
  EXPECT_DOUBLE_EQ(static_cast<double>(d.L1(1).GetObs()), 7.5);
  EXPECT_DOUBLE_EQ(static_cast<double>(d.D1(0).GetObs()), -131.27);
  EXPECT_EQ(List(d.sat), std::vector<short>({5, 13}));
}

TEST(PhsDiffDataRead, NoRecordsWithoutTheEndFlag) {
  PhsDiffHeader head;
  PhsDiffData data(head);
  head.interval = 7.0f;
  std::istringstream in(HeaderText(1, " C1", '0') + EpochLine(1, kDay, 0) + SatLine(1, {5.0}));
  in >> head >> data;
  EXPECT_EQ(data.GetNEpoch(), 0);
  EXPECT_EQ(data.epoch.NRow(), 0);
  EXPECT_EQ(data.C1.NRow(), 0);
  EXPECT_EQ(head.interval, 7.0f);
}

TEST(PhsDiffDataRead, ValuesGoToTheSeriesOfTheirColumn) {
  // S1 between C1 and L1 is read past; L1 comes from the third field.
  LoadedFile f(HeaderText(4, " C1 S1 L1 D1") + EpochLine(2, kDay, 100.0, 1.5, -2.25, 0.001) +
               SatLine(5, {-116512.375, 44.0, -612275.113, -131.27}) +
               SatLine(13, {-117924.519, kMissing, kMissing, 0.0}));
  PhsDiffData& d = f.data;
  ASSERT_EQ(d.GetNObs(), 2);
  EXPECT_EQ(List(d.sat), std::vector<short>({5, 13}));
  EXPECT_DOUBLE_EQ(static_cast<double>(d.C1(0).GetObs()), -116512.375);
  EXPECT_DOUBLE_EQ(static_cast<double>(d.L1(0).GetObs()), -612275.113);
  EXPECT_DOUBLE_EQ(static_cast<double>(d.D1(0).GetObs()), -131.27);
  EXPECT_EQ(d.C1(0).GetLli(), 0);
  EXPECT_EQ(d.C1(0).GetSs(), 0);
  EXPECT_EQ(d.L1(1).GetObs(), 0);  // "*.***"
  EXPECT_TRUE(d.L1(1).IsNull());
  EXPECT_TRUE(d.D1(1).IsNull());
  // Clock values are microseconds in the file.
  EXPECT_NEAR(static_cast<double>(d.dtR_B(0)), 1.5e-6, 1e-18);
  EXPECT_NEAR(static_cast<double>(d.clkErB(0)), -2.25e-6, 1e-18);
  EXPECT_NEAR(static_cast<double>(d.clkErR(0)), 1e-9, 1e-21);
  EXPECT_EQ(d.GetMJD(0).GetMJDay(), static_cast<unsigned long>(kDay));
  EXPECT_EQ(d.GetMJD(0).GetSecond(), 100.0L);
  EXPECT_EQ(d.nsat(0), 2);
}

TEST(PhsDiffDataRead, SatelliteListIsAscendingAndDistinct) {
  LoadedFile f(HeaderText(1, " C1") + EpochLine(3, kDay, 0) + SatLine(1, {1}) + SatLine(102, {1}) +
               SatLine(5, {1}) + EpochLine(2, kDay, 30) + SatLine(5, {1}) + SatLine(699, {1}));
  EXPECT_EQ(List(f.data.satList), std::vector<short>({1, 5, 102, 699}));
}

TEST(PhsDiffDataRead, IntervalIsTheSmallestSpacing) {
  struct Case {
    std::vector<double> seconds;
    float interval;
  } cases[] = {{{0, 30, 45}, 15.0f}, {{0, 30, 30, 60}, 0.0f},
               {{10, 11}, 1.0f},     {{86399, 86399.5}, 0.5f},
               {{0}, 0.0f},          {{}, 0.0f}};
  for (const Case& c : cases) {
    std::string text = HeaderText(1, " C1");
    for (double s : c.seconds) text += EpochLine(1, kDay, s) + SatLine(3, {1});
    LoadedFile f(text);
    EXPECT_EQ(f.head.GetInterval(), c.interval) << c.seconds.size();
    EXPECT_EQ(f.data.GetNEpoch(), static_cast<long>(c.seconds.size()));
  }
}

TEST(PhsDiffDataRead, IntervalAcrossMidnight) {
  LoadedFile f(HeaderText(1, " C1") + EpochLine(1, kDay, 86370) + SatLine(3, {1}) +
               EpochLine(1, kDay + 1, 0) + SatLine(3, {1}));
  EXPECT_EQ(f.head.interval, 30.0f);
}

TEST(PhsDiffDataRead, EpochEarlierThanItsPredecessorIsFatal) {
  const std::string text = HeaderText(1, " C1") + EpochLine(1, kDay, 30) + SatLine(3, {1}) +
                           EpochLine(1, kDay, 0) + SatLine(3, {1});
  ChildOutput output = RunExpectingExit([&] { LoadedFile f(text); });
  EXPECT_EQ(output.err,
            "\n**** Quintavelmor: Error -> PROBLEMS WITH CONSECUTIVE EPOCHS IN SINGLE DIFFERENCES "
            "FILE (eph(i) < eph(i-1)) ****\n     Exiting Quintavelmor ... \n\n");
}

TEST(PhsDiffDataRead, HigherDifferenceLevelsReadTheSameEpochLine) {
  for (const char* word : {"DOUBLE_DIFFERENCES", "TRIPLE_DIFFERENCES"}) {
    std::string text = HeaderText(1, " L1", '1', word);
    text.replace(text.find("LEVEL:  1"), 9, "LEVEL:  2");
    LoadedFile f(text + EpochLine(1, kDay, 15, 2.0) + SatLine(7, {3.5}));
    EXPECT_EQ(f.head.diffLevel, 2);
    EXPECT_EQ(f.data.GetMJD(0).GetSecond(), 15.0L);
    EXPECT_NEAR(static_cast<double>(f.data.dtR_B(0)), 2e-6, 1e-18);
    EXPECT_DOUBLE_EQ(static_cast<double>(f.data.L1(0).GetObs()), 3.5);
  }
}

TEST(PhsDiffDataSystems, TenPercentRule) {
  struct Case {
    int glonass;
    bool hasGlonass;
  } cases[] = {{10, false}, {11, true}, {0, false}, {100, true}};
  for (const Case& c : cases) {
    LoadedFile f(MixedFile(100, c.glonass));
    EXPECT_EQ(f.data.HasGLONASSObs(), c.hasGlonass) << c.glonass;
    EXPECT_EQ(f.data.HasGPSObs(), c.glonass < 90) << c.glonass;
    EXPECT_FALSE(f.data.HasGALILEOObs());
    EXPECT_FALSE(f.data.HasBDSObs());
  }
}

TEST(PhsDiffDataSystems, RangesOfEachSystem) {
  LoadedFile f(HeaderText(1, " C1") + EpochLine(4, kDay, 0) + SatLine(200, {1}) +
               SatLine(211, {1}) + SatLine(305, {1}) + SatLine(400, {1}));
  EXPECT_FALSE(f.data.HasGPSObs());
  EXPECT_FALSE(f.data.HasGLONASSObs());
  EXPECT_TRUE(f.data.HasGALILEOObs());
  EXPECT_TRUE(f.data.HasBDSObs());
}

TEST(PhsDiffDataSystems, EmptyFileHasNoSystem) {
  LoadedFile f(HeaderText(1, " C1"));
  EXPECT_FALSE(f.data.HasGPSObs());
  EXPECT_EQ(f.data.satList.NRow(), 0);
}

}  // namespace
