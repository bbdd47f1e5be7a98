// Tests of the plots' markers: a slip or outlier beyond the drawn range is
// drawn at the edge and says so, with its value, in its hover text.
#include "report/SvgPlot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

TEST(SvgMarkers, ValuesBeyondTheRangeAreMarkedWithTheirValue) {
  struct Case {
    double value;
    bool slip;
    const char* cssClass;
    const char* hover;  // null: the hover text says nothing of the range
  };
  const Case cases[] = {{0.5, false, "outlier", nullptr},
                        {25.0, false, "outlier beyond", "25.000 beyond the range"},
                        {-40.0, true, "slip beyond", "-40.000 beyond the range"},
                        {0.2, true, "slip", nullptr}};
  PlotFrame frame;
  frame.firstSeconds = 0;
  frame.lastSeconds = 100;
  PlotLine line{SatelliteStyle(0), "G01", {{{0, 0.0}, {50, 1.0}, {100, 0.5}}}};
  for (const Case& c : cases) {
    const std::string svg = SvgTimeSeries(frame, {line}, {PlotMarker{50, c.value, c.slip, "m"}});
    EXPECT_NE(svg.find(std::string("class=\"") + c.cssClass + "\""), std::string::npos) << c.value;
    const bool says = svg.find("beyond the range") != std::string::npos;
    EXPECT_EQ(says, c.hover != nullptr) << c.value;
    if (c.hover != nullptr) {
      EXPECT_NE(svg.find(c.hover), std::string::npos) << c.value;
    }
  }
}

// The y coordinates of the first line drawn ("<path d=\"M x y L x y ...").
std::vector<double> LineHeights(const std::string& svg) {
  std::vector<double> heights;
  const std::size_t start = svg.find("<path d=\"");
  const std::size_t end = svg.find('"', start + 9);
  std::string d = svg.substr(start + 9, end - start - 9);
  for (char& c : d)
    if (c == 'M' || c == 'L') c = ' ';
  std::istringstream in(d);
  double x = 0, y = 0;
  while (in >> x >> y) heights.push_back(y);
  return heights;
}

TEST(SvgLines, ReducedToPixelColumnsKeepingTheirSpikes) {
  PlotFrame frame;
  frame.firstSeconds = 0;
  frame.lastSeconds = 86400;
  std::vector<PlotPoint> points;
  points.reserve(86400);
  for (int t = 0; t < 86400; t++)
    points.push_back({static_cast<double>(t), t == 43200 ? 9.0 : 0.0});
  const std::vector<double> heights =
      LineHeights(SvgTimeSeries(frame, {PlotLine{SatelliteStyle(0), "G01", {points}}}, {}));
  // About two points per pixel column, not 86400; the one-second spike among them.
  EXPECT_LT(heights.size(), 2u * static_cast<std::size_t>(frame.width));
  ASSERT_FALSE(heights.empty());
  const double top = *std::min_element(heights.begin(), heights.end());
  const double bottom = *std::max_element(heights.begin(), heights.end());
  EXPECT_GT(bottom - top, frame.height / 2.0);
}

}  // namespace
