// Tests of gnssobsshort: absence threshold, reader and stream layouts,
// including the absent zero written in the stream's current precision.
#include "GNSS/gnssobsshort.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "GNSS/gnssobs.h"
#include "tests/support/observation_values.h"

namespace {

gnssobsshort Doppler(long double value) {
  gnssobsshort d;
  d.obs = value;
  return d;
}

class GnssobsshortPrint : public ::testing::Test {
 protected:
  void TearDown() override { RestoreObsPrintSwitches(); }
};

TEST_F(GnssobsshortPrint, LayoutsForPresentAndAbsentValues) {
  struct Case {
    long double value;
    unsigned short printType;
    int width;
    const char* expected;
  };
  const Case cases[] = {
      {-1234.5678L, gnssobsshortns::NORINEX, 14, " -1234.568 0 0"},
      {0.0L, gnssobsshortns::NORINEX, 14, "     *.*** * *"},
      {-1234.5678L, gnssobsshortns::RINEX, 14, "     -1234.568  "},
      {0.0L, gnssobsshortns::RINEX, 14, "         0.000  "},
      {12.25L, gnssobsshortns::NOLLISSI, 16, "          12.250"},
      {0.0L, gnssobsshortns::NOLLISSI, 16, "           0.000"},
      {0.00001L, gnssobsshortns::NOLLISSI, 16, "           0.000"},
      {12.25L, 3, 14, ""},
      {0.0L, 3, 14, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    gnssobsshortns::PrintType = c.printType;
    gnssobsshortns::Width = c.width;
    std::ostringstream out;
    out.precision(3);
    out << Doppler(c.value);
    EXPECT_EQ(out.str(), c.expected);
  }
}

TEST_F(GnssobsshortPrint, AbsentZeroUsesThePrecisionTheStreamHolds) {
  gnssobsshortns::PrintType = gnssobsshortns::NOLLISSI;
  gnssobsshortns::Width = 16;
  gnssobsns::PrintType = gnssobsns::NOLLISSI;
  gnssobsns::Width = 16;

  std::ostringstream afterDate;
  afterDate << std::fixed;
  afterDate.precision(1);
  afterDate << Doppler(0.0L);
  EXPECT_EQ(afterDate.str(), "             0.0");

  gnssobs code;
  code.obs = 21000000.5L;
  std::ostringstream afterValue;
  afterValue.precision(1);
  afterValue << code << Doppler(0.0L);
  EXPECT_EQ(afterValue.str(), "    21000000.500           0.000");

  // A scientific stream is switched to fixed notation, keeping its precision of 6.
  std::ostringstream untouched;
  untouched << std::scientific << Doppler(0.0L);
  EXPECT_EQ(untouched.str(), "        0.000000");
}

TEST(GnssobsshortAbsence, IsNullIsStrictAtOneHundredThousandth) {
  EXPECT_TRUE(Doppler(0.0L).IsNull());
  EXPECT_TRUE(Doppler(-0.000009L).IsNull());
  EXPECT_FALSE(Doppler(0.00001L).IsNull());
  EXPECT_FALSE(Doppler(0.00005L).IsNull());
}

TEST(GnssobsshortReader, ReadsColumnsOneToFourteenOnly) {
  struct Case {
    const char* text;
    double obs;
  };
  const Case cases[] = {
      {"     -1234.567", -1234.567}, {"         *.***", 0.0}, {"  12.5", 12.5}, {"", 0.0},
      {"      1.00000099", 1.0},
  };
  for (const Case& c : cases) {
    gnssobsshort d = Doppler(5.0L);
    d >> c.text;
    EXPECT_EQ(d.obs, static_cast<long double>(c.obs)) << c.text;
  }
}

}  // namespace
