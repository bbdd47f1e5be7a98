// Tests of flh: the range checks and their fatal frames, arithmetic, and the
// exact bytes of the five layouts.
#include "GNSS/flh.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "funkcije/KotnePretvorbe.h"
#include "tests/support/fatal_output.h"
#include "tests/support/stream_text.h"
#include "tests/support/time_output.h"

namespace {

class FlhLayouts : public ::testing::Test {
 protected:
  void TearDown() override { flhns::Unit = flhns::RAD; }
};

TEST(FlhChecksDeathTest, OutOfRangeValuesEndTheProgram) {
  EXPECT_EQ(RunExpectingExit([] { flh(100, 0, 0); }).out, ClassFrame("flh", "LATITUDE not valid"));
  EXPECT_EQ(RunExpectingExit([] { flh(10, 200, 0); }).out,
            ClassFrame("flh", "LONGITUDE not valid"));
  EXPECT_EQ(RunExpectingExit([] { flh(-91, 200, 0); }).out,
            ClassFrame("flh", "LATITUDE not valid"));
  EXPECT_EQ(RunExpectingExit([] {
              flh a(80, 0, 0);
              a += flh(20, 0, 0);
            }).out,
            ClassFrame("flh", "LATITUDE not valid"));
  EXPECT_EQ(RunExpectingExit([] { flh(0, 170, 0) + flh(0, 20, 0); }).out,
            ClassFrame("flh", "LONGITUDE not valid"));
  EXPECT_EQ(RunExpectingExit([] {
              flh a;
              a.Set(0, 181, 0);
              flh b;
              b = a;
            }).out,
            ClassFrame("flh", "LONGITUDE not valid"));
}

TEST(FlhChecks, LimitsAreInclusiveAndSetDoesNotCheck) {
  flh a(90, -180, 0);
  EXPECT_TRUE(a.TestFi());
  EXPECT_TRUE(a.TestLa());
  a.Set(100, 200, 0);
  EXPECT_FALSE(a.TestFi());
  EXPECT_FALSE(a.TestLa());
  a.SetF(std::numeric_limits<long double>::quiet_NaN());
  a.SetL(std::numeric_limits<long double>::quiet_NaN());
  EXPECT_FALSE(a.TestFi());
  EXPECT_FALSE(a.TestLa());
  EXPECT_EQ(flh(0.5L, 0.25L, 3) - flh(0.5L, 0.5L, 1), flh(0, -0.25L, 2));
  EXPECT_FALSE(flh(0.5L, 0.25L, 3) == flh(0.5L, 0.25L, 3 + 2e-14L));
}

struct LayoutCase {
  unsigned short unit;
  const char* text;
};

// 46 deg 2 min 30.5 s north, 14 deg 30 min 15.3 s east, 300.1234 m.
const flh kStation(deg2rad(46 + 2 / 60.0L + 30.5L / 3600), deg2rad(14 + 30 / 60.0L + 15.3L / 3600),
                   300.1234L);

TEST_F(FlhLayouts, WrittenInEachLayout) {
  const std::vector<LayoutCase> cases = {
      {flhns::RAD, "  0.80358110  0.25314692  300.1234"},
      {flhns::DEG, " 46.04180556 14.50425000  300.1234"},
      {flhns::DMS, " 46.02305000 14.30153000  300.1234"},
      {flhns::DMSV, " 46  2 30.50000000 14 30 15.30000000  300.1234"},
      {flhns::SINEX, " 14 30 15.3  46  2 30.5   300.1"},
      {7, ""},
  };
  for (const LayoutCase& c : cases) {
    flhns::Unit = c.unit;
    EXPECT_EQ(Written(kStation), c.text) << c.unit;
  }
}

TEST_F(FlhLayouts, ReadInEachLayout) {
  const std::vector<LayoutCase> cases = {
      {flhns::RAD, "0.803581100507 0.253146918032 300.1234"},
      {flhns::DEG, "46.041805555555556 14.50425 300.1234"},
      {flhns::DMS, "46.02305 14.30153 300.1234"},
      {flhns::DMSV, "46 2 30.5 14 30 15.3 300.1234"},
  };
  for (const LayoutCase& c : cases) {
    flhns::Unit = c.unit;
    flh a;
    std::istringstream(c.text) >> a;
    EXPECT_NEAR(static_cast<double>(a.f - kStation.f), 0, 1e-11) << c.text;
    EXPECT_NEAR(static_cast<double>(a.l - kStation.l), 0, 1e-11) << c.text;
    EXPECT_EQ(a.h, 300.1234L) << c.text;
  }
  flhns::Unit = flhns::SINEX;
  flh untouched;
  std::istringstream("1 2 3") >> untouched;
  EXPECT_EQ(untouched, flh());
}

TEST_F(FlhLayouts, NegativeAnglesUnderOneDegreeKeepTheirSign) {
  flhns::Unit = flhns::DMSV;
  flh a;
  std::istringstream("-0 30 0 -12 15 0 5") >> a;
  EXPECT_NEAR(static_cast<double>(a.f - deg2rad(-0.5L)), 0, 1e-18);
  EXPECT_NEAR(static_cast<double>(a.l - deg2rad(-12.25L)), 0, 1e-18);
  EXPECT_EQ(Written(a), " -0 30  0.00000000-12 15  0.00000000    5.0000");
  std::istringstream(Written(a)) >> a;
  EXPECT_NEAR(static_cast<double>(a.f - deg2rad(-0.5L)), 0, 1e-15);
}

}  // namespace
