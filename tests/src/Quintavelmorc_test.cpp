// Tests of the driver's command line: what each option sets, the final rules,
// the warnings, and the fatal reports with their exact bytes.
#include "src/Quintavelmorc.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "catalogue/ObsCatalogue.h"
#include "tests/support/driver_run.h"
#include "tests/support/fatal_output.h"
#include "tests/support/program_frames.h"
#include "tests/support/stream_capture.h"

namespace {

using Q = Quintavelmorc;
using H = PhsDiffHeader;
using C = ObsCombination;
using Args = std::vector<std::string>;

const std::string kFile = CliDataDir() + "gps_c1_l1_l2.sd";
const std::string kMissing = CliDataDir() + "not_there.txt";

struct Output {
  std::string out;
  std::string err;
};

Output RunGetFiles(Q& q, const Args& args) {
  StreamCapture out(std::cout);
  StreamCapture err(std::cerr);
  CallGetFiles(q, args);
  return {out.str(), err.str()};
}

ChildOutput RunFatal(const Args& args) {
  return RunExpectingExit([&] {
    DriverRun d;
    CallGetFiles(d.q, args);
  });
}

// A run that passes the final rules: a readable file and GPS.
Args RunnableWith(Args extra) {
  Args args{"-o" + kFile, "-cG"};
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

TEST(GetFilesDefaults, ConstructorSetsTheDocumentedValues) {
  DriverRun d;
  EXPECT_EQ(d.q.obsdiffile[0], '\0');
  EXPECT_TRUE(d.q.RunProg);
  EXPECT_EQ(d.q.verbose, 0);
  EXPECT_EQ(d.q.EpochRound, static_cast<long double>(0.001));
  EXPECT_EQ(d.q.PhUnit, Q::CYCLE);
  EXPECT_EQ(d.q.obslist.Length(), 0);
}

struct OptionCase {
  const char* what;
  Args extra;
  std::function<void(const Q&)> check;
};

TEST(GetFilesOptions, EachOptionSetsItsFields) {
  const OptionCase cases[] = {
      {"-csGRE without channel file keeps G and E",
       {"-csGRE"},
       [](const Q& q) { EXPECT_TRUE(q.isG && q.isE && !q.isR && !q.isC); }},
      {"-cGALILEO holds G and E", {"-cGALILEO"}, [](const Q& q) { EXPECT_TRUE(q.isE && !q.isC); }},
      {"-cGLONASS holds only G",
       {"-cGLONASS"},
       [](const Q& q) { EXPECT_TRUE(q.isG && !q.isR && !q.isE && !q.isC); }},
      {"-c selections add up",
       {"-cE", "-cc"},
       [](const Q& q) { EXPECT_TRUE(q.isG && q.isE && q.isC); }},
      {"-pG01G0 keeps the whole group",
       {"-pG01G0"},
       [](const Q& q) {
         EXPECT_TRUE(q.isSat);
         EXPECT_EQ(Column(q.satprn), (std::vector<short>{1}));
       }},
      {"-p keeps the order",
       {"-PG01G03G23R02E11"},
       [](const Q& q) {
         EXPECT_EQ(Column(q.satprn), (std::vector<short>{1, 3, 23, 102, 211}));
       }},
      {"-p: C is BeiDou, letters in either case",
       {"-pC05r02e11g07"},
       [](const Q& q) {
         EXPECT_EQ(Column(q.satprn), (std::vector<short>{305, 102, 211, 7}));
       }},
      {"-l: three entries",
       {"-lC1:P2:L4:"},
       [](const Q& q) {
         EXPECT_TRUE(q.isObs);
         EXPECT_STREQ(q.observations, "C1:P2:L4:");
         EXPECT_EQ(Column(q.obslist), (std::vector<short>{H::C1, H::P2, C::LGEOMFREE}));
         EXPECT_EQ(Column(q.IfExistObs), (std::vector<short>{0, 0, 0}));
       }},
      {"-l: a trailing name without ':' is no entry",
       {"-lC1:P2:L4"},
       [](const Q& q) {
         EXPECT_EQ(Column(q.obslist), (std::vector<short>{H::C1, H::P2}));
       }},
      {"-l: the help's own example",
       {"-lC1:P2:L1:L2:P4:L4:MW"},
       [](const Q& q) {
         EXPECT_EQ(Column(q.obslist),
                   (std::vector<short>{H::C1, H::P2, H::L1, H::L2, C::PCGEOMFREE, C::LGEOMFREE}));
       }},
      {"-l: repeated codes are entries of their own",
       {"-lMW:MWc:"},
       [](const Q& q) {
         EXPECT_EQ(Column(q.obslist), (std::vector<short>{C::MELWUBC, C::MELWUBC}));
       }},
      {"-l: a later list replaces an earlier one",
       {"-lC1:P2:L4:", "-LL1:"},
       [](const Q& q) {
         EXPECT_EQ(Column(q.obslist), (std::vector<short>{H::L1}));
         EXPECT_EQ(Column(q.IfExistObs), (std::vector<short>{0}));
       }},
      {"-d keeps the absolute value",
       {"-d-0.005"},
       [](const Q& q) { EXPECT_EQ(q.EpochRound, static_cast<long double>(0.005)); }},
      {"-t is kept in single precision",
       {"-t0.1"},
       [](const Q& q) {
         EXPECT_TRUE(q.isDt);
         EXPECT_EQ(q.dt, static_cast<long double>(0.1f));
         EXPECT_NE(q.dt, 0.1L);
       }},
      {"-t of text is 0", {"-Tabc"}, [](const Q& q) { EXPECT_TRUE(q.isDt && q.dt == 0); }},
      {"-uM", {"-uM"}, [](const Q& q) { EXPECT_TRUE(q.isUnit && q.PhUnit == Q::METER); }},
      {"-uc", {"-uM", "-uc"}, [](const Q& q) { EXPECT_TRUE(q.isUnit && q.PhUnit == Q::CYCLE); }},
      {"-uhelp is a unit, not help",
       {"-uM", "-uhelp"},
       [](const Q& q) { EXPECT_TRUE(!q.isUnit && q.PhUnit == Q::CYCLE && !q.isHelp); }},
      {"-u alone", {"-u"}, [](const Q& q) { EXPECT_FALSE(q.isUnit); }},
      {"-ms", {"-MS"}, [](const Q& q) { EXPECT_TRUE(q.isMSJump); }},
      {"-s and -e",
       {"-s2017-03-05/06:07:08.5", "-E2017.03.05_06.30.00"},
       [](const Q& q) {
         EXPECT_TRUE(q.isStart && q.isEnd);
         EXPECT_EQ(q.stE.GetMJDay(), 57817u);
         EXPECT_EQ(q.stE.GetSecond(), 22028.5L);
         EXPECT_EQ(q.enE.GetSecond(), 23400.0L);
       }},
      {"help with a file and a constellation is ignored",
       {"-help"},
       [](const Q& q) { EXPECT_TRUE(q.isHelp && q.RunProg); }},
      {"-vverbose is verbose", {"-vverbose"}, [](const Q& q) { EXPECT_EQ(q.verbose, 1); }},
  };
  for (const OptionCase& c : cases) {
    SCOPED_TRACE(c.what);
    DriverRun d;
    const Output output = RunGetFiles(d.q, RunnableWith(c.extra));
    c.check(d.q);
    EXPECT_EQ(output.out, "");
  }
}

TEST(GetFilesOptions, ListIsEchoedOutsideVerboseMode) {
  DriverRun d;
  EXPECT_EQ(RunGetFiles(d.q, RunnableWith({"-lC1:L4:"})).err, "C1 L4 ");
}

// Text after the last ":" is no entry; it is named, being most often a last
// name that lacks its ":".
TEST(GetFilesOptions, TextAfterTheLastColonIsNamed) {
  DriverRun d;
  EXPECT_EQ(RunGetFiles(d.q, RunnableWith({"-lL4:MW"})).err,
            WarningFrame("OBSERVATION LIST [-l]: \"MW\" AFTER THE LAST \":\" IS IGNORED (EACH NAME "
                         "ENDS WITH \":\")!") +
                "L4 MW");
  EXPECT_EQ(Column(d.q.obslist), (std::vector<short>{C::LGEOMFREE}));
}

TEST(GetFilesOptions, ProgramNameTakesPartInTheVerboseScan) {
  DriverRun d;
  StreamCapture err(std::cerr);
  CallGetFiles(d.q, RunnableWith({}), "/v/Quintavelmor");
  EXPECT_EQ(d.q.verbose, 1);

  DriverRun quiet;
  CallGetFiles(quiet.q, RunnableWith({}), "/usr/bin/Quintavelmor");
  EXPECT_EQ(quiet.q.verbose, 0);
}

TEST(GetFilesRules, HelpReplacesTheRunOnlyForShortCommandLines) {
  const struct {
    Args args;
    bool help;
  } cases[] = {
      {{}, true},
      {{"-v"}, true},
      {{"-help"}, true},
      {{"-xHELPx"}, true},
      {{"-help", "-v"}, true},
      {{"-v", "-Help"}, true},
      {{"-help", "-o" + kFile, "-cG"}, false},
      {{"-v", "-o" + kFile, "-cG"}, false},
  };
  for (const auto& c : cases) {
    DriverRun d;
    const Output output = RunGetFiles(d.q, c.args);
    EXPECT_EQ(d.q.RunProg, !c.help) << c.args.size() << " arguments";
    EXPECT_EQ(output.err.find("UPORABA:") != std::string::npos, c.help);
  }
}

TEST(GetFilesRules, UnreadableChannelFileDropsGlonass) {
  DriverRun d;
  const Output output = RunGetFiles(d.q, {"-o" + kFile, "-gf" + kMissing, "-cR"});
  EXPECT_FALSE(d.q.isGLNfc);
  EXPECT_FALSE(d.q.isR);
  EXPECT_TRUE(d.q.RunProg);
  EXPECT_EQ(output.err,
            WarningFrame("GLONASS FREQUENCY CHANNEL FILE CAN NOT BE OPENED!") +
                WarningFrame("GLONASS SATELITE SYSTEM SET BUT WITHOUT FREQUENCY CHANNEL FILE "
                             "(NOT USING GLONASS)!"));
}

TEST(GetFilesRules, ReadableChannelFileKeepsGlonass) {
  DriverRun d;
  const Output output = RunGetFiles(d.q, {"-o" + kFile, "-GF" + kFile, "-cr"});
  EXPECT_TRUE(d.q.isGLNfc && d.q.isR);
  EXPECT_STREQ(d.q.gfcfile, kFile.c_str());
  EXPECT_EQ(output.err, "");
}

TEST(GetFilesRules, WarningsComeInElementOrderBeforeTheChecks) {
  DriverRun d;
  const Output output = RunGetFiles(d.q, RunnableWith({"-x", "", "-gF", "-m", "-"}));
  EXPECT_TRUE(d.q.RunProg);
  EXPECT_EQ(output.err,
            WarningFrame("UNKNOWN PARAMETHER: -x") + WarningFrame(" - PARAMETHER MANDATORY -> ") +
                WarningFrame("UNKNOWN PARAMETHER: -g") + WarningFrame("UNKNOWN PARAMETHER: -m") +
                WarningFrame("UNKNOWN PARAMETHER: -"));
}

TEST(GetFilesFatal, ChecksEndTheProgramWithTheirMessages) {
  const struct {
    Args args;
    std::string err;
  } cases[] = {
      {{"-o" + kFile}, ErrorFrame("NO GNSS SATELLITE SYSTEM SET [-c[G|R|E|C]]!")},
      {{"-o" + kMissing, "-cG"}, ErrorFrame("SINGLE-DIFFERENCE FILE CAN NOT BE OPENED!")},
      {{"-cG", "-x"},
       WarningFrame("UNKNOWN PARAMETHER: -x") + ErrorFrame("SINGLE-DIFFERENCE FILE MUST BE SET!")},
      {{"-lC1::L1:", "-o" + kMissing},
       "C1  L1 " + ErrorFrame(" - OBSERVATION IN OBSERVATION LIST INCORRECT!")},
      {{"-lc1:"}, "c1 " + ErrorFrame("c1 - OBSERVATION IN OBSERVATION LIST INCORRECT!")},
      // Values that would be read as something else than they say.
      {{"-lL4,MW"},
       "L4,MW" + ErrorFrame("OBSERVATION LIST [-l] HAS NO ENTRY (EACH NAME ENDS WITH \":\", "
                            "E.G. -lC1:L4:MW:)!")},
      {{"-pG14,G20"},
       WarningFrame("LIST OF SATELLITES [-p] WITH WRONG NUMBER OF CHARACTERS (3 PER SAT "
                    "EXPECTED)!") +
           ErrorFrame(",G2 - SATELLITE IN LIST OF SATELLITES [-p] INCORRECT (SYSTEM LETTER G, R, "
                      "E OR C AND TWO DIGITS EXPECTED)!")},
      {{"-pG01S01"},
       ErrorFrame("S01 - SATELLITE IN LIST OF SATELLITES [-p] INCORRECT (SYSTEM "
                  "LETTER G, R, E OR C AND TWO DIGITS EXPECTED)!")},
      {{"-s2021-9-22/06:32:00"},
       ErrorFrame("START EPOCH [-s] NOT IN THE FORM YYYY-MM-DD/HH:MM:SS.SSS (ANY SEPARATORS)!")},
      {{"-E2021-09-22/6:32:00"},
       ErrorFrame("END EPOCH [-e] NOT IN THE FORM YYYY-MM-DD/HH:MM:SS.SSS (ANY SEPARATORS)!")},
  };
  for (const auto& c : cases) {
    const ChildOutput output = RunFatal(c.args);
    EXPECT_EQ(output.err, c.err);
    EXPECT_EQ(output.out, "");
  }
}

// Values longer than the driver's fixed fields are refused with a clear report
// instead of being cut or overrunning the field; the longest that fit pass.
TEST(GetFilesFatal, ValuesLongerThanTheirFieldsAreRefused) {
  const std::string name255(255, 'a');
  const struct {
    Args args;
    std::string err;
  } cases[] = {
      {{"-o" + name255 + "a", "-cG"},
       ErrorFrame("SINGLE-DIFFERENCE FILE NAME [-o] TOO LONG (AT MOST 255 CHARACTERS)!")},
      {{"-o" + name255, "-cG"}, ErrorFrame("SINGLE-DIFFERENCE FILE CAN NOT BE OPENED!")},
      {{"-gf" + name255 + "a"},
       ErrorFrame("GLONASS FREQUENCY CHANNEL FILE NAME [-gf] TOO LONG (AT MOST 255 CHARACTERS)!")},
      {{"-l" + name255 + "a"},
       ErrorFrame("OBSERVATION LIST [-l] TOO LONG (AT MOST 255 CHARACTERS)!")},
      {{"-p" + std::string(300, '1')},
       ErrorFrame("LIST OF SATELLITES [-p] TOO LONG (AT MOST 99 SATELLITES)!")},
  };
  for (const auto& c : cases) EXPECT_EQ(RunFatal(c.args).err, c.err);
}

TEST(GetFilesFatal, LongestValuesThatFitAreAccepted) {
  std::string list;
  std::string echo;
  for (int i = 0; i < 85; i++) {  // 255 characters
    list += "C1:";
    echo += "C1 ";
  }
  DriverRun d;
  std::string satellites;
  for (int i = 0; i < 99; i++) satellites += "R01";  // 297 characters
  const Output output = RunGetFiles(d.q, RunnableWith({"-l" + list, "-p" + satellites}));
  EXPECT_EQ(d.q.obslist.Length(), 85);
  EXPECT_EQ(d.q.satprn.Length(), 99);
  EXPECT_EQ(output.err, echo);
}

TEST(GetFilesFatal, InvalidStartDateEndsWithTheCalendarError) {
  const ChildOutput output = RunFatal({"-s2020-02-30/00:00:00"});
  EXPECT_EQ(output.out,
            "\n**** ymdhms: Error -> DAY not valid ****\n     Exiting class ymdhms ... \n");
  EXPECT_EQ(output.err, "");
}

}  // namespace
