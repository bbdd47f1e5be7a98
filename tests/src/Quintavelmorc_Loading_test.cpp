// Tests of the driver's loading stage: defaults taken from the file, the
// availability echo, and the verbose messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/driver_run.h"
#include "tests/support/fatal_output.h"
#include "tests/support/sd_text.h"
#include "tests/support/stream_capture.h"

namespace {

using Q = Quintavelmorc;
using Args = std::vector<std::string>;

// GPS satellites 5 and 12 with C1, L1, L2; epochs at 06:07:00, 06:07:30 and
// 06:08:00 of MJD 57817 (2017-03-05).
const std::string kGpsFile = CliDataDir() + "gps_c1_l1_l2.sd";
// The same header, announcing no epoch records.
const std::string kNoEpochs = CliDataDir() + "no_epochs.sd";

void Load(Q& q, const Args& args) {
  CallGetFiles(q, args);
  q.SetFile();
  q.ReadFile();
}

std::string LoadCapturingErr(Q& q, const Args& args) {
  StreamCapture err(std::cerr);
  Load(q, args);
  return err.str();
}

TEST(ReadFileObservations, ListedEntriesAreCheckedAndEchoedOnTheListLine) {
  DriverRun d;
  const std::string err = LoadCapturingErr(d.q, {"-o" + kGpsFile, "-csG", "-lC1:L4:P4:"});
  EXPECT_EQ(err, "C1 L4 P4  C1[+] L4[+] P4[C][-]\n");
  EXPECT_EQ(Column(d.q.IfExistObs), (std::vector<short>{1, 1, 0}));
  EXPECT_EQ(d.q.nObsReal, 2);
}

TEST(ReadFileObservations, RepeatedCodesAreCheckedOneByOne) {
  DriverRun d;
  const std::string err = LoadCapturingErr(d.q, {"-o" + kGpsFile, "-cE", "-lMW:MWc:CL1:"});
  EXPECT_EQ(err, "MW MWc CL1  MW[C][-] MW[C][-] C1-L1[+]\n");
  EXPECT_EQ(d.q.nObsReal, 1);
}

TEST(ReadFileObservations, WithoutAListTheFileTypesAreTakenInHeaderOrder) {
  TempFile file;
  WriteText(file.path, HeaderText(5, " C1 L1 L2 P2 XX") + EpochLine(1, 57817, 22020.0) +
                           SatLine(1, {1.0, 2.0, 3.0, 4.0, 5.0}));
  DriverRun d;
  const std::string err = LoadCapturingErr(d.q, {"-o" + file.path, "-cG"});
  EXPECT_EQ(err, "");
  EXPECT_FALSE(d.q.isObs);
  // The unknown group names no type and gives no entry.
  EXPECT_EQ(Column(d.q.obslist), (std::vector<short>{Q::C1, Q::L1, Q::L2, Q::P2}));
  EXPECT_EQ(Column(d.q.IfExistObs), (std::vector<short>{1, 1, 1, 1}));
  EXPECT_EQ(d.q.nObsReal, 4);
}

TEST(ReadFileDefaults, WindowAndSatellitesComeFromTheFile) {
  DriverRun d;
  LoadCapturingErr(d.q, {"-o" + kGpsFile, "-cG"});
  EXPECT_EQ(d.q.stE.GetMJDay(), 57817u);
  EXPECT_EQ(d.q.stE.GetSecond(), 22020.0L);
  EXPECT_EQ(d.q.enE.GetSecond(), 22080.0L);
  EXPECT_EQ(Column(d.q.satprn), (std::vector<short>{5, 12}));
}

TEST(ReadFileDefaults, CommandLineSettingsAreKept) {
  DriverRun d;
  LoadCapturingErr(d.q, {"-o" + kGpsFile, "-cG", "-s2017-03-06/00:00:00", "-pG07"});
  EXPECT_EQ(d.q.stE.GetMJDay(), 57818u);
  EXPECT_EQ(d.q.stE.GetSecond(), 0.0L);
  EXPECT_EQ(d.q.enE.GetSecond(), 22080.0L);
  EXPECT_EQ(Column(d.q.satprn), (std::vector<short>{7}));
}

TEST(ReadFileMessages, VerboseRunReportsEveryStep) {
  DriverRun d;
  const std::string err = LoadCapturingErr(d.q, {"-o" + kGpsFile, "-cG", "-v"});
  const std::string expected =
      "Quintavelmor::SetFile(): setting OBSERVATION DIFFERENCES file!\n"
      "Quintavelmor::ReadFile(): reading SINGLE-DIFFERENCES file - 3 epochs, 5 C1 observations, "
      "3 obs types\n"
      "Quintavelmor::ReadFile(): setting OBSERVATION TYPES - all types in SINGLE-DIFFERENCES "
      "file:    3 obs types!\n"
      "Quintavelmor::ReadFile(): setting START epoch: 2017-03-05 06:07:00.0!\n"
      "Quintavelmor::ReadFile(): setting END epoch: 2017-03-05 06:08:00.0!\n"
      "Quintavelmor::ReadFile(): setting SATTELLITES - all satellites in SINGLE-DIFFERENCES "
      "file:    2 satellites!\n";
  const std::string::size_type start = err.find("Quintavelmor::SetFile()");
  ASSERT_NE(start, std::string::npos) << err;
  EXPECT_EQ(err.substr(start), expected);
}

TEST(ReadFileMessages, VerboseAvailabilityCheckShareItsLine) {
  DriverRun d;
  const std::string err = LoadCapturingErr(d.q, {"-o" + kGpsFile, "-cG", "-v", "-lS1:L1:"});
  EXPECT_NE(err.find("Quintavelmor::ReadFile(): Checking available observations in file: "
                     "S1[-] L1[+]\n"),
            std::string::npos)
      << err;
}

TEST(ReadFileFailures, FileWithoutEpochsIsAClearError) {
  for (const Args& window : {Args{}, Args{"-s2017-03-05/00:00:00", "-e2017-03-06/00:00:00"}}) {
    Args args{"-o" + kNoEpochs, "-cG"};
    args.insert(args.end(), window.begin(), window.end());
    const ChildOutput output = RunExpectingExit([&] {
      DriverRun d;
      Load(d.q, args);
    });
    EXPECT_EQ(output.err,
              "\n**** Quintavelmor: Error -> SINGLE-DIFFERENCE FILE HAS NO EPOCHS! ****\n"
              "     Exiting Quintavelmor ... \n\n");
    EXPECT_EQ(output.out, "");
  }
}

TEST(ReadFileStages, NothingIsLoadedAfterTheHelpText) {
  DriverRun d;
  LoadCapturingErr(d.q, {});
  EXPECT_FALSE(d.q.RunProg);
  EXPECT_EQ(d.data.GetNEpoch(), 0);
  EXPECT_EQ(d.q.satprn.Length(), 0);
}

}  // namespace
