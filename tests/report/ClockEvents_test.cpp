// Tests of the clock events: a jump shared by nearly all satellites' MW at
// one epoch is one event, not their slips; a satellite that slips there as
// well keeps its own slip.
#include "report/ClockEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/CodeSteps.h"
#include "report/StatisticsReport.h"

namespace {

constexpr double kJump = -299792.458;  // 1 ms
constexpr double kJumpAt = 600;        // seconds

// A satellite whose MW[C] has values every 30 s up to 1200 s, stepping by
// `step` at kJumpAt, with an alternating noise of `noise` metres; none at all
// when `present` is false, and none from 540 to 630 s when `gap` is true.
SatelliteStats Satellite(double step, bool present = true, double noise = 0.1, bool gap = false) {
  SatelliteStats satellite;
  satellite.name = "G01";
  satellite.columns.emplace_back(ClassifyColumn("MW[C]", "CYCLE"), SlipSettings());
  if (!present) return satellite;
  for (int i = 0; i <= 40; i++) {
    const double seconds = 30.0 * i;
    if (gap && seconds >= 540 && seconds <= 630) continue;
    const double value = 5 + (i % 2 == 0 ? noise : -noise) + (seconds >= kJumpAt ? step : 0);
    satellite.columns[0].AddPresent(seconds, value, 60, std::to_string(i));
  }
  satellite.columns[0].EndBlock();
  return satellite;
}

// A satellite without MW whose C1-L1 column takes the same clock jump, the
// other way, as a jump of its code.
SatelliteStats CodeOnlySatellite(double step) {
  SatelliteStats satellite = Satellite(0, false);
  satellite.columns.emplace_back(ClassifyColumn("C1-L1", "CYCLE"), SlipSettings());
  std::vector<PendingValue> values;
  CodeStepEpochs epochs;
  for (int i = 0; i <= 40; i++) {
    const double seconds = 30.0 * i;
    values.push_back(PendingValue{seconds, 2 + (seconds >= kJumpAt ? step : 0), 60});
    epochs[CodeStepKey(seconds)] = std::to_string(i);
  }
  SettleCodeSeries(values, {}, epochs, satellite.columns[1], {});
  return satellite;
}

struct Case {
  const char* what;
  std::vector<double> steps;  // one satellite each
  long absentSatellites;      // satellites with no value at all
  std::size_t events;
  long slipsLeft;
  double noise = 0.1;      // of the last satellite
  bool lastInGap = false;  // the last satellite has no value from 540 to 630 s
  bool codeOnly = false;   // and one more satellite has code columns alone
};

TEST(ClockEvents, AJumpNearlyAllSatellitesShareIsOneEventNotTheirSlips) {
  const Case cases[] = {
      {"five agree", {kJump, kJump, kJump, kJump, kJump}, 0, 1, 0},
      {"three are too few", {kJump, kJump, kJump}, 0, 0, 3},
      {"four of six with a value are under 80 %", {kJump, kJump, kJump, kJump, 0, 0}, 0, 0, 4},
      {"four agree, one slips 20 m on top", {kJump, kJump, kJump, kJump, kJump + 20}, 0, 1, 1},
      {"a satellite without values takes no part", {kJump, kJump, kJump, kJump}, 3, 1, 0},
      {"a noisy satellite 1.8 m off agrees within its own threshold",
       {kJump, kJump, kJump, kJump, kJump + 1.8},
       0,
       1,
       0,
       0.6},
      {"a satellite back after a gap over the event takes it, not a slip",
       {kJump, kJump, kJump, kJump, kJump},
       0,
       1,
       0,
       0.1,
       true},
      {"a satellite without MW takes it in its code columns",
       {kJump, kJump, kJump, kJump},
       0,
       1,
       0,
       0.1,
       false,
       true},
  };
  for (const Case& c : cases) {
    std::vector<SatelliteStats> satellites;
    EpochPresence presence;
    for (std::size_t s = 0; s < c.steps.size(); s++) {
      const bool last = s + 1 == c.steps.size();
      satellites.push_back(Satellite(c.steps[s], true, last ? c.noise : 0.1, last && c.lastInGap));
      if (!(last && c.lastInGap)) presence.Add(kJumpAt);
    }
    for (long s = 0; s < c.absentSatellites; s++) satellites.push_back(Satellite(0, false));
    if (c.codeOnly) satellites.push_back(CodeOnlySatellite(-kJump));
    const std::vector<ColumnKind> kinds{ClassifyColumn("MW[C]", "CYCLE"),
                                        ClassifyColumn("C1-L1", "CYCLE")};
    const std::vector<ClockEvent> events = FindClockEvents(satellites, kinds, presence);
    ASSERT_EQ(events.size(), c.events) << c.what;
    long slips = 0, clockEvents = 0;
    for (const SatelliteStats& satellite : satellites)
      for (const SeriesStats& column : satellite.columns) {
        slips += column.Slips();
        clockEvents += column.ClockEvents();
      }
    EXPECT_EQ(slips, c.slipsLeft) << c.what;
    if (events.empty()) continue;
    EXPECT_EQ(clockEvents, static_cast<long>(c.steps.size()) + (c.codeOnly ? 1 : 0)) << c.what;
    EXPECT_NEAR(events[0].metres, kJump, 0.5) << c.what;
    EXPECT_NEAR(ClockEventMilliseconds(events[0]), -1.0, 2e-6) << c.what;
    EXPECT_EQ(events[0].seconds, kJumpAt) << c.what;
  }
}

TEST(ClockEvents, ASatelliteSlippingAtTheEventKeepsItsSlipLessTheJump) {
  std::vector<SatelliteStats> satellites;
  EpochPresence presence;
  for (double step : {kJump, kJump, kJump, kJump, kJump + 20}) {
    satellites.push_back(Satellite(step));
    presence.Add(kJumpAt);
  }
  FindClockEvents(satellites, {ClassifyColumn("MW[C]", "CYCLE")}, presence);
  const SeriesStats& slipping = satellites.back().columns[0];
  ASSERT_EQ(slipping.Events().size(), 1u);
  EXPECT_NEAR(slipping.Events()[0].size, 20, 0.5);
  EXPECT_EQ(slipping.ClockEvents(), 1);
  EXPECT_TRUE(satellites.front().columns[0].Events().empty());
}

}  // namespace
