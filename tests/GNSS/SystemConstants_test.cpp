// Tests of the systems' constant records and their loading into GLC.
#include "GNSS/SystemConstants.h"

#include <gtest/gtest.h>

#include <thread>

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

// What one thread loads is its own; the set it reads back, loaded with every
// group, gives another thread the same set, history included (a GLONASS set
// keeps the Galileo carriers loaded before it).
TEST(SystemConstants, EachThreadHasItsOwnSetAndTheLoadedSetCarriesOver) {
  LoadGLC(kGalileoConstants, kAllGlcGroups);
  LoadGLC(GlonassConstants(2), kAllGlcGroups);
  const SystemConstants loaded = LoadedGLC();
  SystemConstants fresh{}, carried{};
  std::thread other([&] {
    fresh = LoadedGLC();
    LoadGLC(loaded, kAllGlcGroups);
    carried = LoadedGLC();
    LoadGLC(kGpsConstants, kAllGlcGroups);
  });
  other.join();
  EXPECT_EQ(fresh.lamb1, GPSc::lamb1);
  EXPECT_EQ(fresh.lamb8, GALILEOc::lamb8);
  for (long double SystemConstants::*value :
       {&SystemConstants::LCion1, &SystemConstants::LCion2, &SystemConstants::LCwl1,
        &SystemConstants::LCwl2, &SystemConstants::LCnl1, &SystemConstants::LCnl2,
        &SystemConstants::alpha, &SystemConstants::lamb1, &SystemConstants::lamb2,
        &SystemConstants::lamb5, &SystemConstants::lamb8})
    EXPECT_EQ(carried.*value, loaded.*value);
  EXPECT_EQ(loaded.lamb5, GALILEOc::lamb5);
  EXPECT_EQ(GLC::lamb1, GLONASSc::lamb(2, 0));  // this thread's set is untouched
}

}  // namespace
