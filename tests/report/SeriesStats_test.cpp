// Tests of the streaming statistics: moments, arcs, RMS about arc means and
// the screened columns' slips, against values worked out by hand.
#include "report/SeriesStats.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Every arc, however short, gives its RMS unless a minimum is asked for.
SeriesStats Stats(const char* label, double minArcValues = 1) {
  SlipSettings settings;
  settings.minArcValues = minArcValues;
  return SeriesStats(ClassifyColumn(label, "CYCLE"), settings);
}

// Feeds values at a 30-second spacing (a gap limit of 60 s); NAN marks an
// absent value.
void Feed(SeriesStats& stats, std::initializer_list<double> values, double start = 0) {
  double time = start;
  for (double value : values) {
    if (std::isnan(value))
      stats.AddAbsent();
    else
      stats.AddPresent(time, value, 60, std::to_string(static_cast<long>(time)));
    time += 30;
  }
}

TEST(SeriesStatistics, CountsMeanDeviationAndExtremes) {
  SeriesStats stats = Stats("C1");
  Feed(stats, {2, 4, NAN, 4, 4, 5, 5, 7, 9});
  EXPECT_EQ(stats.Present(), 8);
  EXPECT_EQ(stats.Absent(), 1);
  EXPECT_DOUBLE_EQ(stats.Mean(), 5.0);
  EXPECT_NEAR(stats.StandardDeviation(), std::sqrt(32.0 / 7.0), 1e-12);
  EXPECT_EQ(stats.Min(), 2);
  EXPECT_EQ(stats.Max(), 9);
}

TEST(SeriesStatistics, ArcRmsRemovesEachArcsMean) {
  // Arc 1: 1.0, 1.8, 1.2; a 90-second gap opens arc 2: 10.0, 10.4.
  SeriesStats stats = Stats("MP1[C]");
  stats.AddPresent(0, 1.0, 60, "a");
  stats.AddPresent(30, 1.8, 60, "b");
  stats.AddPresent(60, 1.2, 60, "c");
  stats.AddPresent(150, 10.0, 60, "d");
  stats.AddPresent(180, 10.4, 60, "e");
  EXPECT_EQ(stats.Arcs(), 2);
  // Arc 1 squares: (1-1.333)^2 + (1.8-1.333)^2 + (1.2-1.333)^2 = 0.3467; arc 2: 0.08.
  EXPECT_NEAR(stats.ArcRms(), std::sqrt((0.34666666666666668 + 0.08) / 5), 1e-12);
}

TEST(SeriesStatistics, ArcsBreakAtGivenSlipsNotAtMetreSteps) {
  // Code noise of 2 m between epochs keeps the arc; a slip found elsewhere breaks it.
  SeriesStats steps = Stats("C1-L1");
  Feed(steps, {5.0, 7.0, 5.0, 7.0});
  EXPECT_EQ(steps.Arcs(), 1);
  SeriesStats broken = Stats("C1-L1");
  broken.AddPresent(0, 5.0, 60, "a");
  broken.AddPresent(30, 5.2, 60, "b");
  broken.AddPresent(60, 7.0, 60, "c", {}, true);
  broken.AddPresent(90, 7.2, 60, "d");
  EXPECT_EQ(broken.Arcs(), 2);
  EXPECT_EQ(broken.Slips(), 0);
  EXPECT_NEAR(broken.ArcRms(), std::sqrt(0.04 / 4), 1e-12);  // 0.02 in each arc
}

TEST(SeriesStatistics, ArcsShorterThanTheMinimumGiveNoRms) {
  struct Case {
    double minimum;
    bool hasRms;
    double rms;  // of the arcs long enough
  };
  // Arc 1: 1, 3 (squares 2); a gap; arc 2: 10, 12, 14 (squares 8).
  const Case cases[] = {
      {1, true, std::sqrt(10.0 / 5)}, {3, true, std::sqrt(8.0 / 3)}, {4, false, 0}};
  for (const Case& c : cases) {
    SeriesStats stats = Stats("MP2", c.minimum);
    Feed(stats, {1, 3, NAN, NAN, 10, 12, 14});
    EXPECT_EQ(stats.Arcs(), 2) << c.minimum;
    EXPECT_EQ(stats.HasArcRms(), c.hasRms) << c.minimum;
    if (c.hasRms) {
      EXPECT_NEAR(stats.ArcRms(), c.rms, 1e-12) << c.minimum;
    }
  }
}

TEST(SeriesStatistics, ScreenedColumnsCountSlipsAndOutliersAndKeepTheirEpochs) {
  SeriesStats stats = Stats("L4");
  // A drift of 0.01 m per epoch; a spike at 120 s, a slip of 0.19 m at 240 s.
  Feed(stats, {0.00, 0.01, 0.02, 0.03, 0.54, 0.05, 0.06, 0.07, 0.27, 0.28, 0.29});
  EXPECT_EQ(stats.Slips(), 1);
  EXPECT_EQ(stats.Outliers(), 1);
  ASSERT_EQ(stats.Events().size(), 2u);
  EXPECT_EQ(stats.Events()[0].epoch, "120");
  EXPECT_EQ(stats.Events()[1].epoch, "240");
  EXPECT_EQ(stats.Events()[1].arc, 1);  // the slip opens the second arc
  EXPECT_EQ(stats.Arcs(), 2);
}

TEST(SeriesStatistics, ArcsDoNotContinueAcrossBlocks) {
  SeriesStats stats = Stats("MW[C]");
  Feed(stats, {3.0, 3.1});
  stats.EndBlock();
  Feed(stats, {9.0, 9.1}, 60);
  EXPECT_EQ(stats.Slips(), 0);
  EXPECT_EQ(stats.Arcs(), 2);
}

TEST(SeriesStatistics, MergingGivesTheMomentsOfAllValues) {
  SeriesStats first = Stats("C1"), second = Stats("C1"), all = Stats("C1");
  Feed(first, {1, 2, 3});
  Feed(second, {10, 20});
  Feed(all, {1, 2, 3, 10, 20});
  first.Merge(second);
  EXPECT_EQ(first.Present(), 5);
  EXPECT_NEAR(first.Mean(), all.Mean(), 1e-12);
  EXPECT_NEAR(first.StandardDeviation(), all.StandardDeviation(), 1e-12);
  EXPECT_EQ(first.Min(), 1);
  EXPECT_EQ(first.Max(), 20);
}

TEST(ColumnKinds, UnitsFollowTheColumnAndThePhaseUnit) {
  EXPECT_EQ(ClassifyColumn("L1", "CYCLE").unit, "cycles");
  EXPECT_EQ(ClassifyColumn("L7", "METER").unit, "m");
  EXPECT_EQ(ClassifyColumn("L4", "CYCLE").unit, "m");
  EXPECT_EQ(ClassifyColumn("D2", "CYCLE").unit, "Hz");
  EXPECT_TRUE(ClassifyColumn("D1", "CYCLE").zeroIsAbsent);
  EXPECT_FALSE(ClassifyColumn("C1", "CYCLE").zeroIsAbsent);
  EXPECT_EQ(ClassifyColumn("MP2", "CYCLE").kind, SeriesKind::ArcRms);
  EXPECT_EQ(ClassifyColumn("WL[L]", "CYCLE").kind, SeriesKind::Plain);
  EXPECT_EQ(ClassifyColumn("L4", "CYCLE").model, SlipModel::Trend);
  EXPECT_EQ(ClassifyColumn("MW[P]", "CYCLE").model, SlipModel::Level);
  EXPECT_EQ(ClassifyColumn("P4[C]", "CYCLE").kind, SeriesKind::Plain);
}

}  // namespace
