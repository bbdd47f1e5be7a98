// Tests of the whole-file combination series of the epoch records: which
// records each block forms, with which coefficients, and the header flags.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GNSS/GNSSLinCombs.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/mGNSSc.h"
#include "tests/support/epoch_records.h"

namespace {

const long double kTol = 1e-9L;

// Slot 2 (satellite 102) gets channel 1; no other slot is ever set here.
void SetSlot2() { GLONASSc::SetFrequency(1, 1); }
long double Slot2Lamb(int col) { return GLONASSc::lamb(1, col); }

class CombinationSeries : public ::testing::Test {
 protected:
  PhsDiffHeader head;
  PhsDiffData data{head};

  void SetUp() override { SetSlot2(); }

  // One epoch holding the given satellites, one record each.
  void OneEpoch(const std::vector<short>& sats) { SetEpochs(data, {{0, sats}}); }
};

TEST_F(CombinationSeries, GalileoAloneGetsL3AndL4WhenL2IsMissing) {
  OneEpoch({5, 102, 211});
  head.iL1 = head.iL7 = true;
  FillSeries(data.L1, {100, 200, 300});
  FillSeries(data.L7, {50, 60, 250});

  data.SetLC_L3();
  data.SetLC_L4();

  EXPECT_TRUE(head.iL3);
  EXPECT_TRUE(head.iL4);
  for (long k : {0, 1}) {
    EXPECT_TRUE(data.L3(k).IsNull()) << k;
    EXPECT_TRUE(data.L4(k).IsNull()) << k;
  }
  EXPECT_NEAR(data.L4(2).obs, GALILEOc::lamb1 * 300 - GALILEOc::lamb2 * 250, kTol);
  EXPECT_NEAR(data.L3(2).obs,
              GALILEOc::LCion1 * GALILEOc::lamb1 * 300 - GALILEOc::LCion2 * GALILEOc::lamb2 * 250,
              kTol);
}

TEST_F(CombinationSeries, GenuineZeroIsKeptAsSmallValueExceptInGalileoL4) {
  OneEpoch({5, 211, 6});
  head.iL1 = head.iL2 = head.iL7 = true;
  // Phases in cycles whose combination comes out (numerically) 0 m.
  const long double gpsL4L1 = GPSc::lamb2 * 1000;
  const long double gpsL4L2 = GPSc::lamb1 * 1000;
  FillSeries(data.L1, {gpsL4L1, GALILEOc::lamb2 * 1000, GPSc::LCwl2 * GPSc::lamb2 * 1000});
  FillSeries(data.L2, {gpsL4L2, 0, GPSc::LCwl1 * GPSc::lamb1 * 1000});
  FillSeries(data.L7, {0, GALILEOc::lamb1 * 1000, 0});
  data.L1(0).lli = 1;

  data.SetLC_L4();
  data.SetLC_L5();

  EXPECT_EQ(data.L4(0).obs, 0.0005L);
  EXPECT_EQ(data.L4(0).lli, 0);
  EXPECT_TRUE(data.L4(1).IsNull());  // Galileo block: no small-value rule
  EXPECT_EQ(data.LC5(2).obs, 0.0005L);
  EXPECT_TRUE(head.iLC5);
}

TEST_F(CombinationSeries, IonosphereFreeCodeUsesEachSystemsCoefficients) {
  OneEpoch({5, 102, 211});
  head.iC1 = head.iP1 = head.iP2 = true;
  const std::vector<long double> code1 = {20000100, 20000200, 20000300};
  FillSeries(data.C1, code1);
  FillSeries(data.P1, code1);
  FillSeries(data.P2, {20000110, 20000220, 20000330});
  FillSeries(data.C7, {0, 0, 20000333});
  GLC::LCion1 = 99;  // whatever a caller left loaded must not matter
  GLC::LCion2 = 98;

  data.SetLC_PC3();
  EXPECT_TRUE(head.iPC3);
  EXPECT_NEAR(data.PC3(0).obs, GPSc::LCion1 * 20000100 - GPSc::LCion2 * 20000110, 1e-6);
  EXPECT_NEAR(data.PC3(1).obs, 2.53125L * 20000200 - 1.53125L * 20000220, 1e-6);
  EXPECT_TRUE(data.PC3(2).IsNull());  // no C7 in the file

  head.iC7 = true;
  GLC::LCion1 = 99;
  data.SetLC_PP3();
  EXPECT_TRUE(head.iPP3);
  EXPECT_NEAR(data.PP3(1).obs, 2.53125L * 20000200 - 1.53125L * 20000220, 1e-6);
  EXPECT_NEAR(data.PP3(2).obs, GALILEOc::LCion1 * 20000300 - GALILEOc::LCion2 * 20000333, 1e-6);
}

TEST_F(CombinationSeries, MelbourneWuebbenaNeedsTheChosenFirstCode) {
  OneEpoch({5});
  head.iP1 = head.iP2 = head.iL1 = head.iL2 = true;
  head.iMW = true;
  FillSeries(data.P1, {20000100});
  FillSeries(data.P2, {20000110});
  FillSeries(data.L1, {105000000});
  FillSeries(data.L2, {81800000});
  FillSeries(data.MW, {7});

  data.SetLC_MW(true);  // no C1 in the file
  EXPECT_FALSE(head.iMW);
  EXPECT_EQ(data.MW(0).obs, 7);

  data.SetLC_MW(false);
  EXPECT_TRUE(head.iMW);
  const long double wideLane =
      GPSc::LCwl1 * GPSc::lamb1 * 105000000 - GPSc::LCwl2 * GPSc::lamb2 * 81800000;
  const long double narrowLane = GPSc::LCnl1 * 20000100 + GPSc::LCnl2 * 20000110;
  EXPECT_NEAR(data.MW(0).obs, wideLane - narrowLane, 1e-6);
}

TEST_F(CombinationSeries, CodeMinusPhaseTakesEachRecordsOwnWavelength) {
  OneEpoch({5, 102, 211, 305});
  head.iC1 = head.iL1 = true;
  FillSeries(data.C1, {20000000, 20000000, 20000000, 20000000});
  FillSeries(data.L1, {1000, 1000, 1000, 1000});

  data.SetLC_CL1();

  EXPECT_TRUE(head.iCL1);
  EXPECT_NEAR(data.CL1(0).obs, 20000000 - GPSc::lamb1 * 1000, kTol);
  EXPECT_NEAR(data.CL1(1).obs, 20000000 - Slot2Lamb(0) * 1000, kTol);
  // After a GLONASS record, Galileo still gets its own E1 wavelength.
  EXPECT_NEAR(data.CL1(2).obs, 20000000 - GALILEOc::lamb1 * 1000, kTol);
  EXPECT_TRUE(data.CL1(3).IsNull());  // no wavelength known for this system
}

// GLONASS records whose slot has no wavelengths (never set, or no table row)
// and records of systems without an L1/L2 pair give absent values, never
// values scaled by a zero or a borrowed wavelength.
TEST_F(CombinationSeries, RecordsWithoutKnownWavelengthsStayAbsent) {
  OneEpoch({102, 105, 100, 150, 305});
  head.iC1 = head.iP2 = head.iL1 = head.iL2 = true;
  FillSeries(data.C1, {20000100, 20000100, 20000100, 20000100, 20000100});
  FillSeries(data.P2, {20000110, 20000110, 20000110, 20000110, 20000110});
  FillSeries(data.L1, {105000000, 105000000, 105000000, 105000000, 105000000});
  FillSeries(data.L2, {81800000, 81800000, 81800000, 81800000, 81800000});

  struct Case {
    const char* name;
    std::function<void()> form;
    const matrix<gnssobs>& series;
  };
  const std::vector<Case> cases = {
      {"L3", [&] { data.SetLC_L3(); }, data.L3},     {"L4", [&] { data.SetLC_L4(); }, data.L4},
      {"L5", [&] { data.SetLC_L5(); }, data.LC5},    {"CL1", [&] { data.SetLC_CL1(); }, data.CL1},
      {"MW", [&] { data.SetLC_MW(true); }, data.MW},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.form();
    ASSERT_EQ(c.series.r, 5);
    EXPECT_FALSE(c.series(0).IsNull());  // slot 2 is set
    for (long k = 1; k < 5; k++) EXPECT_EQ(c.series(k).obs, 0) << "record " << k;
  }
}

}  // namespace
