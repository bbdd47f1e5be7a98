// Tests of gnssobs: absence thresholds, arithmetic, the fixed-column reader
// and the stream layouts with the stream state they leave behind.
#include "GNSS/gnssobs.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "GNSS/gnssobsshort.h"
#include "matrix/matrix.h"
#include "tests/support/observation_values.h"

namespace {

// Restores the process-wide print switches after each test.
class GnssobsPrint : public ::testing::Test {
 protected:
  void TearDown() override { RestoreObsPrintSwitches(); }
  static std::string Written(const gnssobs& o, unsigned short printType, int width = 14) {
    gnssobsns::PrintType = printType;
    gnssobsns::Width = width;
    std::ostringstream out;
    out << o;
    return out.str();
  }
};

TEST_F(GnssobsPrint, LayoutsForPresentAndAbsentValues) {
  struct Case {
    long double value;
    unsigned short printType;
    int width;
    const char* expected;
  };
  const Case cases[] = {
      {1234.5678L, gnssobsns::NORINEX, 14, "      1234.568 1 7"},
      {0.0L, gnssobsns::NORINEX, 14, "         *.*** * *"},
      {1234.5678L, gnssobsns::RINEX, 14, "      1234.56817"},
      {0.0L, gnssobsns::RINEX, 14, "         0.000  "},
      {1234.5678L, gnssobsns::NOLLISSI, 16, "        1234.568"},
      {0.0L, gnssobsns::NOLLISSI, 16, "           *.***"},
      {-0.00002L, gnssobsns::NORINEX, 14, "        -0.000 1 7"},
      {-0.00002L, gnssobsns::RINEX, 14, "        -0.00017"},
      // Printed as a number although absent for the arithmetic.
      {0.00005L, gnssobsns::NOLLISSI, 16, "           0.000"},
      // The print test is strict: exactly 0.00001 is written as absent.
      {0.00001L, gnssobsns::NOLLISSI, 17, "            *.***"},
      {1234.5678L, 3, 14, ""},
      {0.0L, 3, 14, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(Written(Obs(c.value, 1, 7), c.printType, c.width), c.expected);
  }
}

TEST_F(GnssobsPrint, LeavesFixedNotationAndPrecisionThreeAfterAValue) {
  gnssobsns::PrintType = gnssobsns::NOLLISSI;
  std::ostringstream out;
  out.precision(1);
  out << Obs(2.0L) << " " << 0.5L;
  EXPECT_EQ(out.str(), "         2.000 0.500");
  EXPECT_TRUE(out.flags() & std::ios::fixed);
}

TEST_F(GnssobsPrint, AbsentValueLeavesThePrecisionAlone) {
  gnssobsns::PrintType = gnssobsns::NOLLISSI;
  std::ostringstream out;
  out.precision(1);
  out << Obs(0.0L) << " " << 0.5L;
  EXPECT_EQ(out.str(), "         *.*** 0.5");
}

TEST(GnssobsAbsence, IsNullIsStrictAtOneTenThousandth) {
  EXPECT_TRUE(Obs(0.0L).IsNull());
  EXPECT_TRUE(Obs(0.00005L).IsNull());
  EXPECT_TRUE(Obs(-0.00009L).IsNull());
  EXPECT_FALSE(Obs(0.0001L).IsNull());
  EXPECT_FALSE(Obs(-0.0001L).IsNull());
}

TEST(GnssobsArithmetic, DifferenceAndSumCarryAbsenceAndClearIndicators) {
  struct Case {
    long double a, b, difference, sum;
  };
  const Case cases[] = {
      {10.0L, 4.0L, 6.0L, 14.0L},
      {10.0L, 0.0L, 0.0L, 0.0L},
      {0.0L, 4.0L, 0.0L, 0.0L},
      {10.0L, 0.00005L, 0.0L, 0.0L},
      {0.0001L, 0.0003L, -0.0002L, 0.0004L},
  };
  for (const Case& c : cases) {
    const gnssobs a = Obs(c.a, 1, 9);
    const gnssobs b = Obs(c.b, 2, 8);
    for (const gnssobs& result : {a - b, a + b}) {
      EXPECT_EQ(result.lli, 0);
      EXPECT_EQ(result.ss, 0);
    }
    EXPECT_EQ((a - b).obs, c.difference) << c.a << " - " << c.b;
    EXPECT_EQ((a + b).obs, c.sum) << c.a << " + " << c.b;
  }
}

TEST(GnssobsArithmetic, ScalingKeepsIndicatorsInEitherOrder) {
  const gnssobs a = Obs(2.5L, 1, 6);
  for (const gnssobs& scaled : {a * 4.0L, 4.0L * a}) {
    EXPECT_EQ(scaled.obs, 10.0L);
    EXPECT_EQ(scaled.lli, 1);
    EXPECT_EQ(scaled.ss, 6);
  }
  EXPECT_EQ((3.0L * Obs(0.0L, 1, 1)).obs, 0.0L);
}

TEST(GnssobsArithmetic, ScaledValueCanFallBelowTheAbsenceThreshold) {
  const gnssobs scaled = 0.19L * Obs(0.0002L);
  EXPECT_TRUE(scaled.IsNull());
  EXPECT_EQ((Obs(5.0L) - scaled).obs, 0.0L);
}

TEST(GnssobsAssignment, NumberClearsIndicatorsAndAddingKeepsThem) {
  gnssobs o = Obs(1.0L, 1, 5);
  o += 2.0L;
  EXPECT_EQ(o.obs, 3.0L);
  EXPECT_EQ(o.lli, 1);
  EXPECT_EQ(o.ss, 5);
  o = 7.0L;
  EXPECT_EQ(o.obs, 7.0L);
  EXPECT_EQ(o.lli, 0);
  EXPECT_EQ(o.ss, 0);
}

TEST(GnssobsReader, ReadsValueAndIndicatorColumns) {
  struct Case {
    const char* text;
    long double obs;
    unsigned short lli, ss;
  };
  const Case cases[] = {
      {"    123456.78915", static_cast<long double>(123456.789), 1, 5},
      {"    123456.789  ", static_cast<long double>(123456.789), 0, 0},
      {"        -1.250 9", -1.25L, 0, 9},
      {"         *.***  ", 0.0L, 0, 0},
      // Columns 15 and 16 hold something other than digits: no indicator.
      {"         2.000*A", 2.0L, 0, 0},
      // A text that ends early: nothing is read past its end.
      {"         3.5", 3.5L, 0, 0},
      {"       12.5001", 12.5001L, 0, 0},
      {"              7", 0.0L, 7, 0},
      {"", 0.0L, 0, 0},
      // The value field ends at column 14 even when digits run on.
      {"1234567890123456789", 12345678901234.0L, 5, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    gnssobs o = Obs(99.0L, 3, 3);
    o >> c.text;
    EXPECT_EQ(o.obs, static_cast<long double>(static_cast<double>(c.obs)));
    EXPECT_EQ(o.lli, c.lli);
    EXPECT_EQ(o.ss, c.ss);
  }
}

// Series are allocated zero-filled rather than constructed: every entry
// must still read as a default one, also where the memory held values just
// before, for blocks small and large.
TEST(GnssobsSeries, NewEntriesAreAbsentWithoutIndicatorsEvenInReusedMemory) {
  for (long n : {3L, 5000L, 600000L}) {
    for (int round = 0; round < 2; round++) {
      matrix<gnssobs> obs(n, 1);
      matrix<gnssobsshort> doppler(n, 1);
      long dirty = 0;
      for (long k = 0; k < n; k++) {
        if (obs(k).obs != 0 || obs(k).lli != 0 || obs(k).ss != 0 || doppler(k).obs != 0) dirty++;
        obs(k) = Obs(123.456L, 7, 9);
        doppler(k) = -4.5L;
      }
      EXPECT_EQ(dirty, 0) << n << " entries, round " << round;
    }
  }
}

}  // namespace
