// Tests of the multipath and code-minus-phase columns' arcs: they break at
// gaps and at the satellite's slips, not at code noise, and a jump of the
// code is an outlier when the next value comes back, else a slip.
#include "report/CodeSteps.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr double kMs = 299792.458;  // a millisecond of clock, in metres

struct Case {
  const char* what;
  std::vector<double> values;  // every 30 s from 0
  std::vector<double> slips;   // times of the satellite's L4/MW slips
  double gapAfter;             // a 300 s gap after this time (negative: none)
  long arcs, slips_, outliers;
  double min, max;
};

TEST(CodeSteps, JumpsOfTheCodeAreOutliersOrSlipsAndNoiseKeepsTheArc) {
  const Case cases[] = {
      {"metre steps of code noise", {5, 7, 4, 8, 5}, {}, -1, 1, 0, 0, 4, 8},
      {"a blunder for one epoch", {5, 5.5, 5 + kMs, 5.2, 5.1}, {}, -1, 1, 0, 1, 5, 5 + kMs},
      {"a jump that stays", {5, 5.5, 5 + kMs, 5.2 + kMs, 5.1 + kMs}, {}, -1, 2, 1, 0, 5, 5.2 + kMs},
      {"a jump at the last value", {5, 5.5, 5 + kMs}, {}, -1, 2, 1, 0, 5, 5 + kMs},
      {"a jump at an L4 slip", {5, 5.5, 5 + kMs, 5.2 + kMs}, {60}, -1, 2, 0, 0, 5, 5.2 + kMs},
      {"a jump across a gap", {5, 5.5, 5 + kMs, 5.2 + kMs}, {}, 30, 2, 0, 0, 5, 5.2 + kMs},
      {"a slip between a blunder and its return",
       {5, 5.5, 5 + kMs, 5.2, 5.1},
       {90},
       -1,
       3,
       1,
       0,
       5,
       5 + kMs},
  };
  for (const Case& c : cases) {
    std::vector<PendingValue> values;
    CodeStepEpochs epochs;
    double seconds = 0;
    for (double value : c.values) {
      if (!values.empty() && values.back().seconds == c.gapAfter) seconds += 300;
      values.push_back(PendingValue{seconds, value, 60});
      epochs[CodeStepKey(seconds)] = std::to_string(static_cast<long>(seconds));
      seconds += 30;
    }
    SeriesStats column(ClassifyColumn("C1-L1", "CYCLE"), SlipSettings());
    SettleCodeSeries(values, c.slips, epochs, column, {});
    EXPECT_EQ(column.Arcs(), c.arcs) << c.what;
    EXPECT_EQ(column.Slips(), c.slips_) << c.what;
    EXPECT_EQ(column.Outliers(), c.outliers) << c.what;
    EXPECT_EQ(column.Present(), static_cast<long>(c.values.size())) << c.what;
    EXPECT_DOUBLE_EQ(column.Min(), c.min) << c.what;
    EXPECT_DOUBLE_EQ(column.Max(), c.max) << c.what;
    for (const SlipEvent& event : column.Events()) {
      EXPECT_EQ(event.epoch, "60") << c.what;
      EXPECT_NEAR(event.size, kMs, 1) << c.what;
    }
  }
}

}  // namespace
