// Tests of the cycle-slip screening: arcs cut by slips and gaps on synthetic
// series with known arcs, the Melbourne-Wuebbena split, and the fatal reports.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "GNSS/AmbRecord.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/mGNSSc.h"
#include "tests/support/epoch_records.h"
#include "tests/support/fatal_output.h"
#include "tests/support/program_frames.h"

namespace {

const short kSat = 5;
const short kOther = 3;            // a second satellite at every epoch, steady
const long double kSteady = 7.0L;  // its value in every series

// "sat firstEpoch firstRecord lastEpoch count", for readable comparisons.
std::string Text(const AmbRecord& a) {
  return std::to_string(a.sat) + " " + std::to_string(a.firstEpoch) + " " +
         std::to_string(a.firstRecord) + " " + std::to_string(a.lastEpoch) + " " +
         std::to_string(a.count);
}

std::vector<std::string> ArcsInFile(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return {"no file"};
  const matrix<AmbRecord> recs = ReadAmbRecords(path.c_str(), info.st_size / AmbRecordBytes);
  std::vector<std::string> arcs;
  for (long k = 0; k < recs.r; k++) arcs.push_back(Text(recs(k)));
  return arcs;
}

void WriteArcs(const std::string& path, const std::vector<AmbRecord>& arcs) {
  AmbRecordWriter out(path.c_str());
  for (const AmbRecord& a : arcs) out.Write(a);
  out.Close();
}

// Seconds 0, step, 2 step, ... for n epochs.
std::vector<long double> Regular(long n, long double step) {
  std::vector<long double> s;
  for (long i = 0; i < n; i++) s.push_back(i * step);
  return s;
}

// Regular epochs with `extra` seconds added from epoch `from` on.
std::vector<long double> Delayed(long n, long double step, long from, long double extra) {
  std::vector<long double> s = Regular(n, step);
  for (long i = from; i < n; i++) s[i] += extra;
  return s;
}

// A series screened on epochs at `seconds`, and the arcs expected in the file.
struct SeriesCase {
  const char* name;
  std::vector<long double> seconds;
  std::vector<long double> values;
  std::vector<std::string> arcs;
};

// Values start + rate * i, with `jump` added from index `at` on.
std::vector<long double> Ramp(long n, long double start, long double rate, long at = -1,
                              long double jump = 0) {
  std::vector<long double> v;
  for (long i = 0; i < n; i++) v.push_back(start + rate * i + (at >= 0 && i >= at ? jump : 0));
  return v;
}

class Screening : public ::testing::Test {
 protected:
  PhsDiffHeader head;
  PhsDiffData data{head};
  TempFile amb;
  matrix<long double> elev;

  void SetUp() override {
    BindAmbFile(data, amb);
    head.interval = 30;
  }

  // Epochs at `seconds`, each holding satellite kOther (record 2i) and `sat`
  // (record 2i + 1); `series` gets kSteady for kOther and `values` for sat.
  // Both elevation columns are 45 everywhere.
  void Track(matrix<gnssobs>& series, const std::vector<long double>& seconds,
             const std::vector<long double>& values, short sat = kSat) {
    std::vector<EpochSpec> epochs;
    std::vector<long double> all;
    for (size_t i = 0; i < seconds.size(); i++) {
      epochs.push_back({seconds[i], {kOther, sat}});
      all.push_back(kSteady);
      all.push_back(values[i]);
    }
    SetEpochs(data, epochs);
    FillSeries(series, all);
    elev.Resize(data.nobs, 2, 45.0L);
  }

  // Arcs of the steady satellite over epochs 0 .. n-1.
  static std::string SteadyArc(long n) { return Text(AmbRecord{kOther, 0, 0, n - 1, n}); }

  std::vector<std::string> Arcs() const { return ArcsInFile(amb.path); }

  // The count a screening returned agrees with the arcs in the file.
  void ExpectArcs(long nAmb, const std::vector<std::string>& arcs) const {
    EXPECT_EQ(nAmb, static_cast<long>(arcs.size()));
    EXPECT_EQ(Arcs(), arcs);
  }
};

// CL1: 30 s data, gap above 2 intervals + 0.7 s, slip above 10 L1 wavelengths.
TEST_F(Screening, CodeMinusPhaseArcsEndAtSlipsAndGaps) {
  const long double slip = 10 * GPSc::lamb1;                          // 1.903 m
  const std::vector<long double> gapped = Delayed(10, 30, 5, 30.71);  // 60.71 s before epoch 5
  const std::vector<long double> tight = Delayed(10, 30, 5, 30.69);   // 60.69 s
  const std::vector<SeriesCase> cases = {
      {"steady", Regular(10, 30), Ramp(10, 5, 0.01), {SteadyArc(10), "5 0 0 9 10"}},
      {"slip",
       Regular(10, 30),
       Ramp(10, 5, 0, 5, slip + 0.001),
       {SteadyArc(10), "5 0 0 4 5", "5 5 10 9 5"}},
      {"change within the limit",
       Regular(10, 30),
       Ramp(10, 5, 0, 5, slip - 0.001),
       {SteadyArc(10), "5 0 0 9 10"}},
      {"gap", gapped, Ramp(10, 5, 0), {"3 0 0 4 5", "3 5 10 9 5", "5 0 0 4 5", "5 5 10 9 5"}},
      {"step within the gap limit", tight, Ramp(10, 5, 0), {SteadyArc(10), "5 0 0 9 10"}},
  };
  for (const SeriesCase& c : cases) {
    SCOPED_TRACE(c.name);
    Track(data.CL1, c.seconds, c.values);
    long nAmb = -1;
    data.ScreenCL1(elev, 10, 1, 10, 2, nAmb);
    ExpectArcs(nAmb, c.arcs);
  }
}

TEST_F(Screening, ShortArcsAreCountedButNotWritten) {
  // Slip after two epochs: arcs of 2 and 5 observations.
  Track(data.CL1, Regular(7, 30), Ramp(7, 5, 0, 2, 3));
  long nAmb = -1;
  data.ScreenCL1(elev, 10, 3, 10, 2, nAmb);
  EXPECT_EQ(nAmb, 2);  // the steady satellite's arc and the long one
  EXPECT_EQ(Arcs(), (std::vector<std::string>{SteadyArc(7), "5 2 4 6 5"}));
}

TEST_F(Screening, LowElevationRecordsAreNotUsed) {
  Track(data.CL1, Regular(10, 30), Ramp(10, 5, 0));
  elev(2 * 3 + 1, 0) = 10;  // satellite 5 at epochs 3 and 4: not above 10
  elev(2 * 4 + 1, 0) = 9;
  long nAmb = -1;
  data.ScreenCL1(elev, 10, 1, 10, 2, nAmb);
  // 90 s between epochs 2 and 5 is a gap.
  EXPECT_EQ(Arcs(), (std::vector<std::string>{SteadyArc(10), "5 0 0 2 3", "5 5 10 9 5"}));
}

TEST_F(Screening, CodeMinusPhaseSkipsSatellitesWithoutAnL1Wavelength) {
  GLONASSc::SetFrequency(-3, 1);  // slot 2 set; slot 5 never is
  struct Case {
    short sat;
    bool screened;
  };
  for (const Case& c : {Case{211, false}, Case{105, false}, Case{150, false}, Case{102, true}}) {
    SCOPED_TRACE(c.sat);
    Track(data.CL1, Regular(4, 30), Ramp(4, 5, 0), c.sat);
    long nAmb = -1;
    data.ScreenCL1(elev, 10, 1, 10, 2, nAmb);
    EXPECT_EQ(nAmb, c.screened ? 2 : 1);
  }
}

// L4: limit dL40 + ddL4 sqrt(|dt - 1|) with dL40 = 0.05 m, ddL4 = 1 m and a
// gap above 10 s.
TEST_F(Screening, GeometryFreeLimitGrowsWithTheRootOfTheTimeStep) {
  const std::vector<long double> gapped = Delayed(6, 1, 3, 9.01);  // 10.01 s before epoch 3
  struct Case {
    const char* name;
    std::vector<long double> seconds;
    long double change;
    std::vector<std::string> arcs;
  };
  const std::vector<Case> cases = {
      {"1 s, within dL40", Regular(6, 1), 0.049, {SteadyArc(6), "5 0 0 5 6"}},
      {"1 s, above dL40", Regular(6, 1), 0.051, {SteadyArc(6), "5 0 0 2 3", "5 3 6 5 3"}},
      {"5 s, within 2.05", Regular(6, 5), 2.04, {SteadyArc(6), "5 0 0 5 6"}},
      {"5 s, above 2.05", Regular(6, 5), 2.06, {SteadyArc(6), "5 0 0 2 3", "5 3 6 5 3"}},
      {"gap", gapped, 0, {"3 0 0 2 3", "3 3 6 5 3", "5 0 0 2 3", "5 3 6 5 3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Track(data.L4, c.seconds, Ramp(6, 1, 0, 3, c.change));
    long nAmb = -1;
    data.ScreenL4(elev, 10, 1, 0.05, 1, 10, nAmb);
    ExpectArcs(nAmb, c.arcs);
  }
}

TEST_F(Screening, GeometryFreeUsesBothElevations) {
  Track(data.L4, Regular(6, 1), Ramp(6, 1, 0));
  elev(2 * 2 + 1, 1) = 5;  // second column too low at epoch 2
  long nAmb = -1;
  data.ScreenL4(elev, 10, 1, 0.05, 1, 1.5, nAmb);
  EXPECT_EQ(Arcs(), (std::vector<std::string>{SteadyArc(6), "5 0 0 1 2", "5 3 6 5 3"}));
}

// Linear screening with 30 s data: limits from dL40 = 0.03, ddL4 = 0.001 and
// MaxTimeGap = 30 give a second-difference limit of about 0.0155 m.
TEST_F(Screening, LinearScreeningCutsAtSecondDifferenceSlipsAndGaps) {
  const std::vector<long double> gapped = Delayed(20, 30, 10, 30);
  std::vector<long double> roughStart = Ramp(20, 3, 0.001);
  roughStart[0] = 1;
  roughStart[1] = 2;
  const std::vector<SeriesCase> cases = {
      {"linear drift", Regular(20, 30), Ramp(20, 1, 0.001), {SteadyArc(20), "5 0 0 19 20"}},
      {"slip",
       Regular(20, 30),
       Ramp(20, 1, 0.001, 10, 0.5),
       {SteadyArc(20), "5 0 0 9 10", "5 10 20 19 10"}},
      {"drift change below the limit",
       Regular(20, 30),
       Ramp(20, 1, 0.001, 10, 0.015),
       {SteadyArc(20), "5 0 0 19 20"}},
      {"gap",
       gapped,
       Ramp(20, 1, 0.001),
       {"3 0 0 9 10", "3 10 20 19 10", "5 0 0 9 10", "5 10 20 19 10"}},
      {"rough start", Regular(20, 30), roughStart, {SteadyArc(20), "5 2 4 19 18"}},
  };
  for (const SeriesCase& c : cases) {
    SCOPED_TRACE(c.name);
    Track(data.L4, c.seconds, c.values);
    long nAmb = -1;
    data.ScreenL4Linear(elev, 10, 3, 0.03, 0.001, 30, nAmb);
    ExpectArcs(nAmb, c.arcs);
  }
}

TEST_F(Screening, LinearScreeningDropsStretchesShorterThanMinObsAmb) {
  std::vector<long double> values = Ramp(8, 1, 0.001);
  values[2] = 0;  // satellite 5: stretches of 2 and 5 epochs
  Track(data.L4, Regular(8, 30), values);
  long nAmb = -1;
  data.ScreenL4Linear(elev, 10, 3, 0.03, 0.001, 30, nAmb);
  EXPECT_EQ(Arcs(), (std::vector<std::string>{SteadyArc(8), "5 3 6 7 5"}));
}

TEST_F(Screening, LinearHelpersOnTheShortestWindows) {
  Track(data.L4, Regular(5, 30), Ramp(5, 1, 0.001));
  long iL = -1;
  long ioL = -1;
  data.LastSatObsL4(kSat, 4, 8, iL, ioL, elev, 10, 30);
  EXPECT_EQ(iL, 4);  // a start at the last epoch is a stretch of that epoch
  EXPECT_EQ(ioL, 8);

  long iS = 2;
  long ioS = 4;
  EXPECT_FALSE(data.FindContStart(kSat, iS, ioS, 3, 1, 1));  // two epochs only
  EXPECT_EQ(iS, 2);
  long iAL = -1;
  long ioAL = -1;
  EXPECT_FALSE(data.FindCSlipL4(kSat, 2, 4, 3, iAL, ioAL, 0));
  EXPECT_EQ(iAL, 3);
  EXPECT_EQ(ioAL, 6);
}

// MW screening of one arc of 60 epochs of satellite 5 (records 2i + 1),
// with RMS 1: the scatter limit is 1 / sqrt(59) = 0.13 m.
TEST_F(Screening, MelbourneWuebbenaKeepsOrSplitsArcs) {
  const long n = 60;
  std::vector<long double> noisy;
  for (long i = 0; i < n; i++) noisy.push_back(2 + (i % 2 ? 0.01L : -0.01L));
  std::vector<long double> outlier = noisy;
  outlier[30] = 7;
  std::vector<long double> jump = noisy;
  for (long i = 30; i < n; i++) jump[i] += GPSc::lamWL;
  std::vector<long double> absent(n, 0);
  const AmbRecord arc{kSat, 0, 1, n - 1, 123};
  struct Case {
    const char* name;
    std::vector<long double> values;
    std::vector<std::string> arcs;
  };
  const std::vector<Case> cases = {
      {"scatter within the limit", noisy, {"5 0 1 59 123"}},
      {"single outlier", outlier, {"5 0 0 59 59"}},
      {"jump of a wide-lane cycle", jump, {"5 0 0 29 30", "5 30 60 59 30"}},
      {"no MW values", absent, {"5 0 1 59 123"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Track(data.MW, Regular(n, 30), c.values);
    WriteArcs(amb.path, {arc});
    long nAmb = 1;
    data.ScreenMW(1, 10, nAmb);
    ExpectArcs(nAmb, c.arcs);
  }
}

TEST_F(Screening, MelbourneWuebbenaDropsSubArcsShorterThanMinObsAmb) {
  std::vector<long double> values;
  for (long i = 0; i < 40; i++) values.push_back(2 + (i % 2 ? 0.01L : -0.01L));
  for (long i = 35; i < 40; i++) values[i] += 3 * GPSc::lamWL;
  Track(data.MW, Regular(40, 30), values);
  WriteArcs(amb.path, {AmbRecord{kSat, 0, 1, 39, 40}});
  long nAmb = 1;
  data.ScreenMW(1, 10, nAmb);
  EXPECT_EQ(Arcs(), (std::vector<std::string>{"5 0 0 34 35"}));
}

TEST_F(Screening, ArcsWrittenByL4ScreeningSurviveConsistentMW) {
  Track(data.L4, Regular(12, 30), Ramp(12, 1, 0, 6, 10));  // 10 m above 5.44 m
  FillSeries(data.MW, std::vector<long double>(data.nobs, 3.5L));
  long nAmb = -1;
  data.ScreenL4(elev, 10, 1, 0.05, 1, 60, nAmb);
  const std::vector<std::string> written = Arcs();
  ASSERT_EQ(written.size(), 3u);
  data.ScreenMW(0.5, 1, nAmb);
  EXPECT_EQ(nAmb, 3);
  EXPECT_EQ(Arcs(), written);
}

TEST_F(Screening, UnusableInputsEndTheProgram) {
  Track(data.L4, Regular(4, 30), Ramp(4, 1, 0));
  WriteArcs(amb.path, {AmbRecord{kSat, 0, 1, 3, 4}, AmbRecord{kSat, 2, 5, 4, 3}});
  FillSeries(data.MW, std::vector<long double>(data.nobs, 3.5L));
  const matrix<long double> oneColumn(data.nobs, 1, 45.0L);
  struct Case {
    const char* name;
    std::function<void()> run;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"fewer records than NAmbAll",
       [&] {
         long n = 3;
         data.ScreenMW(1, 1, n);
       },
       "AMBIGUITY FILE HOLDS FEWER THAN 3 RECORDS: " + amb.path},
      {"record past the last epoch",
       [&] {
         long n = 2;
         data.ScreenMW(1, 1, n);
       },
       "AMBIGUITY RECORD 1 LIES OUTSIDE THE EPOCHS OF THE DATA"},
      {"series not formed",
       [&] {
         long n = 0;
         data.ScreenCL1(elev, 10, 1, 10, 2, n);
       },
       "CL1 SERIES IS NOT FORMED FOR SCREENING"},
      {"one elevation column for L4",
       [&] {
         long n = 0;
         data.ScreenL4(oneColumn, 10, 1, 0.05, 1, 60, n);
       },
       "ELEVATION TABLE MUST HAVE 8 ROWS AND 2 COLUMN(S)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ChildOutput output = RunExpectingExit(c.run);
    EXPECT_EQ(output.err, ErrorFrame(c.message));
  }
}

}  // namespace
