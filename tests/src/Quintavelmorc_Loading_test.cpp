// Tests of the driver's loading stage: defaults taken from the file, the
// availability echo, and the verbose messages.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "GNSS/GLNSat.h"
#include "GNSS/PhsDiff.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffHeader.h"
#include "src/Quintavelmorc.h"
#include "tests/support/fatal_output.h"
#include "tests/support/stream_capture.h"

namespace {

using Q = Quintavelmorc;
using Args = std::vector<std::string>;

// The input files shared with the end-to-end cases.
const std::string kDataDir = [] {
  const std::string source = __FILE__;
  return source.substr(0, source.rfind('/')) + "/../cli/data/";
}();
// GPS satellites 5 and 12 with C1, L1, L2; epochs at 06:07:00, 06:07:30 and
// 06:08:00 of MJD 57817 (2017-03-05).
const std::string kGpsFile = kDataDir + "gps_c1_l1_l2.sd";
// The same header, announcing no epoch records.
const std::string kNoEpochs = kDataDir + "no_epochs.sd";

struct Driver {
  PhsDiffHeader header;
  PhsDiffData data{header};
  PhsDiff loader{header, data};
  GLNSat channels;
  Q q{header, data, loader, channels};
};

void Load(Q& q, const Args& args) {
  std::vector<const char*> argv{"Quintavelmor"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  q.GetFiles(static_cast<int>(argv.size()), argv.data());
  q.SetFile();
  q.ReadFile();
}

std::string LoadCapturingErr(Q& q, const Args& args) {
  StreamCapture err(std::cerr);
  Load(q, args);
  return err.str();
}

std::vector<short> Column(const matrix<short>& m) {
  std::vector<short> values;
  for (long i = 0; i < m.Length(); i++) values.push_back(m(i));
  return values;
}

// A single-difference file with the given observation-type groups and one
// epoch of satellite 1, written to a temporary path that the object removes.
class TypesFile {
 public:
  explicit TypesFile(const std::string& groups) {
    std::ofstream out(path_);
    out << "SINGLE_DIFFERENCES\n# & TYPES OF OBS:" << groups << "\nEND OF HEADER 1\n"
        << "  1 57817 22020.0000000     0.000     0.000     0.000\n  1\n";
  }
  ~TypesFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_ = testing::TempDir() + "loading_types.sd";
};

TEST(ReadFileObservations, ListedEntriesAreCheckedAndEchoedOnTheListLine) {
  Driver d;
  const std::string err = LoadCapturingErr(d.q, {"-o" + kGpsFile, "-csG", "-lC1:L4:P4:"});
  EXPECT_EQ(err, "C1 L4 P4  C1[+] L4[+] P4[C][-]\n");
  EXPECT_EQ(Column(d.q.IfExistObs), (std::vector<short>{1, 1, 0}));
  EXPECT_EQ(d.q.nObsReal, 2);
}

TEST(ReadFileObservations, RepeatedCodesAreCheckedOneByOne) {
  Driver d;
  const std::string err = LoadCapturingErr(d.q, {"-o" + kGpsFile, "-cE", "-lMW:MWc:CL1:"});
  EXPECT_EQ(err, "MW MWc CL1  MW[C][-] MW[C][-] C1-L1[+]\n");
  EXPECT_EQ(d.q.nObsReal, 1);
}

TEST(ReadFileObservations, WithoutAListTheFileTypesAreTakenInHeaderOrder) {
  TypesFile file("  5  C1 L1 L2 P2 XX");
  Driver d;
  const std::string err = LoadCapturingErr(d.q, {"-o" + file.path(), "-cG"});
  EXPECT_EQ(err, "");
  EXPECT_FALSE(d.q.isObs);
  // The unknown group names no type and gives no entry.
  EXPECT_EQ(Column(d.q.obslist), (std::vector<short>{Q::C1, Q::L1, Q::L2, Q::P2}));
  EXPECT_EQ(Column(d.q.IfExistObs), (std::vector<short>{1, 1, 1, 1}));
  EXPECT_EQ(d.q.nObsReal, 4);
}

TEST(ReadFileDefaults, WindowAndSatellitesComeFromTheFile) {
  Driver d;
  LoadCapturingErr(d.q, {"-o" + kGpsFile, "-cG"});
  EXPECT_EQ(d.q.stE.GetMJDay(), 57817u);
  EXPECT_EQ(d.q.stE.GetSecond(), 22020.0L);
  EXPECT_EQ(d.q.enE.GetSecond(), 22080.0L);
  EXPECT_EQ(Column(d.q.satprn), (std::vector<short>{5, 12}));
}

TEST(ReadFileDefaults, CommandLineSettingsAreKept) {
  Driver d;
  LoadCapturingErr(d.q, {"-o" + kGpsFile, "-cG", "-s2017-03-06/00:00:00", "-pG07"});
  EXPECT_EQ(d.q.stE.GetMJDay(), 57818u);
  EXPECT_EQ(d.q.stE.GetSecond(), 0.0L);
  EXPECT_EQ(d.q.enE.GetSecond(), 22080.0L);
  EXPECT_EQ(Column(d.q.satprn), (std::vector<short>{7}));
}

TEST(ReadFileMessages, VerboseRunReportsEveryStep) {
  Driver d;
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
  Driver d;
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
      Driver d;
      Load(d.q, args);
    });
    EXPECT_EQ(output.err,
              "\n**** Quintavelmor: Error -> SINGLE-DIFFERENCE FILE HAS NO EPOCHS! ****\n"
              "     Exiting Quintavelmor ... \n\n");
    EXPECT_EQ(output.out, "");
  }
}

TEST(ReadFileStages, NothingIsLoadedAfterTheHelpText) {
  Driver d;
  LoadCapturingErr(d.q, {});
  EXPECT_FALSE(d.q.RunProg);
  EXPECT_EQ(d.data.GetNEpoch(), 0);
  EXPECT_EQ(d.q.satprn.Length(), 0);
}

}  // namespace
