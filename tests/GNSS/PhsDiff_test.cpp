#include "GNSS/PhsDiff.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "GNSS/gnssobs.h"
#include "GNSS/gnssobsshort.h"
#include "tests/support/fatal_output.h"
#include "tests/support/program_frames.h"
#include "tests/support/sd_dump.h"
#include "tests/support/sd_text.h"

namespace {

const long kDay = 60485;

// Three epochs of 2, 1 and 2 records of C1, L1, S1, D1; the header takes 6 lines.
std::string CleanFile() {
  return HeaderText(4, " C1 L1 S1 D1") + EpochLine(2, kDay, 30000, 0.5, -1.25, 2) +
         SatLine(5, {152817.640, 803024.316, 44.5, -131.27}) +
         SatLine(101, {152818.293, kMissing, 40.0, -133.581}) + EpochLine(1, kDay, 30001) +
         SatLine(5, {152817.7, 803025.0, kMissing, kMissing}) + EpochLine(2, kDay, 30002) +
         SatLine(7, {-1.5, 2.25, 30.0, 0.001}) + SatLine(211, {0.0, -0.004, 1.0, 3.0});
}

std::string WithWindowsLineEnds(const std::string& text) {
  std::string windows;
  for (char ch : text) windows += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  return windows;
}

std::string Printed(PhsDiff& loader) {
  std::ostringstream out;
  loader.PrintFile(out);
  return out.str();
}

TEST(PhsDiffLoad, CountsEpochsAndRecords) {
  std::string text = HeaderText(1, " C1");
  double second = 0;
  for (int n : {5, 6, 4}) {
    text += EpochLine(n, kDay, second += 30);
    for (int k = 0; k < n; k++) text += SatLine(k + 1, {1000.0 + k});
  }
  LoadedFile f(text);
  EXPECT_EQ(f.loader.nepoch, 3);
  EXPECT_EQ(f.loader.nobsall, 15);
  EXPECT_EQ(f.data.GetNObs(), 15);
  EXPECT_EQ(f.data.nsat(1), 6);
}

TEST(PhsDiffLoad, EndFlagZeroLeavesEverythingEmpty) {
  LoadedFile f(HeaderText(1, " C1", '0') + EpochLine(1, kDay, 0) + SatLine(1, {2.0}));
  EXPECT_EQ(f.loader.nepoch, 0);
  EXPECT_EQ(f.loader.nobsall, 0);
  EXPECT_EQ(f.data.C1.NRow(), 0);
  EXPECT_EQ(f.data.epoch.NRow(), 0);
}

TEST(PhsDiffLoad, MissingFileIsFatal) {
  PhsDiffHeader head;
  PhsDiffData data(head);
  PhsDiff loader(head, data);
  ChildOutput output = RunExpectingExit([&] { loader.SetFile("/nonexistent/file.sd"); });
  EXPECT_EQ(output.err, ErrorFrame("PhsDiff FILE CAN NOT BE OPENED!"));
  const std::string longName(300, 'a');
  output = RunExpectingExit([&] { loader.SetFile(longName.c_str()); });
  EXPECT_EQ(output.err, ErrorFrame("PhsDiff FILE NAME LONGER THAN 255 CHARACTERS!"));
}

TEST(PhsDiffRepair, CopyC2ToP2OnlyWithoutP2) {
  const std::string records =
      EpochLine(2, kDay, 0) + SatLine(3, {11.5, 21.5}) + SatLine(4, {12.5, 22.5});
  LoadedFile onlyC2(HeaderText(2, " C1 C2") + records);
  onlyC2.loader.copyC2toP2();
  EXPECT_TRUE(onlyC2.head.HasP2());
  ASSERT_EQ(onlyC2.data.P2.NRow(), 2);
  EXPECT_EQ(onlyC2.data.P2(0).GetObs(), onlyC2.data.C2(0).GetObs());
  EXPECT_EQ(onlyC2.data.P2(1).GetObs(), onlyC2.data.C2(1).GetObs());

  LoadedFile both(HeaderText(2, " P2 C2") + records);
  both.loader.copyC2toP2();
  EXPECT_DOUBLE_EQ(static_cast<double>(both.data.P2(1).GetObs()), 12.5);
  EXPECT_DOUBLE_EQ(static_cast<double>(both.data.C2(1).GetObs()), 22.5);

  PhsDiffData::TypeSet onlyC1;
  onlyC1.set(PhsDiffHeader::C1);
  LoadedFile droppedC2(HeaderText(2, " C1 C2") + records, onlyC1);
  droppedC2.loader.copyC2toP2();
  EXPECT_FALSE(droppedC2.head.HasP2());
  EXPECT_EQ(droppedC2.data.P2.NRow(), 0);
}

TEST(PhsDiffPrint, CanonicalLayout) {
  LoadedFile f(CleanFile());
  const std::string printed = Printed(f.loader);
  const std::string expected =
      "SINGLE_DIFFERENCES\n"
      "MARKER NAME     :  4 BASE  4 ROVR\n"
      "MARKER NUMBER   :  0   0 \n"
      "RECEIVER TYPE   :  0   0 \n"
      "ANTENNA TYPE    :  0   0 \n"
      "XYZ POSITION    :  4194423.1234  1162702.5679  4647245.1000         -1.0000        2.5000   "
      "     3.0000\n"
      "DELTA N/E/U     :      0.0000      0.0000    0.0000        0.0000      0.0000    0.0000\n"
      "# & TYPES OF OBS:  4  C1 L1 S1 D1\n"
      "DIFFERENCE LEVEL:  1\n"
      "END OF HEADER 1\n"
      "  2 60485 30000.0000000     0.500    -1.250     2.000\n"
      "  5       152817.640       803024.316            *.***         -131.270\n"
      "101       152818.293            *.***            *.***         -133.581\n"
      "  1 60485 30001.0000000     0.000     0.000     0.000\n"
      "  5       152817.700       803025.000            *.***            *.***\n"
      "  2 60485 30002.0000000     0.000     0.000     0.000\n"
      "  7           -1.500            2.250            *.***            0.001\n"
      "211            *.***           -0.004            *.***            3.000\n";
  EXPECT_EQ(printed, expected);
  // Later writers of values see the layout of the records.
  EXPECT_EQ(gnssobsns::PrintType, gnssobsns::NOLLISSI);
  EXPECT_EQ(gnssobsns::Width, 17);
  EXPECT_EQ(gnssobsshortns::PrintType, gnssobsshortns::NOLLISSI);
  EXPECT_EQ(gnssobsshortns::Width, 17);

  // Types whose values the run dropped are written as absent.
  PhsDiffData::TypeSet onlyL1;
  onlyL1.set(PhsDiffHeader::L1);
  LoadedFile dropped(CleanFile(), onlyL1);
  const std::string header = expected.substr(0, expected.find("  2 60485"));
  EXPECT_EQ(Printed(dropped.loader),
            header +
                "  2 60485 30000.0000000     0.500    -1.250     2.000\n"
                "  5            *.***       803024.316            *.***            *.***\n"
                "101            *.***            *.***            *.***            *.***\n"
                "  1 60485 30001.0000000     0.000     0.000     0.000\n"
                "  5            *.***       803025.000            *.***            *.***\n"
                "  2 60485 30002.0000000     0.000     0.000     0.000\n"
                "  7            *.***            2.250            *.***            *.***\n"
                "211            *.***           -0.004            *.***            *.***\n");
}

TEST(PhsDiffPrint, WrittenFileReadsBackToTheSameValues) {
  std::string unknownType =
      HeaderText(3, " C1 XX L2") + EpochLine(1, kDay, 5, 1, 2, 3) + SatLine(9, {1.25, 7.0, -3.5});
  std::string doubleLevel = HeaderText(1, " L5", '1', "DOUBLE_DIFFERENCES");
  doubleLevel.replace(doubleLevel.find("LEVEL:  1"), 9, "LEVEL:  2");
  doubleLevel += EpochLine(1, kDay, 5) + SatLine(9, {1.25});
  for (const std::string& text :
       {CleanFile(), unknownType, doubleLevel, HeaderText(1, " C1", '0')}) {
    LoadedFile first(text);
    LoadedFile second(Printed(first.loader));
    EXPECT_EQ(Dump(first.head, first.data), Dump(second.head, second.data));
    EXPECT_EQ(Printed(first.loader), Printed(second.loader));
  }
}

// Files as they arrive: each must load to the clean file's values, or stop
// with a clear message, or warn and keep what is there.
struct MalformedCase {
  const char* name;
  std::string text;
  std::string err;  // expected standard error (a fatal frame when fatal)
  bool fatal;
};

std::vector<MalformedCase> MalformedCorpus() {
  const std::string head = HeaderText(4, " C1 L1 S1 D1");
  const std::string clean = CleanFile();
  std::string blankLines = clean;
  blankLines.insert(blankLines.find("\n  1 60485") + 1, "\n   \n\t\r\n");
  blankLines += "\n\n";
  std::string longLines = clean;
  for (size_t at = longLines.find("\n  5 "); at != std::string::npos;
       at = longLines.find("\n  5 ", at + 1)) {
    const size_t end = longLines.find('\n', at + 1);
    longLines.insert(end, std::string(1100, ' ') + "trailing text");
  }
  std::string noLastLineEnd = clean;
  noLastLineEnd.pop_back();
  // The clock values of the later epochs are 0: left out, or cut by a word.
  std::string shortEpochLines = clean;
  shortEpochLines.replace(shortEpochLines.find("  1 60485 30001.0000000"), 53,
                          "  1 60485 30001.0000000");
  shortEpochLines.replace(shortEpochLines.find("  2 60485 30002.0000000"), 53,
                          "  2 60485 30002.0000000     0.000 us     4.000");
  return {
      {"blank lines between epochs", blankLines, "", false},
      {"windows line ends", WithWindowsLineEnds(clean), "", false},
      {"record lines longer than 1022", longLines, "", false},
      {"no line end after the last line", noLastLineEnd, "", false},
      {"epoch lines without all clock values", shortEpochLines, "", false},
      {"stray text between epochs",
       head + EpochLine(1, kDay, 0) + SatLine(5, {1, 2, 3, 4}) + "stray\n",
       ErrorFrame("SINGLE DIFFERENCES FILE, LINE 9: EPOCH LINE CAN NOT BE READ!"), true},
      {"epoch line without its second", head + " 1 60485\n" + SatLine(5, {1, 2, 3, 4}),
       ErrorFrame("SINGLE DIFFERENCES FILE, LINE 7: EPOCH LINE CAN NOT BE READ!"), true},
      {"negative satellite count", head + EpochLine(-2, kDay, 0),
       ErrorFrame("SINGLE DIFFERENCES FILE, LINE 7: NUMBER OF SATELLITES NOT VALID!"), true},
      {"satellite number 700", head + EpochLine(1, kDay, 0) + SatLine(700, {1, 2, 3, 4}),
       ErrorFrame("SINGLE DIFFERENCES FILE, LINE 8: SATELLITE NUMBER NOT IN RANGE 0 TO 699!"),
       true},
      {"negative satellite number", head + EpochLine(1, kDay, 0) + SatLine(-5, {1, 2, 3, 4}),
       ErrorFrame("SINGLE DIFFERENCES FILE, LINE 8: SATELLITE NUMBER NOT IN RANGE 0 TO 699!"),
       true},
      {"blank line among satellite lines",
       head + EpochLine(2, kDay, 0) + SatLine(5, {1, 2, 3, 4}) + "\n" + SatLine(6, {1, 2, 3, 4}),
       ErrorFrame("SINGLE DIFFERENCES FILE, LINE 9: SATELLITE LINE EXPECTED!"), true},
      {"second of day 86400", head + EpochLine(1, kDay, 86400) + SatLine(5, {1, 2, 3, 4}),
       ErrorFrame("SINGLE DIFFERENCES FILE, LINE 7: EPOCH NOT VALID!"), true},
      {"end of file inside the header", "SINGLE_DIFFERENCES\nMARKER NAME     :  1 A  1 B\n",
       ErrorFrame("SINGLE DIFFERENCES FILE ENDS BEFORE ITS END OF HEADER LINE!"), true},
      {"empty file", "",
       ErrorFrame("OBSERVATION DIFFERENCE FILE IS NOT IN VALID FORMAT [1. LINE: "
                  "[SINGLE|DOUBLE|TRIPLE]_DIFFERENCES]!"),
       true},
  };
}

TEST(PhsDiffMalformed, EachCaseHasItsOutcome) {
  LoadedFile clean(CleanFile());
  const std::string cleanDump = Dump(clean.head, clean.data);
  for (const MalformedCase& c : MalformedCorpus()) {
    if (c.fatal) {
      ChildOutput output = RunExpectingExit([&] { LoadedFile f(c.text); });
      EXPECT_EQ(output.err, c.err) << c.name;
      EXPECT_EQ(output.out, "") << c.name;
      continue;
    }
    testing::internal::CaptureStderr();
    LoadedFile f(c.text);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.err) << c.name;
    EXPECT_EQ(Dump(f.head, f.data), cleanDump) << c.name;
  }
}

// What loading a file gives: the fatal frame, or the warnings and the records.
std::string Outcome(const std::string& text, bool fatal, std::streamoff splitFrom) {
  const PhsDiffData::TypeSet all = PhsDiffData::TypeSet().set();
  if (fatal) return RunExpectingExit([&] { LoadedFile f(text, all, splitFrom); }).err;
  testing::internal::CaptureStderr();
  LoadedFile f(text, all, splitFrom);
  const std::string err = testing::internal::GetCapturedStderr();
  return err + Dump(f.head, f.data) + std::to_string(f.head.interval);
}

// The records read in two parts at once, divided at each line in turn, give
// what one reading from the first line to the last gives: the same values,
// and the same first fault or the same warnings.
TEST(PhsDiffTwoParts, EveryDivisionReadsAsOnePart) {
  std::vector<MalformedCase> cases = MalformedCorpus();
  const std::string head = HeaderText(4, " C1 L1 S1 D1");
  const std::string clean = CleanFile();
  cases.push_back({"clean", clean, "", false});
  cases.push_back({"cut in the last epoch", clean.substr(0, clean.size() - 12), "", false});
  cases.push_back({"faults in both halves",
                   head + EpochLine(1, kDay, 0) + SatLine(5, {1, 2, 3, 4}) + EpochLine(1, kDay, 1) +
                       SatLine(800, {1, 2, 3, 4}) + EpochLine(1, kDay, 2) +
                       SatLine(5, {1, 2, 3, 4}) + EpochLine(1, kDay, 86401) +
                       SatLine(5, {1, 2, 3, 4}),
                   "", true});
  cases.push_back(
      {"epochs out of order", clean + EpochLine(1, kDay, 10) + SatLine(3, {1, 2, 3, 4}), "", true});
  for (const MalformedCase& c : cases) {
    const std::string whole = Outcome(c.text, c.fatal, -1);
    std::vector<size_t> lineStarts{0};
    for (size_t end = c.text.find('\n'); end != std::string::npos; end = c.text.find('\n', end + 1))
      lineStarts.push_back(end + 1);
    for (size_t at : lineStarts)
      EXPECT_EQ(Outcome(c.text, c.fatal, static_cast<std::streamoff>(at)), whole)
          << c.name << ", divided from byte " << at;
  }
}

TEST(PhsDiffMalformed, TruncatedLastEpochKeepsItsLinesAndWarns) {
  const std::string text = HeaderText(1, " C1") + EpochLine(2, kDay, 0) + SatLine(1, {1}) +
                           SatLine(2, {2}) + EpochLine(4, kDay, 1) + SatLine(3, {3}) +
                           SatLine(4, {4});
  testing::internal::CaptureStderr();
  LoadedFile f(text);
  EXPECT_EQ(
      testing::internal::GetCapturedStderr(),
      WarningFrame(
          "SINGLE DIFFERENCES FILE ENDS IN THE EPOCH OF LINE 10: 2 OF 4 SATELLITE LINES READ"));
  EXPECT_EQ(f.loader.nepoch, 2);
  EXPECT_EQ(f.loader.nobsall, 4);
  EXPECT_EQ(f.data.nsat(1), 2);
  EXPECT_EQ(f.data.sat(3), 4);
  EXPECT_DOUBLE_EQ(static_cast<double>(f.data.C1(3).GetObs()), 4.0);
}

TEST(PhsDiffMalformed, LastLineCutOffIsNotRead) {
  const std::string clean = CleanFile();  // 6 header lines, then lines 7 to 14
  const std::string cutSatellite = clean.substr(0, clean.size() - 12);
  const std::string cutEpoch = clean + "  1 60485 30003.00";
  testing::internal::CaptureStderr();
  LoadedFile satellite(cutSatellite);
  EXPECT_EQ(
      testing::internal::GetCapturedStderr(),
      WarningFrame(
          "SINGLE DIFFERENCES FILE ENDS IN THE EPOCH OF LINE 12: 1 OF 2 SATELLITE LINES READ") +
          WarningFrame("SINGLE DIFFERENCES FILE, LINE 14: LAST LINE IS CUT OFF AND IS NOT READ"));
  EXPECT_EQ(satellite.loader.nobsall, 4);
  EXPECT_EQ(satellite.data.nsat(2), 1);
  EXPECT_EQ(satellite.data.sat(3), 7);

  testing::internal::CaptureStderr();
  LoadedFile epoch(cutEpoch);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            WarningFrame("SINGLE DIFFERENCES FILE, LINE 15: LAST LINE IS CUT OFF AND IS NOT READ"));
  LoadedFile reference(clean);
  EXPECT_EQ(Dump(epoch.head, epoch.data), Dump(reference.head, reference.data));
}

TEST(PhsDiffMalformed, BlankOrShortFieldsReadAsMissingWithoutShifting) {
  // Field 0 blank, field 2 cut by the end of the line: neither takes a
  // neighbour's value.
  const std::string line = "  8" + std::string(17, ' ') + "          123.456" + "      7";
  LoadedFile f(HeaderText(3, " C1 L1 L2") + EpochLine(1, kDay, 0) + line + "\n");
  EXPECT_EQ(f.data.C1(0).GetObs(), 0);
  EXPECT_DOUBLE_EQ(static_cast<double>(f.data.L1(0).GetObs()), 123.456);
  EXPECT_DOUBLE_EQ(static_cast<double>(f.data.L2(0).GetObs()), 7.0);
}

}  // namespace
