// Tests of the clock events: a jump shared by nearly all satellites' MW at
// one epoch is one event, not their slips; a satellite that slips there as
// well keeps its own slip.
#include "report/ClockEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/StatisticsReport.h"

namespace {

constexpr double kJump = -299792.458;  // 1 ms
constexpr double kJumpAt = 600;        // seconds

// A satellite whose MW[C] has values every 30 s up to 1200 s, stepping by
// `step` at kJumpAt (no value at all when `present` is false), with a small
// alternating noise.
SatelliteStats Satellite(double step, bool present = true) {
  SatelliteStats satellite;
  satellite.name = "G01";
  satellite.columns.emplace_back(ClassifyColumn("MW[C]", "CYCLE"), SlipSettings());
  if (!present) return satellite;
  for (int i = 0; i <= 40; i++) {
    const double seconds = 30.0 * i;
    const double value = 5 + (i % 2 == 0 ? 0.1 : -0.1) + (seconds >= kJumpAt ? step : 0);
    satellite.columns[0].AddPresent(seconds, value, 60, std::to_string(i));
  }
  satellite.columns[0].EndBlock();
  return satellite;
}

struct Case {
  const char* what;
  std::vector<double> steps;  // one satellite each
  long absentSatellites;      // satellites with no value at the epoch
  std::size_t events;
  long slipsLeft;
};

TEST(ClockEvents, AJumpNearlyAllSatellitesShareIsOneEventNotTheirSlips) {
  const Case cases[] = {
      {"five agree", {kJump, kJump, kJump, kJump, kJump}, 0, 1, 0},
      {"three are too few", {kJump, kJump, kJump}, 0, 0, 3},
      {"four of six with a value are under 80 %", {kJump, kJump, kJump, kJump, 0, 0}, 0, 0, 4},
      {"four agree, one slips 20 m on top", {kJump, kJump, kJump, kJump, kJump + 20}, 0, 1, 1},
      {"a satellite without values takes no part", {kJump, kJump, kJump, kJump}, 3, 1, 0},
  };
  for (const Case& c : cases) {
    std::vector<SatelliteStats> satellites;
    EpochPresence presence;
    for (double step : c.steps) {
      satellites.push_back(Satellite(step));
      presence.Add(kJumpAt);
    }
    for (long s = 0; s < c.absentSatellites; s++) satellites.push_back(Satellite(0, false));
    const std::vector<ColumnKind> kinds{ClassifyColumn("MW[C]", "CYCLE")};
    const std::vector<ClockEvent> events = FindClockEvents(satellites, kinds, presence, 1.0);
    ASSERT_EQ(events.size(), c.events) << c.what;
    long slips = 0;
    for (const SatelliteStats& satellite : satellites) slips += satellite.columns[0].Slips();
    EXPECT_EQ(slips, c.slipsLeft) << c.what;
    if (events.empty()) continue;
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
  FindClockEvents(satellites, {ClassifyColumn("MW[C]", "CYCLE")}, presence, 1.0);
  const SeriesStats& slipping = satellites.back().columns[0];
  ASSERT_EQ(slipping.Events().size(), 1u);
  EXPECT_NEAR(slipping.Events()[0].size, 20, 0.5);
  EXPECT_EQ(slipping.ClockEvents(), 1);
  EXPECT_TRUE(satellites.front().columns[0].Events().empty());
}

}  // namespace
