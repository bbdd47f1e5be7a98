#include "PROGINC/FixedFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

int LibraryLength(char* text, size_t room, long double value, int width, int decimals, char pad) {
  return std::snprintf(text, room, pad == '0' ? "%0*.*Lf" : "%*.*Lf", width, decimals, value);
}

std::string Library(long double value, int width, int decimals, char pad = ' ') {
  char text[512];
  LibraryLength(text, sizeof text, value, width, decimals, pad);
  return text;
}

// The text, and the full length reported as the library reports it.
std::string Fast(long double value, int width, int decimals, char pad = ' ') {
  char text[512], expected[512];
  const int length = FormatFixed(text, sizeof text, value, width, decimals, pad);
  EXPECT_EQ(length, LibraryLength(expected, sizeof expected, value, width, decimals, pad));
  return text;
}

// Counts the values whose text differs from the library's and shows the first few.
class Comparison {
 public:
  void Check(long double value, int width, int decimals, char pad = ' ') {
    const std::string expected = Library(value, width, decimals, pad);
    const std::string got = Fast(value, width, decimals, pad);
    if (got == expected) return;
    if (++differences_ <= 5)
      ADD_FAILURE() << "value " << Library(value, 0, 25) << " width " << width << " decimals "
                    << decimals << ": \"" << got << "\" instead of \"" << expected << "\"";
  }
  // The value and the values a few ulps to either side.
  void CheckAround(long double value, int width, int decimals) {
    long double below = value, above = value;
    for (int k = 0; k < 4; k++) {
      Check(below, width, decimals);
      Check(above, width, decimals);
      below = std::nextafter(below, -std::numeric_limits<long double>::infinity());
      above = std::nextafter(above, std::numeric_limits<long double>::infinity());
    }
  }
  int differences() const { return differences_; }

 private:
  int differences_ = 0;
};

TEST(FixedFormat, SpecialValuesAsTheLibrary) {
  const long double inf = std::numeric_limits<long double>::infinity();
  const long double values[] = {0.0L,
                                -0.0L,
                                0.0625L,
                                -0.0625L,
                                0.1875L,
                                2.5L,
                                3.5L,
                                -2.5L,
                                1e-5L,
                                -1e-5L,
                                0.00049999L,
                                -0.0005L,
                                0.0005L,
                                1e18L,
                                -9.3e18L,
                                1e30L,
                                1e300L,
                                std::numeric_limits<long double>::denorm_min(),
                                std::numeric_limits<long double>::max(),
                                inf,
                                -inf,
                                std::numeric_limits<long double>::quiet_NaN()};
  Comparison compare;
  for (long double v : values)
    for (int decimals : {0, 1, 3, 7, 13, 18, 19, 30})
      for (int width : {0, 5, 16, 17, 70}) compare.Check(v, width, decimals);
  EXPECT_EQ(compare.differences(), 0);
}

TEST(FixedFormat, ZeroPaddingGoesAfterTheSign) {
  EXPECT_EQ(Fast(-1.5L, 7, 1, '0'), "-0001.5");
  EXPECT_EQ(Fast(7.125L, 6, 3, '0'), "07.125");
  EXPECT_EQ(Fast(59.96L, 4, 1, '0'), "60.0");
  Comparison compare;
  for (long double v : {-1.5L, 7.125L, 59.95L, 0.05L, -0.0L, 86399.95L, 12345678.5L})
    for (int decimals = 0; decimals <= 7; decimals++) compare.Check(v, decimals + 3, decimals, '0');
  EXPECT_EQ(compare.differences(), 0);
}

// Halves at three decimals are the odd multiples of 1/16; halves of the
// decimal grid that binary cannot hold lie within an ulp of the nearest value.
TEST(FixedFormat, ThreeDecimalsNearEveryRoundingBoundary) {
  Comparison compare;
  std::mt19937_64 random(20240624);
  std::uniform_int_distribution<long long> odd(-2000000000LL, 2000000000LL);
  for (int k = 0; k < 150000; k++) {
    const long long n = odd(random) | 1;
    compare.CheckAround(static_cast<long double>(n) / 16.0L, 16, 3);
    compare.CheckAround((static_cast<long double>(n) + 0.0L) / 2000.0L, 16, 3);
  }
  EXPECT_EQ(compare.differences(), 0);
}

// Whole parts around every power of ten, where the number of digits changes,
// in fields just too narrow, just wide enough and wide for the digits,
// up to and past the widest whole part written without the library.
TEST(FixedFormat, ThreeDecimalsAtEveryDigitCountAsTheLibrary) {
  Comparison compare;
  long double power = 1.0L;
  for (int k = 0; k <= 20; k++, power *= 10.0L) {
    for (long double v : {power, power - 0.001L, power - 0.0005L, power + 0.001L, power / 2}) {
      for (int width : {0, 7, 8, 9, 16, 21, 32}) {
        compare.CheckAround(v, width, 3);
        compare.CheckAround(-v, width, 3);
      }
    }
  }
  EXPECT_EQ(compare.differences(), 0);
}

TEST(FixedFormat, RandomValuesOfEveryMagnitudeAsTheLibrary) {
  Comparison compare;
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> fraction(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-70, 70);
  std::uniform_int_distribution<int> decimals(0, 9);
  for (int k = 0; k < 1500000; k++) {
    const long double v = std::ldexp(static_cast<long double>(fraction(random)) +
                                         static_cast<long double>(fraction(random)) * 1e-16L,
                                     exponent(random));
    compare.Check(v, 16, 3);
    if (k % 4 == 0) compare.Check(v, 14, decimals(random));
  }
  EXPECT_EQ(compare.differences(), 0);
}

TEST(FixedFormat, ObservationLikeValuesAsTheLibrary) {
  // Values as read from files (three decimals through double) and their
  // combinations in extended precision.
  Comparison compare;
  std::mt19937_64 random(11);
  std::uniform_int_distribution<long long> millimetres(-30000000000LL, 30000000000LL);
  for (int k = 0; k < 500000; k++) {
    const double read = static_cast<double>(millimetres(random)) / 1000.0;
    const long double combined = 0.19029367279836488L * read - 0.24421021342456826L * (read / 3);
    compare.Check(read, 16, 3);
    compare.Check(combined, 16, 3);
  }
  EXPECT_EQ(compare.differences(), 0);
}

TEST(FixedFormat, TextLongerThanTheRoomIsCutAsTheLibraryCutsIt) {
  char text[8];
  EXPECT_EQ(FormatFixed(text, sizeof text, -12345.678L, 16, 3), 16);
  EXPECT_STREQ(text, "      -");
  EXPECT_EQ(FormatFixed(text, sizeof text, 1.5L, 0, 1), 3);
  EXPECT_STREQ(text, "1.5");
}

TEST(FixedFormat, WordsRightAlignedAsTheLibrary) {
  for (int width : {0, 3, 5, 16}) {
    char text[32], expected[32];
    EXPECT_EQ(FormatRightAligned(text, sizeof text, "*.***", width),
              std::snprintf(expected, sizeof expected, "%*s", width, "*.***"));
    EXPECT_STREQ(text, expected);
  }
}

}  // namespace

namespace {

// Whole units as decimal text built from the integer alone.
std::string UnitsText(long long units, int width, int decimals) {
  const bool negative = units < 0;
  std::string digits = std::to_string(negative ? 0 - static_cast<unsigned long long>(units)
                                               : static_cast<unsigned long long>(units));
  if (static_cast<int>(digits.size()) <= decimals)
    digits.insert(0, decimals + 1 - digits.size(), '0');
  if (decimals > 0) digits.insert(digits.size() - decimals, ".");
  if (negative) digits.insert(0, "-");
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), ' ');
  return digits;
}

TEST(FixedFormat, WholeUnitsAsTheirDecimalText) {
  char field[6] = "#####";
  EXPECT_FALSE(WriteUnits(field, 5, -1000, 3));  // "-1.000" is six characters
  EXPECT_STREQ(field, "#####");
  EXPECT_TRUE(WriteUnits(field, 5, 5, 3));
  EXPECT_STREQ(field, "0.005");
  std::mt19937_64 random(5);
  std::uniform_int_distribution<long long> any(-40000000000000LL, 40000000000000LL);
  std::vector<long long> cases = {
      1, -1, 999, -1000, 1000, 123456789012345LL, -9223372036854775807LL - 1};
  for (int k = 0; k < 200000; k++) cases.push_back(any(random) >> (k % 40));
  char text[64];
  for (const long long units : cases) {
    for (const int decimals : {0, 3, 7}) {
      const int length = FormatUnits(text, sizeof text, units, 17, decimals);
      const std::string expected = UnitsText(units, 17, decimals);
      ASSERT_EQ(std::string(text), expected) << units;
      ASSERT_EQ(length, static_cast<int>(expected.size()));
      // In place in exactly 17 characters, or refused when longer.
      std::string inPlace(17, '#');
      ASSERT_EQ(WriteUnits(&inPlace[0], 17, units, decimals), expected.size() <= 17) << units;
      if (expected.size() <= 17) {
        ASSERT_EQ(inPlace, expected) << units;
      }
    }
  }
}

}  // namespace
