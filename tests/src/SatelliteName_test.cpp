// Tests of the names of satellite numbers.
#include <gtest/gtest.h>

#include <sstream>

#include "src/SatelliteName.h"

namespace {

TEST(SatelliteName, LetterAndNumberBySystemRange) {
  struct Case {
    short sat;
    char letter;
    short number;
  };
  const Case cases[] = {{0, 'G', 0},     {5, 'G', 5},     {99, 'G', 99},   {100, 'R', 0},
                        {103, 'R', 3},   {199, 'R', 99},  {211, 'E', 11},  {305, 'C', 5},
                        {405, 'S', 5},   {499, 'S', 99}};
  for (const Case& c : cases) {
    EXPECT_EQ(SatLetter(c.sat), c.letter) << c.sat;
    EXPECT_EQ(SatNumberInSystem(c.sat), c.number) << c.sat;
  }
}

TEST(SatelliteName, NumbersAboveTheSystemsHaveNoLetter) {
  EXPECT_EQ(SatLetter(500), 0);
  EXPECT_EQ(SatLetter(699), 0);
}

TEST(SatelliteName, NumberInTwoDigitsLeavesBlankFill) {
  std::ostringstream out;
  WriteSatNumber(out, 7);
  out.width(4);
  out << 1;
  WriteSatNumber(out, 23);
  EXPECT_EQ(out.str(), "07   123");
}

}  // namespace
