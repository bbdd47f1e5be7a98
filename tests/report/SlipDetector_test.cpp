// Tests of the slip screening on made-up series (a table of cases) and on
// the real listings in tests/report/data, whose slips are known.
#include "report/SlipDetector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "report/ListingReader.h"
#include "report/StatisticsReport.h"
#include "rinex/TextInput.h"

namespace {

// Records the events as "slip@12" / "outlier@12" (seconds) and counts arcs
// and settled values.
class Recorder : public SlipListener {
 public:
  void NewArc() override { arcs++; }
  void Settled(double, double) override { settled++; }
  void Event(const SlipEvent& event) override {
    events.push_back(std::string(EventKindName(event.kind)) + "@" +
                     std::to_string(std::lround(event.seconds)));
    sizes.push_back(event.size);
  }
  std::vector<std::string> events;
  std::vector<double> sizes;
  long arcs = 0;
  long settled = 0;
};

struct Series {
  double step;                   // seconds between values
  int count;                     // values
  double (*value)(int, double);  // of the index and the time; NAN: none
};

// GPS wavelengths, metres.
constexpr double kL1 = 0.190294;
constexpr double kL2 = 0.244210;

// A repeatable scatter in [-1, 1].
double Scatter(int i) { return std::sin(i * 12.9898) * 0.5 + std::sin(i * 78.233) * 0.5; }

Recorder Screen(SlipModel model, const Series& series) {
  const SlipSettings settings;
  SlipDetector detector(model, settings.ThresholdOf(model), settings.maxGapSeconds);
  Recorder recorder;
  for (int i = 0; i < series.count; i++) {
    const double time = i * series.step;
    const double value = series.value(i, time);
    if (!std::isnan(value)) detector.Add(time, value, "epoch", recorder);
  }
  detector.Finish(recorder);
  return recorder;
}

TEST(SlipScreening, FindsSlipsAndOutliersOfMadeUpSeries) {
  struct Case {
    const char* what;
    SlipModel model;
    Series series;
    std::vector<std::string> events;
    long arcs;
  };
  const Case cases[] = {
      {"L4 at 1 s, drifting 2 mm/s with 3 mm scatter: nothing",
       SlipModel::Trend,
       {1, 300, [](int i, double t) { return 0.002 * t + 0.003 * Scatter(i); }},
       {},
       1},
      {"L4 at 30 s, drifting 0.5 m an hour and bending: nothing",
       SlipModel::Trend,
       {30, 240,
        [](int i, double t) {
          return 0.5 * t / 3600 + 0.2 * std::sin(t / 3000) + 0.004 * Scatter(i);
        }},
       {},
       1},
      {"L4, one cycle on L2 at 100 s",
       SlipModel::Trend,
       {1, 200,
        [](int i, double t) { return 0.001 * t + 0.003 * Scatter(i) - (t >= 100 ? kL2 : 0); }},
       {"slip@100"},
       2},
      {"L4, one cycle on both frequencies (0.054 m) at 100 s",
       SlipModel::Trend,
       {1, 200, [](int i, double t) { return 0.002 * Scatter(i) + (t >= 100 ? kL1 - kL2 : 0); }},
       {"slip@100"},
       2},
      {"L4, a spike of 0.3 m at 100 s that comes back",
       SlipModel::Trend,
       {1, 200, [](int i, double t) { return 0.003 * Scatter(i) + (t == 100 ? 0.3 : 0); }},
       {"outlier@100"},
       1},
      {"L4, a slip of 0.15 m inside a 15 s gap, drifting 3 mm/s",
       SlipModel::Trend,
       {1, 200,
        [](int i, double t) {
          return t > 100 && t < 115 ? NAN : 0.003 * t + 0.002 * Scatter(i) + (t >= 115 ? 0.15 : 0);
        }},
       {"slip@115"},
       2},
      {"L4, the same gap without a slip",
       SlipModel::Trend,
       {1, 200,
        [](int i, double t) { return t > 100 && t < 115 ? NAN : 0.003 * t + 0.002 * Scatter(i); }},
       {},
       1},
      {"L4, a jump after a gap of 20 minutes: a new pass, not judged",
       SlipModel::Trend,
       {30, 200,
        [](int i, double t) {
          return t > 1500 && t < 2700 ? NAN : 0.003 * Scatter(i) + (t >= 2700 ? 3.0 : 0);
        }},
       {},
       2},
      {"L4, the last value leaves the line: no value comes back, a slip",
       SlipModel::Trend,
       {1, 50, [](int i, double t) { return 0.002 * Scatter(i) + (t == 49 ? 0.2 : 0); }},
       {"slip@49"},
       2},
      {"MW at 1 s with 0.3 m scatter: nothing",
       SlipModel::Level,
       {1, 600, [](int i, double) { return 5 + 0.3 * Scatter(i); }},
       {},
       1},
      {"MW, two wide-lane cycles (1.72 m) at 300 s",
       SlipModel::Level,
       {1, 600, [](int i, double t) { return 5 + 0.3 * Scatter(i) + (t >= 300 ? 1.724 : 0); }},
       {"slip@300"},
       2},
      {"MW, a spike of 3 m at 300 s",
       SlipModel::Level,
       {1, 600, [](int i, double t) { return 5 + 0.3 * Scatter(i) + (t == 300 ? 3 : 0); }},
       {"outlier@300"},
       1},
  };
  for (const Case& c : cases) {
    const Recorder recorder = Screen(c.model, c.series);
    EXPECT_EQ(recorder.events, c.events) << c.what;
    EXPECT_EQ(recorder.arcs, c.arcs) << c.what;
  }
}

TEST(SlipScreening, ASlipsSizeIsItsStepAndItsValueOpensTheNewArc) {
  const Recorder recorder = Screen(
      SlipModel::Trend, {1, 100, [](int, double t) { return 0.01 * t + (t >= 40 ? 0.5 : 0); }});
  ASSERT_EQ(recorder.sizes.size(), 1u);
  EXPECT_NEAR(recorder.sizes[0], 0.5, 1e-9);
  EXPECT_EQ(recorder.settled, 100);  // every value settled once, the held one in the new arc
}

// The statistics of a real listing (gzip-compressed in the test data).
StatisticsCollector ReadRealListing(const std::string& name) {
  const std::unique_ptr<TextInput> input =
      OpenTextInput(std::string(TEST_DATA_DIR) + "/report/" + name);
  std::string text;
  while (input->Next()) text.append(input->line).append("\n");
  StatisticsCollector statistics{SlipSettings()};
  std::FILE* file = fmemopen(text.data(), text.size(), "r");
  ReadListing(file, {&statistics});
  std::fclose(file);
  return statistics;
}

// "G14 L4 slip 2021-09-22 06:31:59.0" for every event.
std::vector<std::string> EventsOf(const StatisticsCollector& statistics) {
  std::vector<std::string> events;
  for (const SatelliteStats& satellite : statistics.Satellites())
    for (std::size_t k = 0; k < satellite.columns.size(); k++)
      for (const SlipEvent& event : satellite.columns[k].Events())
        events.push_back(satellite.name + " " + statistics.Columns().labels[k] + " " +
                         EventKindName(event.kind) + " " + event.epoch);
  return events;
}

TEST(SlipScreening, FindsTheRealSlipsOfG14AndG20AcrossTheirGaps) {
  const std::vector<std::string> l4 = {
      "G14 L4 slip 2021-09-22 06:31:59.0", "G14 L4 slip 2021-09-22 06:33:01.0",
      "G14 L4 slip 2021-09-22 06:34:00.0", "G14 L4 slip 2021-09-22 06:35:05.0",
      "G20 L4 slip 2021-09-22 06:31:25.0", "G20 L4 slip 2021-09-22 06:33:31.0",
      "G20 L4 slip 2021-09-22 06:34:31.0", "G20 L4 slip 2021-09-22 06:35:13.0"};
  // MW finds the slips of two wide-lane cycles and more; L4 all of them.
  const std::vector<std::string> mw = {
      "G14 MW[C] slip 2021-09-22 06:31:59.0", "G14 MW[C] slip 2021-09-22 06:33:01.0",
      "G14 MW[C] slip 2021-09-22 06:34:00.0", "G20 MW[C] slip 2021-09-22 06:31:25.0",
      "G20 MW[C] slip 2021-09-22 06:34:31.0"};
  std::vector<std::string> found = EventsOf(ReadRealListing("cssrlib_3034_sept_L4_MW.lst.gz"));
  std::vector<std::string> expected;
  for (std::size_t i = 0; i < 4; i++) expected.push_back(l4[i]);
  for (std::size_t i = 0; i < 3; i++) expected.push_back(mw[i]);
  for (std::size_t i = 4; i < 8; i++) expected.push_back(l4[i]);
  for (std::size_t i = 3; i < 5; i++) expected.push_back(mw[i]);
  EXPECT_EQ(found, expected);
}

TEST(SlipScreening, TheStaticPairOneMetreApartSlipsOnlyWhereG07LosesLock) {
  const std::vector<std::string> expected = {
      "G07 L4 slip 2024-06-24 08:20:26.0", "G07 L4 slip 2024-06-24 08:22:24.0",
      "G07 MW[C] slip 2024-06-24 08:20:26.0", "G07 MW[C] slip 2024-06-24 08:22:24.0"};
  EXPECT_EQ(EventsOf(ReadRealListing("matrtklib_static_L4_MW.lst.gz")), expected);
}

}  // namespace
