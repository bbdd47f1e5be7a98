// Tests of the driver's loading stage: defaults taken from the file, the
// availability echo, the verbose messages, and the types whose values are kept.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalogue/ObsCatalogue.h"
#include "tests/support/driver_run.h"
#include "tests/support/fatal_output.h"
#include "tests/support/sd_text.h"
#include "tests/support/stream_capture.h"

namespace {

using Q = Quintavelmorc;
using H = PhsDiffHeader;
using Args = std::vector<std::string>;

// GPS satellites 5 and 12 with C1, L1, L2; epochs at 06:07:00, 06:07:30 and
// 06:08:00 of MJD 57817 (2017-03-05).
const std::string kGpsFile = CliDataDir() + "gps_c1_l1_l2.sd";
// The same header, announcing no epoch records.
const std::string kNoEpochs = CliDataDir() + "no_epochs.sd";
// GPS, GLONASS, Galileo, BeiDou and an unknown system, with every type the
// records keep values of.
const std::string kMixed = CliDataDir() + "listing_mixed.sd";
const std::string kChannels = CliDataDir() + "listing_glonass.chn";
// GPS with millisecond jumps in C1, P2, L1 and L2.
const std::string kMsJumps = CliDataDir() + "listing_msjump.sd";

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
  EXPECT_EQ(Column(d.q.obslist), (std::vector<short>{H::C1, H::L1, H::L2, H::P2}));
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

// The listing's rows, one string each (empty lines and summaries left out).
std::vector<std::string> ListingRows(const Args& args) {
  DriverRun d;
  StreamCapture out(std::cout);
  StreamCapture err(std::cerr);
  Load(d.q, args);
  d.q.PrintObs();
  std::istringstream text(out.str());
  std::vector<std::string> rows;
  for (std::string line; std::getline(text, line);)
    if (!line.empty()) rows.push_back(line);
  return rows;
}

std::vector<long> SeriesLengths(const PhsDiffData& data) {
  return {data.C1.NRow(), data.P1.NRow(), data.P2.NRow(), data.L1.NRow(), data.L2.NRow(),
          data.C2.NRow(), data.D1.NRow(), data.D2.NRow(), data.C5.NRow(), data.L5.NRow(),
          data.C7.NRow(), data.L7.NRow(), data.C8.NRow(), data.L8.NRow()};
}

TEST(ReadFileKeptTypes, AListKeepsTheValuesOfItsInputsOnly) {
  struct Case {
    Args list;
    std::vector<long> lengths;  // C1 P1 P2 L1 L2 C2 D1 D2 C5 L5 C7 L7 C8 L8
  };
  const Case cases[] = {
      {{}, {12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12}},
      {{"-lL4:"}, {0, 0, 0, 12, 12, 0, 0, 0, 0, 0, 0, 12, 0, 0}},
      {{"-lD2:C8:"}, {0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0, 12, 0}},
      {{"-lL4:", "-ms"}, {12, 0, 12, 12, 12, 0, 0, 0, 0, 0, 0, 12, 0, 0}},
      {{"-lMWp:PC2:"}, {0, 12, 12, 12, 12, 12, 0, 0, 0, 0, 12, 12, 0, 0}},
  };
  for (const Case& c : cases) {
    Args args{"-o" + kMixed, "-cGRE"};
    args.insert(args.end(), c.list.begin(), c.list.end());
    DriverRun d;
    LoadCapturingErr(d.q, args);
    EXPECT_EQ(SeriesLengths(d.data), c.lengths) << (c.list.empty() ? "no list" : c.list[0]);
  }
}

// Whatever a list keeps, each code's column is the one a run keeping every
// type writes: a row listing the code alone is the start of the row listing
// it before every raw type.  The second file carries millisecond jumps.
TEST(ReadFileKeptTypes, EveryCodeListsAsWithAllTypesKept) {
  const std::string everyType = ":C1:P1:P2:L1:L2:C2:D1:D2:C5:L5:C7:L7:C8:L8:";
  const Args files[] = {{"-o" + kMixed, "-gf" + kChannels, "-cGRE"}, {"-o" + kMsJumps, "-cG"}};
  for (const Args& file : files) {
    for (const char* jumps : {"-uM", "-ms"}) {
      for (int code = 0; code < kNumObsCodes; code++) {
        const std::string name = FindObsEntry(code)->names[0];
        Args alone = file, withAll = file;
        alone.insert(alone.end(), {jumps, "-l" + name + ":"});
        withAll.insert(withAll.end(), {jumps, "-l" + name + everyType});
        const std::vector<std::string> narrow = ListingRows(alone);
        const std::vector<std::string> full = ListingRows(withAll);
        ASSERT_EQ(narrow.size(), full.size()) << name;
        for (size_t k = 0; k < narrow.size(); k++)
          EXPECT_EQ(full[k].compare(0, narrow[k].size(), narrow[k]), 0)
              << file[0] << " " << jumps << " " << name << "\n"
              << narrow[k] << "\n"
              << full[k];
      }
    }
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
