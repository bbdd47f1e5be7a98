// Tests of the systems' constant records and their loading into GLC.
#include "GNSS/SystemConstants.h"

#include <gtest/gtest.h>

#include "GNSS/GNSSLinCombs.h"

namespace {

TEST(SystemConstants, GpsAndSetGlonassSlotsOnly) {
  GLONASSc::SetFrequency(-7, 2);  // slot 3
  SystemConstants k{};
  ASSERT_TRUE(GpsGlonassConstants(5, k));
  EXPECT_EQ(k.lamb2, GPSc::lamb2);
  EXPECT_EQ(k.lamb8, 0.0L);
  ASSERT_TRUE(GpsGlonassConstants(103, k));
  EXPECT_EQ(k.lamb1, GLONASSc::lamb(2, 0));
  EXPECT_EQ(k.LCion1, GLONASSc::LCion1);
  EXPECT_EQ(k.lamb5, 0.0L);
  for (short sat : {100, 104, 133, 199, 211, 305}) EXPECT_FALSE(GpsGlonassConstants(sat, k)) << sat;
}

TEST(SystemConstants, LoadingChangesTheChosenGroupsAndNoCarrierTheSystemLacks) {
  LoadGLC(kGalileoConstants, kAllGlcGroups);
  EXPECT_EQ(GLC::lamb8, GALILEOc::lamb8);
  LoadGLC(GlonassConstants(2), kAllGlcGroups);
  EXPECT_EQ(GLC::alpha, GLONASSc::alpha);
  EXPECT_EQ(GLC::lamb5, GALILEOc::lamb5);  // GLONASS has no L5 carrier: unchanged
  LoadGLC(kGpsConstants, kWideLaneGroup);
  EXPECT_EQ(GLC::LCwl1, GPSc::LCwl1);
  EXPECT_EQ(GLC::LCion1, GLONASSc::LCion1);
  EXPECT_EQ(GLC::lamb1, GLONASSc::lamb(2, 0));
}

}  // namespace
