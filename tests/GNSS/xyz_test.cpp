// Tests of the Cartesian triples xyz and xyzt: tolerance of equality,
// rotations, mixed arithmetic, and the exact bytes of their stream forms.
#include "GNSS/xyz.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "GNSS/xyzt.h"
#include "tests/support/stream_text.h"

namespace {

void ExpectNear(const xyz& a, const xyz& b) {
  EXPECT_NEAR(static_cast<double>(a.x), static_cast<double>(b.x), 1e-15);
  EXPECT_NEAR(static_cast<double>(a.y), static_cast<double>(b.y), 1e-15);
  EXPECT_NEAR(static_cast<double>(a.z), static_cast<double>(b.z), 1e-15);
}

// Puts the switches back after each test.
class Switches : public ::testing::Test {
 protected:
  void TearDown() override {
    xyzns::Unit = xyzns::M;
    xyztns::Unit = xyztns::M;
    xyztns::UnitT = xyztns::S;
    xyztns::PrintTime = 1;
  }
};

TEST(XyzCompare, DifferencesBelowTheToleranceCountAsEqual) {
  const xyz a(1, 2, 3);
  EXPECT_TRUE(a == xyz(1 + 1e-15L, 2, 3));
  EXPECT_FALSE(a == xyz(1 + 2e-14L, 2, 3));
  EXPECT_FALSE(a == xyz(1, 2, 3 - 2e-14L));
  EXPECT_TRUE(a != xyz(1, 2, 3 + 2e-14L));
  EXPECT_TRUE(a == a);
  const xyzt t(1, 2, 3, 0.5L);
  EXPECT_TRUE(t == xyzt(1, 2, 3, 0.5L + 1e-15L));
  EXPECT_FALSE(t == xyzt(1, 2, 3, 0.5L + 2e-14L));  // the time counts too
}

TEST(XyzGeometry, RotationsAboutEachAxis) {
  const long double quarter = std::acos(-1.0L) / 2;
  ExpectNear(xyz(1, 0, 0).RotateZ(quarter), xyz(0, 1, 0));
  ExpectNear(xyz(0, 1, 0).RotateX(quarter), xyz(0, 0, 1));
  ExpectNear(xyz(0, 0, 1).RotateY(quarter), xyz(1, 0, 0));
  const xyz kept(1, 2, 3);
  kept.RotateZ(quarter);
  EXPECT_EQ(kept, xyz(1, 2, 3));
  const xyzt timed = xyzt(1, 0, 0, 7).RotateZ(quarter);
  EXPECT_EQ(timed.dt, 7);
  ExpectNear(xyz(timed), xyz(0, 1, 0));
}

TEST(XyzGeometry, UnitVectorOfAGeocentricPosition) {
  const xyz position(4194423.1234L, 1162702.56789L, 4647245.1L);
  const xyz unit = position.GetUnitVector(-1);
  EXPECT_NEAR(static_cast<double>(unit.GetLength()), 1.0, 1e-15);
  ExpectNear(unit, xyz(position) /= -position.GetLength());
  const xyzt timedUnit = xyzt(3, 0, 4, 9).GetUnitVector(1);
  EXPECT_EQ(timedUnit, xyzt(0.6L, 0, 0.8L, 0));
  EXPECT_TRUE(std::isnan(xyz().GetUnitVector(1).x));
}

TEST(XyzArithmetic, ProductsAndMixedOperands) {
  const xyz a(1, 2, 3), b(4, 5, 6);
  EXPECT_EQ(CrossP(a, b), xyz(-3, 6, -3));
  EXPECT_EQ(ElementP(a, b), xyz(4, 10, 18));
  EXPECT_EQ(a * b, 32);
  EXPECT_EQ(2.0L * a, a * 2.0L);
  EXPECT_EQ(sqrt(xyz(4, 9, 16)), xyz(2, 3, 4));
  EXPECT_EQ(xyz(3, 4, 12).GetLength(), 13);
  const xyzt t(1, 1, 1, 100);
  EXPECT_EQ(a + t, xyz(2, 3, 4));
  EXPECT_EQ(t - a, xyz(0, -1, -2));
  EXPECT_EQ(a * t, 6);
  xyz c = a;
  c -= t;
  c += b;
  EXPECT_EQ(c, xyz(4, 6, 8));
  c = t;
  EXPECT_EQ(c, xyz(1, 1, 1));
  EXPECT_EQ(xyz(2, 4, 6) /= 2, a);
}

TEST(XyztArithmetic, TimeOffsetFollowsSumsButNotScaling) {
  xyzt t(1, 2, 3, 10);
  t *= 2;
  EXPECT_EQ(t, xyzt(2, 4, 6, 10));
  t /= 4;
  EXPECT_EQ(t, xyzt(0.5L, 1, 1.5L, 10));
  EXPECT_EQ(t + xyzt(1, 1, 1, 1), xyzt(1.5L, 2, 2.5L, 11));
  EXPECT_EQ(t - xyzt(1, 1, 1, 1), xyzt(-0.5L, 0, 0.5L, 9));
  EXPECT_EQ(xyzt().dt, 0);
}

struct XyzWriteCase {
  long double unit;
  xyz value;
  const char* text;
};

TEST_F(Switches, XyzWrittenInFixedFieldsWithItsUnit) {
  const std::vector<XyzWriteCase> cases = {
      {xyzns::M, xyz(4194423.1234L, 1162702.56789L, 4647245.1L),
       "  4194423.1234  1162702.5679  4647245.1000"},
      {xyzns::CM, xyz(1, 2, 3), "      100.0000      200.0000      300.0000"},
      // A factor of 1000 multiplies on writing (millimetres and kilometres
      // share it); any factor other than 100 and 1000 divides.
      {xyzns::KM, xyz(1, 2, 3), "     1000.0000     2000.0000     3000.0000"},
      {10, xyz(1, 2, 3), "        0.1000        0.2000        0.3000"},
  };
  for (const XyzWriteCase& c : cases) {
    xyzns::Unit = c.unit;
    EXPECT_EQ(Written(c.value), c.text) << static_cast<double>(c.unit);
  }
}

TEST_F(Switches, XyzReadWithItsUnit) {
  xyz a;
  xyzns::Unit = xyzns::CM;
  std::istringstream("100 200 300") >> a;
  EXPECT_EQ(a, xyz(1, 2, 3));
  xyzns::Unit = xyzns::KM;
  std::istringstream("1 2 3") >> a;
  EXPECT_EQ(a, xyz(1000, 2000, 3000));
  xyzns::Unit = xyzns::M;
  std::istringstream bad("1 x 3");
  bad >> a;
  EXPECT_TRUE(bad.fail());
}

TEST_F(Switches, XyztWrittenWithOrWithoutItsTime) {
  const xyzt t(1, 2, 3, 0.25L);
  EXPECT_EQ(Written(t), "        1.0000        2.0000        3.0000    0.250000");
  xyztns::PrintTime = 0;
  EXPECT_EQ(Written(t), "        1.0000        2.0000        3.0000");
  xyztns::PrintTime = 1;
  xyztns::Unit = xyztns::CM;
  xyztns::UnitT = xyztns::MS;
  EXPECT_EQ(Written(t), "      100.0000      200.0000      300.0000  250.000000");
  xyztns::Unit = xyztns::KM;  // divides, unlike xyz
  EXPECT_EQ(Written(xyzt(1000, 2000, 3000, 0)),
            "        1.0000        2.0000        3.0000    0.000000");
}

TEST_F(Switches, XyztReadWithItsUnits) {
  xyzt t;
  xyztns::Unit = xyztns::CM;
  xyztns::UnitT = xyztns::MS;
  std::istringstream("100 200 300 250") >> t;
  EXPECT_EQ(t, xyzt(1, 2, 3, 0.25L));
}

}  // namespace
