// Tests of fixed-column fields and the numbers they hold.
#include "PROGINC/TextField.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(TextField, FieldsStopAtTheLineEndAndTrimBlanksOnly) {
  const std::string_view line = "  G05 12.5\t ";
  EXPECT_EQ(Field(line, 2, 3), "G05");
  EXPECT_EQ(Field(line, 10, 5), "\t ");
  EXPECT_EQ(Field(line, 12, 5), "");
  EXPECT_EQ(TrimmedField(line, 0, 6), "G05");
  EXPECT_EQ(Trimmed(line), "G05 12.5\t");
  EXPECT_EQ(TrimmedRight("  ab  "), "  ab");
  EXPECT_EQ(Trimmed("     "), "");
}

TEST(TextField, WholeNumbersWithBlanksAroundAndASign) {
  const struct {
    const char* field;
    bool ok;
    int value;
  } cases[] = {{" 2024", true, 2024},
               {"  6 ", true, 6},
               {"-12", true, -12},
               {"+7", true, 7},
               {"999999999", true, 999999999},
               {"   ", false, 0},
               {"", false, 0},
               {"1000000000", false, 0},
               {"1 2", false, 0},
               {"- 5", false, 0},
               {"5.", false, 0},
               {"0x1", false, 0},
               {"+", false, 0}};
  for (const auto& c : cases) {
    int asInt = 99;
    long asLong = 99;
    EXPECT_EQ(ReadWhole(c.field, asInt), c.ok) << c.field;
    EXPECT_EQ(ReadWhole(c.field, asLong), c.ok) << c.field;
    EXPECT_EQ(asInt, c.ok ? c.value : 99) << c.field;
    EXPECT_EQ(asLong, c.ok ? c.value : 99) << c.field;
  }
}

TEST(TextField, CountsAreRightAlignedDigits) {
  const struct {
    const char* line;
    size_t from, width;
    long count;
  } cases[] = {{"  12", 0, 4, 12}, {"x  7y", 1, 3, 7}, {"    ", 0, 4, -1},
               {" 12 ", 0, 4, -1}, {" -1", 0, 3, -1},  {" +1", 0, 3, -1},
               {"1 2", 0, 3, -1},  {" 12", 1, 3, -1},  {"007", 0, 3, 7}};
  for (const auto& c : cases) EXPECT_EQ(ReadCount(c.line, c.from, c.width), c.count) << c.line;
}

// Only the shape of the field is a value: a field cut short, shifted by a
// column or without its point is refused, never read as another number.
TEST(TextField, FixedPointUnitsOnlyInTheFieldsShape) {
  const struct {
    const char* field;
    size_t width;
    int decimals;
    bool ok;
    int64_t units;
  } cases[] = {{"              ", 14, 3, true, 0},
               {"  24801780.917", 14, 3, true, 24801780917},
               {" -41706426.668", 14, 3, true, -41706426668},
               {"         -.125", 14, 3, true, -125},
               {"9999999999.999", 14, 3, true, 9999999999999},
               {"-999999999.999", 14, 3, true, -999999999999},
               {"   -0.123456789", 15, 9, true, -123456789},
               {"        -0.5  ", 14, 3, false, 0},
               {"      20225721", 14, 3, false, 0},
               {"  19626525", 14, 3, false, 0},
               {"  24801780.91", 14, 3, false, 0},
               {" 24801780.9170", 14, 3, false, 0},
               {"  +4801780.917", 14, 3, false, 0},
               {"  -48-1780.917", 14, 3, false, 0},
               {"     ***.***  ", 14, 3, false, 0},
               {"          -.  ", 14, 3, false, 0},
               {"12.5", 4, 4, false, 0}};
  for (const auto& c : cases) {
    int64_t units = 99;
    EXPECT_EQ(ReadUnits(c.field, c.width, c.decimals, units), c.ok) << c.field;
    if (c.ok) {
      EXPECT_EQ(units, c.units) << c.field;
    }
  }
}

}  // namespace
