// Tests of the satellite-number predicates and conversions, quirks included.
#include "GNSS/SatNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(SatNumber, LetterNumberAndSystemTestsAtTheEdgesOfEachRange) {
  struct Case {
    short sat;
    char letter;
    short number;
    bool gps, glonass, galileo, numberedGalileo;
  };
  const Case cases[] = {
      {-3, 'G', -3, true, false, false, false},  {0, 'G', 0, true, false, false, false},
      {99, 'G', 99, true, false, false, false},  {100, 'R', 0, false, true, false, false},
      {199, 'R', 99, false, true, false, false}, {200, 'E', 0, false, false, true, false},
      {201, 'E', 1, false, false, true, true},   {299, 'E', 99, false, false, true, true},
      {300, 'C', 0, false, false, false, false}, {499, 'S', 99, false, false, false, false},
      {500, '\0', 0, false, false, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sat);
    EXPECT_EQ(SatLetter(c.sat), c.letter);
    EXPECT_EQ(SatNumberInSystem(c.sat), c.number);
    EXPECT_EQ(IsGpsSat(c.sat), c.gps);
    EXPECT_EQ(IsGlonassSat(c.sat), c.glonass);
    EXPECT_EQ(IsGalileoSat(c.sat), c.galileo);
    EXPECT_EQ(IsNumberedSatOf(kGalileoPlace, c.sat), c.numberedGalileo);
  }
  // The file's system tests leave out each system's number 0 and take 1 to 99.
  EXPECT_FALSE(IsNumberedSatOf(kGpsPlace, 0));
  EXPECT_TRUE(IsNumberedSatOf(kBeiDouPlace, 399));
  EXPECT_EQ(SatNumber(kBeiDouPlace, 5), 305);
  EXPECT_EQ(GlonassSlot(GlonassSatNumber(24)), 24);
}

}  // namespace
