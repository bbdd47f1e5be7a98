// Tests of whole simulated files: the same seed gives the same bytes, every
// record has the fixed columns the reader expects, and the millisecond jump,
// the cycle slip and the missing values land where they are asked for.
#include "tools/SimRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

const double kLambda1 = 299792458.0 / 1575420000.0;
const double kLambda2 = 299792458.0 / 1227600000.0;
const double kMillisecondRange = 299792.458;

std::string Generate(const SimConfig& config) {
  SimPlan plan = MakePlan(config);
  std::ostringstream out;
  WriteSingleDifferences(plan, out);
  return out.str();
}

SimConfig GpsConfig(double duration, double interval, const char* types) {
  const char* argv[] = {"sdsim", "--systems", "G", "--duration", "0",  "--interval", "1", "--types",
                        types,   "--missing", "0", "--jump-at",  "-1", "--slip-at",  "-1"};
  SimConfig config = ParseSimArgs(sizeof argv / sizeof argv[0], argv);
  config.duration = duration;
  config.interval = interval;
  return config;
}

struct Epoch {
  std::string line;
  std::vector<std::string> satellites;
};

// Splits a file into its epochs; fails the test on a broken structure.
std::vector<Epoch> Epochs(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line) && line != "END OF HEADER 1") {
  }
  std::vector<Epoch> epochs;
  while (std::getline(in, line)) {
    Epoch epoch;
    epoch.line = line;
    const int count = std::atoi(line.c_str());
    for (int k = 0; k < count && std::getline(in, line); k++) epoch.satellites.push_back(line);
    EXPECT_EQ(static_cast<int>(epoch.satellites.size()), count) << epoch.line;
    epochs.push_back(epoch);
  }
  return epochs;
}

double Field(const std::string& line, int k) { return std::atof(line.c_str() + 3 + 17 * k); }

// Values of one column per satellite number at one epoch.
std::map<int, std::vector<double>> Values(const Epoch& epoch, int fields) {
  std::map<int, std::vector<double>> values;
  for (const std::string& line : epoch.satellites)
    for (int k = 0; k < fields; k++) values[std::atoi(line.c_str())].push_back(Field(line, k));
  return values;
}

TEST(SimDeterminism, SameSeedSameBytesOtherSeedOtherBytes) {
  const char* argv[] = {"sdsim", "--duration", "900", "--interval", "5", "--seed", "7"};
  const SimConfig config = ParseSimArgs(7, argv);
  const std::string first = Generate(config);
  ASSERT_GT(first.size(), 1u << 20) << "the run should span more than one flush";
  EXPECT_EQ(first, Generate(config));
  SimConfig other = config;
  other.seed = 8;
  EXPECT_NE(first, Generate(other));
}

TEST(SimLayout, EveryRecordHasFixedColumns) {
  std::string allTypes;
  for (int code = 0; code < kSimTypeCount; code++)
    allTypes += std::string(code ? ":" : "") + SimTypeOf(code).name;
  const char* argv[] = {"sdsim",   "--duration",         "600", "--types", allTypes.c_str(),
                        "--start", "2024-06-24/23:55:00"};
  const std::vector<Epoch> epochs = Epochs(Generate(ParseSimArgs(7, argv)));
  ASSERT_EQ(epochs.size(), 21u);
  const std::regex number(" *-?[0-9]+\\.[0-9]{3}");
  const std::string missing = "            *.***";
  std::set<int> systems;
  for (const Epoch& epoch : epochs) {
    ASSERT_EQ(epoch.line.size(), 53u) << epoch.line;
    int count = 0, day = 0;
    double second = 0, dt = 0, baseClock = 0, roverClock = 0;
    ASSERT_EQ(std::sscanf(epoch.line.c_str(), "%d %d %lf %lf %lf %lf", &count, &day, &second, &dt,
                          &baseClock, &roverClock),
              6);
    EXPECT_TRUE(day == 60485 || day == 60486) << epoch.line;
    EXPECT_LT(second, 86400.0);
    int previous = 0;
    for (const std::string& line : epoch.satellites) {
      ASSERT_EQ(line.size(), 3u + 17u * kSimTypeCount) << line;
      const int satellite = std::atoi(line.substr(0, 3).c_str());
      EXPECT_GT(satellite, previous) << "satellites ascend within an epoch";
      previous = satellite;
      systems.insert(satellite / 100);
      for (int k = 0; k < kSimTypeCount; k++) {
        const std::string field = line.substr(3 + 17 * k, 17);
        EXPECT_TRUE(field == missing || std::regex_match(field, number)) << "[" << field << "]";
      }
    }
  }
  EXPECT_EQ(systems, (std::set<int>{0, 1, 2}));
  // The file crosses midnight: the day advances and the seconds start again.
  EXPECT_EQ(epochs.back().line.substr(3, 20), " 60486   300.0000000");
}

TEST(SimJump, AllCodesStepOneMillisecondWhilePhasesDoNot) {
  SimConfig config = GpsConfig(20, 1, "C1:L1");
  config.jumpAt = 10;
  const std::vector<Epoch> epochs = Epochs(Generate(config));
  ASSERT_EQ(epochs.size(), 21u);
  for (std::size_t e = 1; e < epochs.size(); e++) {
    const auto before = Values(epochs[e - 1], 2), after = Values(epochs[e], 2);
    const double expected = e == 10 ? kMillisecondRange : 0.0;
    for (const auto& [satellite, now] : after) {
      const auto earlier = before.find(satellite);
      if (earlier == before.end()) continue;
      const double codeMinusPhase =
          (now[0] - kLambda1 * now[1]) - (earlier->second[0] - kLambda1 * earlier->second[1]);
      EXPECT_NEAR(codeMinusPhase, expected, 3.0) << "satellite " << satellite << " epoch " << e;
    }
  }
  // The rover clock of the epoch line jumps with the codes: 1000 microseconds.
  const double rover9 = std::atof(epochs[9].line.c_str() + 43),
               rover10 = std::atof(epochs[10].line.c_str() + 43);
  EXPECT_NEAR(rover10 - rover9, 1000.0, 1.0);
}

TEST(SimSlip, OneSatelliteSlipsOnceInGeometryFreePhase) {
  SimConfig config = GpsConfig(900, 30, "L1:L2");
  config.slipAt = 300;
  const SimPlan plan = MakePlan(config);
  ASSERT_NE(plan.scene.slipSatellite, 0);
  const std::vector<Epoch> epochs = Epochs(Generate(config));
  const double slip = 7 * kLambda1 - 5 * kLambda2;
  int slips = 0;
  for (std::size_t e = 1; e < epochs.size(); e++) {
    const auto before = Values(epochs[e - 1], 2), after = Values(epochs[e], 2);
    for (const auto& [satellite, now] : after) {
      const auto earlier = before.find(satellite);
      if (earlier == before.end() || now[1] == 0.0 || earlier->second[1] == 0.0) continue;
      const double change = (kLambda1 * now[0] - kLambda2 * now[1]) -
                            (kLambda1 * earlier->second[0] - kLambda2 * earlier->second[1]);
      const bool slipped = satellite == plan.scene.slipSatellite && e == 10;
      EXPECT_NEAR(change, slipped ? slip : 0.0, 0.04)
          << "satellite " << satellite << " epoch " << e;
      if (slipped) slips++;
    }
  }
  EXPECT_EQ(slips, 1);
}

TEST(SimMissing, ShareOfMissingValuesFollowsTheOption) {
  const struct {
    double rate;
    bool anyPresent, anyMissing;
  } cases[] = {{0.0, true, false}, {1.0, false, true}, {0.3, true, true}};
  for (const auto& c : cases) {
    SimConfig config = GpsConfig(300, 30, "C1:L1");
    config.missingRate = c.rate;
    const std::string text = Generate(config);
    const std::string records = text.substr(text.find("END OF HEADER 1"));
    EXPECT_EQ(records.find("*.***") != std::string::npos, c.anyMissing) << c.rate;
    bool present = false;
    for (const Epoch& epoch : Epochs(text))
      for (const std::string& line : epoch.satellites) present = present || Field(line, 0) != 0.0;
    EXPECT_EQ(present, c.anyPresent) << c.rate;
  }
}

TEST(SimSelection, SatsKeepsThatManyPerConstellation) {
  const char* argv[] = {"sdsim", "--sats", "2", "--duration", "1800", "--jump-at", "-1"};
  const SimPlan plan = MakePlan(ParseSimArgs(7, argv));
  std::map<SimSystem, int> perSystem;
  for (const SimTrack& track : plan.tracks) perSystem[track.satellite.system]++;
  EXPECT_EQ(perSystem, (std::map<SimSystem, int>{
                           {SimSystem::GPS, 2}, {SimSystem::GLONASS, 2}, {SimSystem::Galileo, 2}}));
}

TEST(SimOptions, BadValuesEndWithStatusTwo) {
  const std::vector<std::vector<const char*>> commands = {
      {"sdsim", "--interval", "0"},
      {"sdsim", "--types", "C1:XX"},
      {"sdsim", "--systems", "GC"},
      {"sdsim", "--start", "2024-13-01/00:00:00"},
      {"sdsim", "--duration"},
      {"sdsim", "--frobnicate", "1"},
      {"sdsim", "--seed", "-3"},
      {"sdsim", "--missing", "1.5"},
      {"sdsim", "--base-rinex", "b.rnx"},
      {"sdsim", "--network", "1"},
      {"sdsim", "--days", "367"},
      {"sdsim", "--spacing", "0"}};
  for (const auto& command : commands)
    EXPECT_EXIT(ParseSimArgs(static_cast<int>(command.size()), command.data()),
                testing::ExitedWithCode(2), "sdsim: ")
        << command[1];
}

}  // namespace
