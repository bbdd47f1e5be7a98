// Tests of a satellite's elevation at a time, from its track's points a
// minute apart: between them, near the ends, and not across a long gap.
#include "report/SkyView.h"

#include <gtest/gtest.h>

namespace {

TEST(SkyTrackElevation, BetweenPointsAndWithinAMinuteOfTheEnds) {
  SkyTrack track;
  // Points at 0, 60 and 120 s; then, after the satellite was not seen, at 3600 s.
  track.points = {{0, 10, 0}, {60, 11, 0}, {120, 13, 0}, {3600, 40, 0}};
  struct Case {
    double seconds;
    bool known;
    double elevation;
  };
  const Case cases[] = {
      {0, true, 10},    {30, true, 10.5}, {90, true, 12},   {150, true, 13},
      {180, true, 13},  {181, false, 0},  {2000, false, 0}, {3550, true, 40},
      {3600, true, 40}, {3660, true, 40}, {3661, false, 0}, {-61, false, 0},
  };
  for (const Case& c : cases) {
    double elevation = 0;
    ASSERT_EQ(ElevationAt(track, c.seconds, elevation), c.known) << c.seconds;
    if (c.known) {
      EXPECT_DOUBLE_EQ(elevation, c.elevation) << c.seconds;
    }
  }
}

}  // namespace
