#include "PROGINC/NumField.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

double Real(const std::string& text) { return RealField(text.data(), text.size(), 0, text.size()); }

TEST(NumFieldReal, ReadsTheLongestNumberPrefix) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {{"   -116609.537", -116609.537},
               {"*.***", 0},
               {"", 0},
               {"   ", 0},
               {"12.5abc", 12.5},
               {"-.5", -0.5},
               {"+3", 3},
               {"1e3", 1000},
               {"1.5e", 1.5},
               {"2E-2x", 0.02},
               {".", 0},
               {"-", 0},
               {"nan", 0},
               {"inf", 0},
               {"0x10", 0},
               {"1e400", 0},
               {"\t7\r", 7},
               {"0.000", 0}};
  for (const Case& c : cases) EXPECT_EQ(Real(c.text), c.value) << c.text;
  EXPECT_TRUE(std::signbit(Real("-0.000")));
}

TEST(NumFieldReal, SameValueAsTheStandardConversion) {
  std::mt19937_64 random(7);
  char text[64];
  for (int i = 0; i < 200000; i++) {
    const int decimals = static_cast<int>(random() % 12);
    const double magnitude = std::ldexp(static_cast<double>(random() % 1000000007),
                                        static_cast<int>(random() % 60) - 30);
    std::snprintf(text, sizeof text, "%.*f", decimals, (random() & 1) ? -magnitude : magnitude);
    ASSERT_EQ(Real(text), std::strtod(text, nullptr)) << text;
    double whole = 0;
    ASSERT_TRUE(ReadDecimal(text, whole)) << text;
    ASSERT_EQ(whole, std::strtod(text, nullptr)) << text;
  }
  for (const char* text : {"123456789012345678901234", "0.1234567890123456789", "9007199254740993",
                           "4.9e-324", "1.7976931348623157e308", "00000000000000000000012.5"})
    EXPECT_EQ(Real(text), std::strtod(text, nullptr)) << text;
}

// The whole text or nothing: no blanks, no exponent, one point at most.
TEST(NumFieldReadDecimal, OnlyFixedPointText) {
  const struct {
    const char* text;
    bool ok;
    double value;
  } cases[] = {{"-12345.678", true, -12345.678},
               {"+2.5", true, 2.5},
               {"5.", true, 5},
               {".5", true, 0.5},
               {"57817", true, 57817},
               {"0.1234567890123456789", true, 0.1234567890123456789},
               {"123456789012345678901234", true, 123456789012345678901234.0},
               {"", false, 0},
               {".", false, 0},
               {"-", false, 0},
               {" 1.5", false, 0},
               {"1.5 ", false, 0},
               {"1e3", false, 0},
               {"1.2.3", false, 0},
               {"*.***", false, 0},
               {"nan", false, 0}};
  for (const auto& c : cases) {
    double value = 99;
    EXPECT_EQ(ReadDecimal(c.text, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

TEST(NumFieldField, StaysInsideItsColumnsAndTheLine) {
  const std::string line = "  5                   123.456";
  EXPECT_EQ(RealField(line.data(), line.size(), 3, 17), 0);  // blank field: not its neighbour
  EXPECT_EQ(RealField(line.data(), line.size(), 20, 17), 123.456);
  EXPECT_EQ(RealField(line.data(), line.size(), 29, 17), 0);  // past the line
  EXPECT_EQ(RealField(line.data(), line.size(), 500, 17), 0);
  EXPECT_EQ(IntField(line.data(), line.size(), 0, 3), 5);
  EXPECT_EQ(IntField("-12", 3, 0, 3), -12);
  EXPECT_EQ(IntField("12345", 5, 0, 3), 123);
}

TEST(NumFieldField, IntegerFieldsReadAsScanIntReadsThem) {
  std::mt19937_64 random(5);
  const char alphabet[] = "  0123456789 -+\tx";
  for (int k = 0; k < 200000; k++) {
    const size_t width = 1 + random() % 22;
    std::string field(width, ' ');
    for (char& c : field) c = alphabet[random() % (sizeof alphabet - 1)];
    if (k % 3 == 0) {  // mostly the usual shape: blanks, then digits
      const size_t blanks = random() % (width + 1);
      for (size_t i = 0; i < width; i++)
        field[i] = i < blanks ? ' ' : static_cast<char>('0' + random() % 10);
    }
    const char* p = field.data();
    long expected = 0;
    ScanInt(p, field.data() + width, expected);
    ASSERT_EQ(IntField(field.data(), width, 0, width), expected) << "\"" << field << "\"";
  }
}

TEST(NumFieldCount, DigitsOnly) {
  struct Case {
    const char* text;
    long value;
  } cases[] = {{" 12", 12}, {"  4 BASE", 4}, {"-3", 0}, {"+3", 0}, {"   ", 0}, {"7x", 7}, {"", 0}};
  for (const Case& c : cases)
    EXPECT_EQ(CountField(c.text, std::strlen(c.text), 0, 3), c.value) << c.text;
}

TEST(NumFieldScan, BlankSeparatedFields) {
  const std::string line = " 12 59479 23400.0000000     0.000  -1.5 99999999999999999999999";
  const char* p = line.data();
  const char* end = p + line.size();
  long count = 0, day = 0, huge = 0;
  double second = 0, a = 0, b = 0, none = 1;
  ASSERT_TRUE(ScanInt(p, end, count) && ScanInt(p, end, day) && ScanReal(p, end, second) &&
              ScanReal(p, end, a) && ScanReal(p, end, b) && ScanInt(p, end, huge));
  EXPECT_EQ(count, 12);
  EXPECT_EQ(day, 59479);
  EXPECT_EQ(second, 23400.0);
  EXPECT_EQ(b, -1.5);
  EXPECT_EQ(huge, LONG_MAX);
  EXPECT_FALSE(ScanReal(p, end, none));
  EXPECT_EQ(none, 0);
}

}  // namespace

namespace {

// Fields of 17 characters in the shapes files carry and in many they do
// not: blanks, a sign, digits, a point, decimals, the missing mark, junk.
std::string RandomField(std::mt19937_64& random) {
  const char alphabet[] = " -+.*e0123456789\t";
  std::uniform_int_distribution<int> pick(0, 99);
  std::string text;
  const int digits = pick(random) % 17, decimals = pick(random) % 5;
  if (pick(random) < 50) text += '-';
  for (int k = 0; k < digits; k++) text += static_cast<char>('0' + pick(random) % 10);
  if (pick(random) < 90) text += '.';
  for (int k = 0; k < decimals; k++) text += static_cast<char>('0' + pick(random) % 10);
  if (pick(random) < 10) text = "*.***";
  if (!text.empty() && pick(random) < 15)
    text[pick(random) % text.size()] = alphabet[pick(random) % (sizeof alphabet - 1)];
  if (text.size() > 17) text.resize(17);
  return std::string(17 - text.size(), ' ') + text;
}

}  // namespace

TEST(NumFieldDecimal, SameValueAsRealFieldForEveryShape) {
  std::mt19937_64 random(3);
  std::uniform_int_distribution<int> cut(0, 40);
  int differences = 0;
  for (int k = 0; k < 400000; k++) {
    std::string line = "  1" + RandomField(random) + RandomField(random);
    if (cut(random) == 0) line.resize(static_cast<size_t>(cut(random)));
    for (size_t off : {size_t(3), size_t(20)}) {
      const double fast = DecimalField(line.data(), line.size(), off, 17);
      const double general = RealField(line.data(), line.size(), off, 17);
      const bool same = fast == general && std::signbit(fast) == std::signbit(general);
      if (!same && ++differences <= 5)
        ADD_FAILURE() << "\"" << line.substr(off < line.size() ? off : line.size(), 17)
                      << "\": " << fast << " instead of " << general;
    }
  }
  EXPECT_EQ(differences, 0);
  EXPECT_EQ(DecimalField("      -98326.227", 16, 0, 16), -98326.227);
  EXPECT_EQ(DecimalField("       1234567.125", 18, 0, 18), 1234567.125);
  EXPECT_EQ(DecimalField("      12345678.125", 18, 0, 18), 12345678.125);
  EXPECT_EQ(DecimalField("    106070059.334", 17, 0, 17), 106070059.334);
  EXPECT_EQ(DecimalField(" -123456789012.125", 18, 0, 18), -123456789012.125);
  EXPECT_EQ(DecimalField("1234567890123.125", 17, 0, 17), 1234567890123.125);
  EXPECT_TRUE(std::signbit(DecimalField("       -0.000", 13, 0, 13)));
}

TEST(NumFieldDecimal, WideAndNarrowFieldsMatchRealField) {
  for (size_t width = 12; width <= 40; width++) {
    for (const std::string value :
         {"-98326.227", "7.000", "*.***", "x*.***", "-*.***", "1 2.345", "12.3456"}) {
      for (size_t stray = 0; stray < width; stray += 5) {
        std::string field = std::string(width - std::min(width, value.size()), ' ') + value;
        field.resize(width, ' ');
        if (stray + value.size() < width) field[stray] = 'x';
        const double fast = DecimalField(field.data(), field.size(), 0, width);
        const double general = RealField(field.data(), field.size(), 0, width);
        EXPECT_TRUE(fast == general && std::signbit(fast) == std::signbit(general))
            << "\"" << field << "\": " << fast << " instead of " << general;
      }
    }
  }
}
