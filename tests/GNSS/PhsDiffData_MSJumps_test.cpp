// Tests of the millisecond-jump elimination of the epoch records.
#include <gtest/gtest.h>

#include <vector>

#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffHeader.h"
#include "GNSS/mGNSSc.h"

namespace {

// One millisecond of light travel, metres, and the phase shifts it gives:
// 0.001 s times the carrier frequency, in cycles.
constexpr long double msRange = 299792.458L;
constexpr long double gpsL1PerMs = 1575420.0L;
constexpr long double gpsL2PerMs = 1227600.0L;

struct Record {
  short sat;
  long double C1, P2, L1, L2;
};

// Builds epoch records directly: `epochs` lists the records of each epoch.
class MSJumpData {
 public:
  PhsDiffHeader header;
  PhsDiffData data{header};

  explicit MSJumpData(const std::vector<std::vector<Record>>& epochs, bool withL2 = true) {
    header.iC1 = header.iP2 = header.iL1 = true;
    header.iL2 = withL2;
    long nobs = 0;
    for (const auto& e : epochs) nobs += static_cast<long>(e.size());
    data.neph = static_cast<long>(epochs.size());
    data.nobs = nobs;
    data.epoch.Resize(data.neph, 1);
    data.nsat.Resize(data.neph, 1);
    for (matrix<gnssobs>* series : {&data.C1, &data.P2, &data.L1, &data.L2})
      series->Resize(nobs, 1);
    data.sat.Resize(nobs, 1);
    long k = 0;
    for (long e = 0; e < data.neph; e++) {
      data.epoch(e) = mjd(57000, 30.0L * e);
      data.nsat(e) = static_cast<short>(epochs[e].size());
      for (const Record& r : epochs[e]) {
        data.sat(k) = r.sat;
        data.C1(k) = r.C1;
        data.P2(k) = r.P2;
        data.L1(k) = r.L1;
        data.L2(k) = withL2 ? r.L2 : 0.0L;
        k++;
      }
    }
  }

  long Correct() {
    long n = -1;
    data.CorrMSJumps(n);
    return n;
  }
};

// A satellite whose code and phase agree: the phases in cycles are the code
// range divided by the wavelengths, all moving by 10 m per epoch.
Record Consistent(short sat, long epoch, long double clockJumpMs = 0.0L,
                  long double lamb1 = GPSc::lamb1, long double lamb2 = GPSc::lamb2) {
  const long double range = 20000.0L + 100.0L * sat + 10.0L * epoch;
  const long double code = range + clockJumpMs * msRange;
  return {sat, code, code + 2.0L, range / lamb1, range / lamb2};
}

// Epochs 0 .. n-1 of the given satellites with the code clock steps given
// in milliseconds per epoch (cumulative values).
std::vector<std::vector<Record>> Series(const std::vector<short>& sats, long n,
                                        const std::vector<long double>& clockMs) {
  std::vector<std::vector<Record>> epochs(n);
  for (long e = 0; e < n; e++)
    for (short s : sats) epochs[e].push_back(Consistent(s, e, clockMs[e]));
  return epochs;
}

std::vector<long double> StepAt(long n, const std::vector<std::pair<long, long double>>& steps) {
  std::vector<long double> clock(n, 0.0L);
  for (long e = 0; e < n; e++)
    for (const auto& step : steps)
      if (e >= step.first) clock[e] += step.second;
  return clock;
}

TEST(CorrMSJumps, SingleEpochHasNoJump) {
  MSJumpData d({{Consistent(5, 0, 3.0L)}});
  EXPECT_EQ(d.Correct(), 0);
  EXPECT_EQ(d.data.L1(0).GetObs(), Consistent(5, 0).L1);
}

TEST(CorrMSJumps, EmptyDataSetReturnsAtOnce) {
  MSJumpData d({});
  EXPECT_EQ(d.Correct(), 0);
}

TEST(CorrMSJumps, PhasesFollowTheAccumulatedJumps) {
  struct Case {
    const char* name;
    std::vector<std::pair<long, long double>> steps;  // epoch, milliseconds
    long expectedJumps;
    std::vector<long double> expectedMs;  // shift of each epoch, milliseconds
  };
  const long n = 25;
  auto shifts = [n](const std::vector<std::pair<long, long double>>& s) { return StepAt(n, s); };
  const std::vector<Case> cases = {
      {"plus one at 10", {{10, 1.0L}}, 1, shifts({{10, 1.0L}})},
      {"plus one at 10, minus one at 20",
       {{10, 1.0L}, {20, -1.0L}},
       2,
       shifts({{10, 1.0L}, {20, -1.0L}})},
      {"0.6 ms rounds to 1", {{10, 0.6L}}, 1, shifts({{10, 1.0L}})},
      {"-0.6 ms rounds to -1", {{10, -0.6L}}, 1, shifts({{10, -1.0L}})},
      {"0.49 ms is no jump", {{10, 0.49L}}, 0, shifts({})},
      {"-3 ms at 1", {{1, -3.0L}}, 1, shifts({{1, -3.0L}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MSJumpData d(Series({3, 7, 12}, n, StepAt(n, c.steps)));
    EXPECT_EQ(d.Correct(), c.expectedJumps);
    for (long e = 0; e < n; e++)
      for (long s = 0; s < 3; s++) {
        const long k = 3 * e + s;
        const Record plain = Consistent(d.data.sat(k), e);
        EXPECT_NEAR(d.data.L1(k).GetObs(), plain.L1 + c.expectedMs[e] * gpsL1PerMs, 1e-6) << e;
        EXPECT_NEAR(d.data.L2(k).GetObs(), plain.L2 + c.expectedMs[e] * gpsL2PerMs, 1e-6) << e;
        EXPECT_EQ(d.data.C1(k).GetObs(), Consistent(d.data.sat(k), e, StepAt(n, c.steps)[e]).C1);
      }
  }
}

TEST(CorrMSJumps, ScreeningLeavesOutSlipsAndDisagreeingCodes) {
  const long n = 3;
  const auto clock = StepAt(n, {{2, 1.0L}});
  struct Case {
    const char* name;
    long double slipL1Cycles;  // added to L1 of both satellites from epoch 2
    long double p2Offset;      // added to P2 of both satellites from epoch 2
    long expectedJumps;
  };
  const std::vector<Case> cases = {
      {"clean", 0.0L, 0.0L, 1},
      {"slip of 6 cycles (1.14 m)", 6.0L, 0.0L, 0},
      {"slip of 5 cycles (0.95 m)", 5.0L, 0.0L, 1},
      {"P2 off by 10.5 m", 0.0L, 10.5L, 0},
      {"P2 off by 9.5 m", 0.0L, 9.5L, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto epochs = Series({4, 9}, n, clock);
    for (Record& r : epochs[2]) {
      r.L1 += c.slipL1Cycles;
      r.P2 += c.p2Offset;
    }
    MSJumpData d(epochs);
    EXPECT_EQ(d.Correct(), c.expectedJumps);
  }
}

TEST(CorrMSJumps, SatelliteMissingCodeIsNotUsedButStillCorrected) {
  const long n = 3;
  auto epochs = Series({4, 9}, n, StepAt(n, {{2, 1.0L}}));
  epochs[1][1].C1 = 0.0L;  // satellite 9 lacks C1 at epoch 1
  MSJumpData d(epochs);
  EXPECT_EQ(d.Correct(), 1);
  EXPECT_NEAR(d.data.L1(5).GetObs(), Consistent(9, 2).L1 + gpsL1PerMs, 1e-6);

  auto alone = Series({9}, n, StepAt(n, {{2, 1.0L}}));
  alone[2][0].P2 = 0.0L;  // the only satellite lacks P2 at the later epoch
  MSJumpData d2(alone);
  EXPECT_EQ(d2.Correct(), 0);
}

TEST(CorrMSJumps, AbsentPhaseStaysAbsent) {
  const long n = 3;
  auto epochs = Series({4, 9}, n, StepAt(n, {{1, 1.0L}}));
  epochs[2][0].L2 = 0.0L;
  MSJumpData d(epochs);
  EXPECT_EQ(d.Correct(), 1);
  EXPECT_EQ(d.data.L2(4).GetObs(), 0.0L);
  EXPECT_NEAR(d.data.L1(4).GetObs(), Consistent(4, 2).L1 + gpsL1PerMs, 1e-6);
}

TEST(CorrMSJumps, FileWithoutL2CorrectsL1Only) {
  // Without L2 no satellite can estimate; the jump table stays empty.
  const long n = 3;
  MSJumpData d(Series({4, 9}, n, StepAt(n, {{1, 1.0L}})), false);
  EXPECT_EQ(d.Correct(), 0);
  EXPECT_EQ(d.data.L2(2).GetObs(), 0.0L);

  // With L2 values in memory but the header not listing it, L1 alone moves.
  MSJumpData flagged(Series({4, 9}, n, StepAt(n, {{1, 1.0L}})));
  flagged.header.iL2 = false;
  EXPECT_EQ(flagged.Correct(), 1);
  EXPECT_NEAR(flagged.data.L1(2).GetObs(), Consistent(4, 1).L1 + gpsL1PerMs, 1e-6);
  EXPECT_EQ(flagged.data.L2(2).GetObs(), Consistent(4, 1).L2);
}

TEST(CorrMSJumps, FileWithoutP2SeriesFindsNoJump) {
  const long n = 3;
  MSJumpData d(Series({4}, n, StepAt(n, {{1, 1.0L}})));
  d.data.P2.Resize(0, 0);
  EXPECT_EQ(d.Correct(), 0);
  EXPECT_EQ(d.data.L1(1).GetObs(), Consistent(4, 1).L1);
}

TEST(CorrMSJumps, GalileoNeitherTakesPartNorChanges) {
  const long n = 3;
  auto epochs = Series({211, 212}, n, StepAt(n, {{1, 1.0L}}));
  MSJumpData d(epochs);
  EXPECT_EQ(d.Correct(), 0);

  auto mixed = Series({5, 211}, n, StepAt(n, {{1, 1.0L}}));
  MSJumpData m(mixed);
  EXPECT_EQ(m.Correct(), 1);
  EXPECT_EQ(m.data.L1(3).GetObs(), mixed[1][1].L1);
  EXPECT_NEAR(m.data.L1(2).GetObs(), mixed[1][0].L1 + gpsL1PerMs, 1e-6);
}

TEST(CorrMSJumps, GlonassOnlyWithItsWavelengthsSet) {
  const long n = 3;
  const short slot = 7;
  const short sat = 100 + slot;
  GLONASSc::lamb(slot - 1, 0) = 0.0L;
  GLONASSc::lamb(slot - 1, 1) = 0.0L;
  auto epochs = Series({sat, 133}, n, StepAt(n, {{1, 1.0L}}));
  MSJumpData unset(epochs);
  EXPECT_EQ(unset.Correct(), 0);
  EXPECT_EQ(unset.data.L1(2).GetObs(), epochs[1][0].L1);

  // With the channel set the slot takes part and moves by its own carriers,
  // at the jump epoch as at all later ones.  Slot 33 has no wavelengths.
  GLONASSc::SetFrequency(-4.0L, slot - 1);
  const long double lamb1 = GLONASSc::lamb(slot - 1, 0);
  const long double lamb2 = GLONASSc::lamb(slot - 1, 1);
  std::vector<std::vector<Record>> own(n);
  for (long e = 0; e < n; e++)
    own[e] = {Consistent(sat, e, e >= 1 ? 1.0L : 0.0L, lamb1, lamb2),
              Consistent(133, e, e >= 1 ? 1.0L : 0.0L)};
  MSJumpData set(own);
  EXPECT_EQ(set.Correct(), 1);
  const long double g1PerMs = 0.001L * (1602000000.0L - 4.0L * 562500.0L);
  const long double g2PerMs = 0.001L * (1246000000.0L - 4.0L * 437500.0L);
  for (long e = 1; e < n; e++) {
    EXPECT_NEAR(set.data.L1(2 * e).GetObs(), own[e][0].L1 + g1PerMs, 1e-6) << e;
    EXPECT_NEAR(set.data.L2(2 * e).GetObs(), own[e][0].L2 + g2PerMs, 1e-6) << e;
    EXPECT_EQ(set.data.L1(2 * e + 1).GetObs(), own[e][1].L1) << e;
  }
  GLONASSc::lamb(slot - 1, 0) = 0.0L;
  GLONASSc::lamb(slot - 1, 1) = 0.0L;
}

TEST(CorrMSJumps, MoreThanAHundredCommonSatellites) {
  // 99 GPS numbers and 32 GLONASS slots, all usable, all with the jump.
  std::vector<short> sats;
  for (short s = 1; s <= 99; s++) sats.push_back(s);
  for (short slot = 1; slot <= 32; slot++) {
    GLONASSc::SetFrequency(0.0L, slot - 1);
    sats.push_back(100 + slot);
  }
  const long n = 2;
  std::vector<std::vector<Record>> epochs(n);
  for (long e = 0; e < n; e++)
    for (short s : sats) {
      const bool glonass = s > 100;
      epochs[e].push_back(Consistent(s, e, e == 1 ? 2.0L : 0.0L,
                                     glonass ? GLONASSc::lamb(s - 101, 0) : GPSc::lamb1,
                                     glonass ? GLONASSc::lamb(s - 101, 1) : GPSc::lamb2));
    }
  MSJumpData d(epochs);
  EXPECT_EQ(d.Correct(), 1);
  EXPECT_NEAR(d.data.L1(static_cast<long>(sats.size())).GetObs(),
              epochs[1][0].L1 + 2.0L * gpsL1PerMs, 1e-6);
  for (short slot = 1; slot <= 32; slot++) {
    GLONASSc::lamb(slot - 1, 0) = 0.0L;
    GLONASSc::lamb(slot - 1, 1) = 0.0L;
  }
}

}  // namespace
