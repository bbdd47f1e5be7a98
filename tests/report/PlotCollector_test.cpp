// Tests of the plots' series: arcs drawn less their means, broken at gaps and
// at new arcs, and line styles that stay apart.
#include "report/PlotCollector.h"

#include <gtest/gtest.h>

#include <set>

#include "report/SvgPlot.h"

namespace {

TEST(PlotSeries, EachArcIsDrawnLessItsMeanAndBreaksAtGapsAndNewArcs) {
  PlotCollector plots;
  ListingSettings settings;  // no window: one-minute buckets
  ListingColumns columns;
  columns.labels = {"L4"};
  plots.Begin(settings, columns);
  ListingRow row;
  plots.Row(row, RowTime{0, 60});  // a gap limit of 60 s
  // Arc 0: 10, 12 at 0 and 60 s; arc 1 from 120 s: 20, 22; a gap of 180 s: 24.
  const double values[][3] = {{0, 0, 10}, {0, 60, 12}, {1, 120, 20}, {1, 180, 22}, {1, 360, 24}};
  for (const auto& v : values) plots.ArcValue(0, 0, static_cast<long>(v[0]), v[1], v[2]);

  ASSERT_EQ(plots.Arcs(0, 0).size(), 2u);
  EXPECT_DOUBLE_EQ(plots.Arcs(0, 0)[0].Mean(), 11);
  EXPECT_DOUBLE_EQ(plots.Arcs(0, 0)[1].Mean(), 22);
  EXPECT_EQ(plots.Arcs(0, 0)[1].firstSeconds, 120);
  const PlotSegments segments = plots.Segments(0, 0);
  ASSERT_EQ(segments.size(), 3u);
  EXPECT_EQ(segments[0].size(), 2u);
  EXPECT_DOUBLE_EQ(segments[0][0].value, -1);
  EXPECT_DOUBLE_EQ(segments[1][1].value, 0);
  EXPECT_DOUBLE_EQ(segments[2][0].value, 2);
  EXPECT_TRUE(plots.Segments(5, 0).empty());  // a satellite without values
}

TEST(PlotSeries, ValuesBelowTheMaskAreDrawnLessTheMeanOfTheirStretch) {
  PlotCollector plots;
  ListingColumns columns;
  columns.labels = {"MP1[C]"};
  plots.Begin(ListingSettings(), columns);
  ListingRow row;
  plots.Row(row, RowTime{0, 60});
  // A stretch of 5 and 7, then after a gap of 240 s one of 100 and 104.
  for (const auto& v : {std::pair{0.0, 5.0}, {60.0, 7.0}, {300.0, 100.0}, {360.0, 104.0}})
    plots.MaskedValue(0, 0, v.first, v.second);
  const PlotSegments segments = plots.MaskedSegments(0, 0);
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_DOUBLE_EQ(segments[0][0].value, -1);
  EXPECT_DOUBLE_EQ(segments[1][1].value, 2);
  EXPECT_TRUE(plots.Segments(0, 0).empty());  // no arc takes them
}

TEST(PlotSeries, EightySatellitesGetStylesOfTheirOwn) {
  std::set<std::pair<std::string, std::string>> styles;
  for (std::size_t i = 0; i < 80; i++) {
    const LineStyle style = SatelliteStyle(i);
    styles.insert({style.colour, style.dash});
  }
  EXPECT_EQ(styles.size(), 80u);
}

}  // namespace
