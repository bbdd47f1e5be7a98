// Tests of satellite names.
#include "GNSS/SatelliteName.h"

#include <gtest/gtest.h>

namespace {

TEST(SatelliteName, LetterAndNumberInAtLeastTwoDigits) {
  const struct {
    char letter;
    long number;
    const char* name;
  } cases[] = {
      {'G', 1, "G01"},  {'R', 24, "R24"},      {'E', 5, "E05"},
      {'C', 12, "C12"}, {'R', 0, "R00"},       {'G', 123, "G123"},
      {'G', -5, "G-5"}, {'G', 65531, "G65531"}};  // a negative number read as unsigned 16 bits
  for (const auto& c : cases) EXPECT_EQ(SatName(c.letter, c.number), c.name) << c.name;
}

TEST(SatelliteName, OfSatelliteNumber) {
  const struct {
    short sat;
    const char* name;
  } cases[] = {{7, "G07"}, {124, "R24"}, {205, "E05"}, {312, "C12"}, {401, "S01"}, {200, "E00"}};
  for (const auto& c : cases) EXPECT_EQ(SatName(c.sat), c.name) << c.sat;
}

}  // namespace
