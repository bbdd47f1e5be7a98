// Tests of the angle conversions: round trips, the carries of 60 seconds and
// 60 minutes, and the text of packed angles.
#include "funkcije/KotnePretvorbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(AngleConversions, PiIsTheDoubleValueHeldInExtendedPrecision) {
  EXPECT_EQ(kPi, static_cast<long double>(M_PI));
  EXPECT_NE(kPi, std::acos(-1.0L));
  EXPECT_EQ(deg2rad(180.0L), kPi);
  EXPECT_EQ(rad2deg(kPi), 180.0L);
}

TEST(AngleConversions, PackedAnglesRoundTrip) {
  EXPECT_NEAR(static_cast<double>(rad2dms(deg2rad(12.5L))), 12.3, 1e-15);
  EXPECT_NEAR(static_cast<double>(dms2rad(12.3L) - deg2rad(12.5L)), 0, 1e-18);
  EXPECT_NEAR(static_cast<double>(dms2rad(45.3L) - deg2rad(45.5L)), 0, 1e-18);
  EXPECT_NEAR(static_cast<double>(dms2rad(12.30155L) - deg2rad(12 + 30 / 60.0L + 15.5L / 3600)), 0,
              1e-17);
  EXPECT_NEAR(static_cast<double>(dms2rad(-12.3L) + deg2rad(12.5L)), 0, 1e-18);
  EXPECT_NEAR(static_cast<double>(rad2dms(deg2rad(-0.5L))), -0.3, 1e-15);
}

TEST(AngleConversions, SecondsNearAFullMinuteAreCarried) {
  // 12 deg 30 min 59.99999999999996 s: the seconds go into the minutes.
  const long double justUnder = 12 + 31 / 60.0L - 1e-17L;
  EXPECT_NEAR(static_cast<double>(rad2dms(deg2rad(justUnder))), 12.31, 1e-15);
  // 29 deg 59 min 59.99999999999996 s: seconds into minutes, then the 60
  // minutes into the degrees.
  const long double almostThirty = deg2rad(30 - 1e-17L);
  ASSERT_LT(rad2deg(almostThirty), 30.0L);
  EXPECT_EQ(rad2dms(almostThirty), 30.0L);
  EXPECT_EQ(rad2dms(-almostThirty), -30.0L);
}

struct TextCase {
  long double packed;
  int ndec;
  const char* text;
};

TEST(AngleConversions, PackedAngleAsText) {
  const std::vector<TextCase> cases = {
      {12.3015L, 1, " 12 30 15.0"},
      {-0.3015L, 1, " -0 30 15.0"},  // the sign of a sub-degree angle
      {-12.3015L, 1, "-12 30 15.0"},
      {12.30155L, 3, " 12 30 15.500"},
      {12.3L, 1, " 12 30  0.0"},  // 29 min 99.99999 s carried into 30 min
      {12.6L, 1, " 13  0  0.0"},  // 60 minutes carried into the degrees
      {0.0001L, 0, "  0  0   1"},
      {-145.0L, 2, "-145  0  0.00"},
  };
  for (const TextCase& c : cases)
    EXPECT_EQ(dms2dms(c.packed, c.ndec), c.text) << static_cast<double>(c.packed);
}

TEST(AngleConversions, DegreesMinutesSecondsToRadians) {
  EXPECT_NEAR(dms2deg(12, 30, 15.0), (12 + 30 / 60.0 + 15 / 3600.0) * M_PI / 180, 1e-16);
  EXPECT_NEAR(dms2deg(-12, 30, 15.0), -(12 + 30 / 60.0 + 15 / 3600.0) * M_PI / 180, 1e-16);
  EXPECT_EQ(dms2deg(0, 0, 0), 0.0);
}

}  // namespace
