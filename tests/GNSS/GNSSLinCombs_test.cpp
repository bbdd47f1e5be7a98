// Tests of the linear combinations: start values of GLC, the combinations'
// defining properties on synthetic observations, and absence in the gnssobs
// forms.
#include "GNSS/GNSSLinCombs.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "GNSS/mGNSSc.h"
#include "tests/support/observation_values.h"

namespace {

// The twelve variables of GLC, in declaration order.
long double* const kGlc[] = {&GLC::LCion1, &GLC::LCion2, &GLC::LCwl1, &GLC::LCwl2,
                             &GLC::LCnl1,  &GLC::LCnl2,  &GLC::lamb1, &GLC::lamb2,
                             &GLC::lamb5,  &GLC::lamb3,  &GLC::lamb8, &GLC::alpha};
using CoefficientSet = std::array<long double, 12>;

CoefficientSet Current() {
  CoefficientSet s;
  for (std::size_t k = 0; k < s.size(); k++) s[k] = *kGlc[k];
  return s;
}

void Load(const CoefficientSet& s) {
  for (std::size_t k = 0; k < s.size(); k++) *kGlc[k] = s[k];
}

const CoefficientSet kStartSet = Current();

const CoefficientSet kGps = {GPSc::LCion1, GPSc::LCion2,    GPSc::LCwl1,     GPSc::LCwl2,
                             GPSc::LCnl1,  GPSc::LCnl2,     GPSc::lamb1,     GPSc::lamb2,
                             GPSc::lamb5,  GLONASSc::lamb3, GALILEOc::lamb8, GPSc::alpha};

const CoefficientSet kGalileo = {GALILEOc::LCion1, GALILEOc::LCion2, GALILEOc::LCwl1,
                                 GALILEOc::LCwl2,  GALILEOc::LCnl1,  GALILEOc::LCnl2,
                                 GALILEOc::lamb1,  GALILEOc::lamb2,  GALILEOc::lamb5,
                                 GLONASSc::lamb3,  GALILEOc::lamb8,  GALILEOc::alpha};

// The GLONASS set of a channel, with the wavelengths of that channel's row.
CoefficientSet Glonass(long double channel, short row) {
  GLONASSc::SetFrequency(channel, row);
  return {GLONASSc::LCion1, GLONASSc::LCion2, GLONASSc::LCwl1,        GLONASSc::LCwl2,
          GLONASSc::LCnl1,  GLONASSc::LCnl2,  GLONASSc::lamb(row, 0), GLONASSc::lamb(row, 1),
          GPSc::lamb5,      GLONASSc::lamb3,  GALILEOc::lamb8,        GLONASSc::alpha};
}

class Combinations : public ::testing::Test {
 protected:
  void TearDown() override { Load(kStartSet); }
};

TEST_F(Combinations, StartValuesAreTheGpsSet) {
  for (std::size_t k = 0; k < kGps.size(); k++)
    EXPECT_EQ(kStartSet[k], kGps[k]) << "variable " << k;
}

TEST_F(Combinations, GpsGeometryFreeExamples) {
  Load(kGps);
  long double L1 = 1, L2 = 0, P1 = 10, P2 = 12;
  EXPECT_EQ(GNSS_L4(L1, L2), 0.19029367279836488099L);
  EXPECT_EQ(GNSS_P4(P1, P2), 2.0L);
  EXPECT_EQ(GNSS_P4(Obs(P1), Obs(P2)).obs, 2.0L);
}

TEST_F(Combinations, GlonassIonosphereFreePhaseUsesTheChannelWavelengths) {
  Load(Glonass(0, 0));
  long double one = 1, zero = 0;
  EXPECT_EQ(GNSS_L3(one, zero), 2.53125L * GLONASSc::lamb(0, 0));
  EXPECT_EQ(GNSS_L3(zero, one), -(1.53125L * GLONASSc::lamb(0, 1)));
  EXPECT_NEAR(GNSS_L3(one, zero), 2.53125 * 0.187136365792759, 1e-15);
}

TEST_F(Combinations, FixedGlonassCodeCombinationIgnoresTheLoadedSet) {
  long double P1 = 20000000.25L, P2 = 20000004.5L;
  for (const CoefficientSet& set : {kGps, kGalileo, Glonass(-7, 3)}) {
    Load(set);
    EXPECT_EQ(GNSS_P3R(P1, P2), 2.53125L * P1 - 1.53125L * P2);
  }
}

// Synthetic observations of a range rho with an ionospheric delay I on
// frequency 1 (alpha I on frequency 2, the phase advanced by as much), and
// no ambiguities: each combination must give its defining value.
void ExpectDefiningProperties(long double rho, long double I) {
  const long double alpha = GLC::alpha;
  long double P1 = rho + I, P2 = rho + alpha * I;
  long double L1 = (rho - I) / GLC::lamb1, L2 = (rho - alpha * I) / GLC::lamb2;
  long double L1free = rho / GLC::lamb1, L2free = rho / GLC::lamb2;
  const long double tolerance = 2e-7L;  // metres, for ranges of 2e7 m

  EXPECT_NEAR(GNSS_P3(P1, P2), rho, tolerance);
  EXPECT_NEAR(GNSS_L3(L1, L2), rho, tolerance);
  EXPECT_NEAR(GNSS_P4(P1, P2), (alpha - 1) * I, tolerance);
  EXPECT_NEAR(GNSS_L4(L1, L2), (alpha - 1) * I, tolerance);
  EXPECT_NEAR(GNSS_L5(L1free, L2free), rho, tolerance);
  EXPECT_NEAR(GNSS_P5(P1, P2), rho - std::sqrt(alpha) * I, tolerance);
  EXPECT_NEAR(GNSS_NLL(L1free, L2free), rho, tolerance);
  EXPECT_NEAR(GNSS_NLP(P1, P2), rho + std::sqrt(alpha) * I, tolerance);
  EXPECT_NEAR(GNSS_MW(L1, L2, P1, P2), 0.0L, tolerance);
  EXPECT_NEAR(GNSS_CL1(P1, L1), 2 * I, tolerance);
  EXPECT_NEAR(GNSS_CLI(P1, L1), rho, tolerance);
}

TEST_F(Combinations, DefiningPropertiesHoldForEachConstellation) {
  for (const CoefficientSet& set : {kGps, kGalileo, Glonass(-7, 5), Glonass(6, 6)}) {
    Load(set);
    SCOPED_TRACE(GLC::lamb1);
    ExpectDefiningProperties(21456789.123L, 3.75L);
    ExpectDefiningProperties(-1234.5L, -0.8L);
  }
}

// Both forms of every combination give the same value for present operands.
TEST_F(Combinations, ObservationFormsAgreeWithNumberForms) {
  Load(kGalileo);
  long double L1 = 112345678.25L, L2 = 87654321.5L, P1 = 21000000.75L, P2 = 21000003.5L;
  const gnssobs oL1 = Obs(L1), oL2 = Obs(L2), oP1 = Obs(P1), oP2 = Obs(P2);
  EXPECT_EQ(GNSS_L3(oL1, oL2).obs, GNSS_L3(L1, L2));
  EXPECT_EQ(GNSS_P3(oP1, oP2).obs, GNSS_P3(P1, P2));
  EXPECT_EQ(GNSS_L4(oL1, oL2).obs, GNSS_L4(L1, L2));
  EXPECT_EQ(GNSS_P4(oP1, oP2).obs, GNSS_P4(P1, P2));
  EXPECT_EQ(GNSS_L5(oL1, oL2).obs, GNSS_L5(L1, L2));
  EXPECT_EQ(GNSS_P5(oP1, oP2).obs, GNSS_P5(P1, P2));
  EXPECT_EQ(GNSS_NLL(oL1, oL2).obs, GNSS_NLL(L1, L2));
  EXPECT_EQ(GNSS_NLP(oP1, oP2).obs, GNSS_NLP(P1, P2));
  EXPECT_EQ(GNSS_MW(oL1, oL2, oP1, oP2).obs, GNSS_MW(L1, L2, P1, P2));
}

TEST_F(Combinations, AbsentOperandMakesTheResultAbsent) {
  Load(kGps);
  const gnssobs L = Obs(100000.5L, 1, 7), P = Obs(20000000.5L, 1, 7), none = Obs(0, 1, 7);
  const gnssobs absentL2[] = {GNSS_L3(L, none), GNSS_L4(L, none), GNSS_L5(L, none),
                              GNSS_NLL(L, none), GNSS_MW(L, none, P, P)};
  const gnssobs absentP1[] = {GNSS_P3(none, P), GNSS_P4(none, P), GNSS_P5(none, P),
                              GNSS_NLP(none, P), GNSS_MW(L, L, none, P)};
  for (const gnssobs& r : absentL2) EXPECT_EQ(r.obs, 0.0L);
  for (const gnssobs& r : absentP1) EXPECT_EQ(r.obs, 0.0L);
}

TEST_F(Combinations, TinyScaledPhaseCountsAsAbsent) {
  Load(kGps);
  long double L1 = 0.0004L, L2 = 5.0L;
  EXPECT_EQ(GNSS_L4(Obs(L1), Obs(L2)).obs, 0.0L);
  EXPECT_NE(GNSS_L4(L1, L2), 0.0L);
  // 0.0004 cycles scaled by the wide-lane factor (about 0.86 m) stays present.
  EXPECT_NE(GNSS_L5(Obs(L1), Obs(L2)).obs, 0.0L);
}

TEST_F(Combinations, ResultsNeverCarryIndicators) {
  Load(Glonass(1, 7));
  const gnssobs L1 = Obs(100000.5L, 1, 9), L2 = Obs(80000.25L, 2, 8);
  const gnssobs P1 = Obs(20000000.5L, 3, 7), P2 = Obs(20000002.5L, 4, 6);
  const gnssobs results[] = {GNSS_L3(L1, L2),  GNSS_P3(P1, P2),  GNSS_L4(L1, L2),
                             GNSS_P4(P1, P2),  GNSS_L5(L1, L2),  GNSS_P5(P1, P2),
                             GNSS_NLL(L1, L2), GNSS_NLP(P1, P2), GNSS_MW(L1, L2, P1, P2)};
  for (const gnssobs& r : results) {
    EXPECT_NE(r.obs, 0.0L);
    EXPECT_EQ(r.lli, 0);
    EXPECT_EQ(r.ss, 0);
  }
}

}  // namespace
