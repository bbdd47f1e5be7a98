#include "GNSS/PhsDiffHeader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/fatal_output.h"

namespace {

PhsDiffHeader ReadHeader(const std::string& text, bool* streamOk = nullptr) {
  PhsDiffHeader head;
  std::istringstream in(text);
  in >> head;
  if (streamOk != nullptr) *streamOk = !in.fail();
  return head;
}

std::vector<short> Codes(const PhsDiffHeader& head) {
  std::vector<short> codes;
  for (long i = 0; i < head.obs.NRow(); i++) codes.push_back(head.obs(i));
  return codes;
}

std::vector<std::string> FlagsSet(const PhsDiffHeader& head) {
  std::vector<std::string> names;
  for (short code = 0; code < PhsDiffHeader::NTYPES; code++)
    if (head.HasType(code)) names.push_back(PhsDiffHeader::TypeName(code));
  return names;
}

TEST(PhsDiffHeaderState, ConstructorStartsEmptyAtLevelOne) {
  PhsDiffHeader head;
  EXPECT_STREQ(head.mname[PhsDiffHeader::BASE], "");
  EXPECT_STREQ(head.antserial[PhsDiffHeader::ROVER], "");
  EXPECT_EQ(head.nobs, 0);
  EXPECT_EQ(head.obs.NRow(), 0);
  EXPECT_EQ(head.X0.NRow(), 2);
  EXPECT_EQ(head.Dp.NRow(), 2);
  EXPECT_EQ(head.X0(1).GetZ(), 0);
  EXPECT_FALSE(head.IsValid);
  EXPECT_FALSE(head.HasObservations);
  EXPECT_EQ(head.diffLevel, 1);
  EXPECT_TRUE(FlagsSet(head).empty());
  EXPECT_FALSE(head.iPC1 || head.iPC3 || head.iPP3 || head.iL3 || head.iL4 || head.iMW ||
               head.iPC4 || head.iPP4 || head.iLC5 || head.iCL1);
}

TEST(PhsDiffHeaderRead, EmptyHeaderWithEndFlagZero) {
  bool ok = false;
  PhsDiffHeader head = ReadHeader("SINGLE_DIFFERENCES\nEND OF HEADER 0\n", &ok);
  EXPECT_TRUE(ok);
  EXPECT_TRUE(head.IsValid);
  EXPECT_FALSE(head.HasObservations);
  EXPECT_EQ(head.diffLevel, 1);
  EXPECT_EQ(head.nHeadLines, 2);
}

TEST(PhsDiffHeaderRead, DifferenceWordDoesNotSetTheLevel) {
  EXPECT_EQ(ReadHeader("DOUBLE_DIFFERENCES\nEND OF HEADER 0\n").diffLevel, 1);
  EXPECT_EQ(ReadHeader("TRIPLE_DIFFERENCES\nDIFFERENCE LEVEL:  3\nEND OF HEADER 0\n").diffLevel, 3);
  EXPECT_TRUE(ReadHeader("  x SINGLE_DIFFERENCES y\nEND OF HEADER 0\n").IsValid);
}

TEST(PhsDiffHeaderRead, EndLineFlag) {
  struct Case {
    const char* endLine;
    bool hasObservations;
  } cases[] = {{"END OF HEADER 1", true},   {"END OF HEADER 0", false}, {"END OF HEADER", false},
               {"END OF HEADER 1\r", true}, {"END OF HEADER\r", false}, {"END OF HEADER 2", false}};
  for (const Case& c : cases) {
    PhsDiffHeader head = ReadHeader(std::string("SINGLE_DIFFERENCES\n") + c.endLine + "\n");
    EXPECT_EQ(head.HasObservations, c.hasObservations) << c.endLine;
  }
}

TEST(PhsDiffHeaderRead, StreamStandsOnTheLineAfterTheEndLine) {
  std::istringstream in("SINGLE_DIFFERENCES\nEND OF HEADER 1\nnext line\n");
  PhsDiffHeader head;
  in >> head;
  std::string rest;
  std::getline(in, rest);
  EXPECT_EQ(rest, "next line");
}

TEST(PhsDiffHeaderRead, FirstLabelFoundDecides) {
  PhsDiffHeader head = ReadHeader(
      "SINGLE_DIFFERENCES\n"
      "MARKER NAME     : 13 END OF HEADE  1 A\n"
      "   MARKER NAME  : 14 RECEIVER TYPE   2 BB\n"
      "stray text without a label\n"
      "END OF HEADER 1 MARKER NAME\n"
      "MARKER NAME     :  1 X  1 Y\n");
  EXPECT_STREQ(head.mname[PhsDiffHeader::BASE], "RECEIVER TYPE ");
  EXPECT_STREQ(head.mname[PhsDiffHeader::ROVER], "BB");
  EXPECT_STREQ(head.rectype[PhsDiffHeader::BASE], "");
  EXPECT_TRUE(head.HasObservations);
}

TEST(PhsDiffHeaderRead, EndOfInputBeforeEndLineFailsTheStream) {
  bool ok = true;
  PhsDiffHeader head = ReadHeader("SINGLE_DIFFERENCES\nMARKER NAME     :  2 AB  2 CD\n", &ok);
  EXPECT_FALSE(ok);
  EXPECT_STREQ(head.mname[PhsDiffHeader::ROVER], "CD");
  EXPECT_FALSE(head.HasObservations);
}

TEST(PhsDiffHeaderRead, FirstLineWithoutDifferenceWordIsFatal) {
  for (const char* text : {"RINEX\nEND OF HEADER 1\n", "", "SINGLE DIFFERENCES\n"}) {
    ChildOutput output = RunExpectingExit([&] { ReadHeader(text); });
    EXPECT_EQ(
        output.err,
        "\n**** Quintavelmor: Error -> OBSERVATION DIFFERENCE FILE IS NOT IN VALID FORMAT "
        "[1. LINE: [SINGLE|DOUBLE|TRIPLE]_DIFFERENCES]! ****\n     Exiting Quintavelmor ... \n\n");
    EXPECT_EQ(output.out, "");
  }
}

TEST(PhsDiffHeaderText, LengthPrefixedValues) {
  struct Case {
    const char* line;
    const char* base;
    const char* rover;
  } cases[] = {
      {"MARKER NAME     : 12 BASE  STAT01  2 AB", "BASE  STAT01", "AB"},
      {"MARKER NAME     :  0   4 BASE", "", "BASE"},
      {"   MARKER NAME  :  3 ABC  3 DEF", "ABC", "DEF"},
      {"MARKER NAME     :  9 SHORT", "SHORT", ""},    // length past the line
      {"MARKER NAME     :  2 AB  9 XY", "AB", "XY"},  // rover value cut by the line
      {"MARKER NAME     :    2 AB", "", ""},          // blank length field
      {"MARKER NAME     : -2 AB", "", ""},            // a sign is no length
      {"MARKER NAME     :", "", ""},
  };
  for (const Case& c : cases) {
    PhsDiffHeader head;
    head.ParseMarkerName(c.line);
    EXPECT_STREQ(head.mname[PhsDiffHeader::BASE], c.base) << c.line;
    EXPECT_STREQ(head.mname[PhsDiffHeader::ROVER], c.rover) << c.line;
  }
}

TEST(PhsDiffHeaderText, RoverFieldsFollowTheBaseValue) {
  // Base value of 12 characters: rover length at offset 33, value at 37.
  const std::string line = "MARKER NAME     : 12 ABCDEF GHIJK  2 RV";
  ASSERT_EQ(line.substr(33, 4), "  2 ");
  PhsDiffHeader head;
  head.ParseMarkerName(line.c_str());
  EXPECT_STREQ(head.mname[PhsDiffHeader::BASE], "ABCDEF GHIJK");
  EXPECT_STREQ(head.mname[PhsDiffHeader::ROVER], "RV");
}

TEST(PhsDiffHeaderText, EachTextRecordFillsItsField) {
  PhsDiffHeader head = ReadHeader(
      "SINGLE_DIFFERENCES\n"
      "MARKER NUMBER   :  2 N1  2 N2\n"
      "RECEIVER TYPE   : 13 BASE RCVR NR9 14 ROVER RCVR MX5\n"
      "ANTENNA TYPE    : 20 CHOKE RING 0    NONE 20 GEODETIC ANT2   ACME\n"
      "ANTENNA SERIAL  :  3 123  0 \n"
      "END OF HEADER 0\n");
  EXPECT_STREQ(head.mnumber[PhsDiffHeader::ROVER], "N2");
  EXPECT_STREQ(head.rectype[PhsDiffHeader::BASE], "BASE RCVR NR9");
  EXPECT_STREQ(head.rectype[PhsDiffHeader::ROVER], "ROVER RCVR MX5");
  EXPECT_STREQ(head.anttype[PhsDiffHeader::ROVER], "GEODETIC ANT2   ACME");
  EXPECT_STREQ(head.antserial[PhsDiffHeader::BASE], "123");
  EXPECT_STREQ(head.antserial[PhsDiffHeader::ROVER], "");
}

TEST(PhsDiffHeaderText, ValueLongerThanItsFieldIsCutWithAWarning) {
  const std::string longName(70, 'N');
  const std::string line = "MARKER NAME     : 70 " + longName + " 25 " + std::string(25, 'R');
  PhsDiffHeader head;
  testing::internal::CaptureStderr();
  head.ParseMarkerName(line.c_str());
  head.ParseReceiverType(("RECEIVER TYPE   : 25 " + std::string(25, 'T') + "  1 X").c_str());
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::string(head.mname[PhsDiffHeader::BASE]), std::string(60, 'N'));
  EXPECT_EQ(std::string(head.mname[PhsDiffHeader::ROVER]), std::string(25, 'R'));
  EXPECT_EQ(std::string(head.rectype[PhsDiffHeader::BASE]), std::string(20, 'T'));
  EXPECT_STREQ(head.rectype[PhsDiffHeader::ROVER], "X");
  EXPECT_EQ(err,
            "\n#### Quintavelmor: Warning -> HEADER RECORD MARKER NAME: VALUE LONGER THAN 60 "
            "CHARACTERS IS CUT ####\n     Continuing Quintavelmor ... \n\n"
            "\n#### Quintavelmor: Warning -> HEADER RECORD RECEIVER TYPE: VALUE LONGER THAN 20 "
            "CHARACTERS IS CUT ####\n     Continuing Quintavelmor ... \n\n");
}

TEST(PhsDiffHeaderNumbers, PositionsAndOffsetsAtTheirColumns) {
  PhsDiffHeader head;
  head.ParseX0(
      "XYZ POSITION    : -3951234.5678  3381234.5678  3661234.5670   -3952345.6789  3382345.6789  "
      "3662345.6789");
  head.ParseDp(
      "   DELTA N/E/U  :      0.1000     -0.2000    1.5000        0.0000      0.0000    2.0000");
  EXPECT_DOUBLE_EQ(static_cast<double>(head.X0(PhsDiffHeader::BASE).GetX()), -3951234.5678);
  EXPECT_DOUBLE_EQ(static_cast<double>(head.X0(PhsDiffHeader::BASE).GetZ()), 3661234.5670);
  EXPECT_DOUBLE_EQ(static_cast<double>(head.X0(PhsDiffHeader::ROVER).GetY()), 3382345.6789);
  EXPECT_DOUBLE_EQ(static_cast<double>(head.X0(PhsDiffHeader::ROVER).GetZ()), 3662345.6789);
  EXPECT_DOUBLE_EQ(static_cast<double>(head.Dp(PhsDiffHeader::BASE).GetE()), -0.2);
  EXPECT_DOUBLE_EQ(static_cast<double>(head.Dp(PhsDiffHeader::BASE).GetU()), 1.5);
  EXPECT_DOUBLE_EQ(static_cast<double>(head.Dp(PhsDiffHeader::ROVER).GetU()), 2.0);
}

TEST(PhsDiffHeaderNumbers, BlankOrUnreadableFieldReadsZeroWithoutTakingItsNeighbour) {
  PhsDiffHeader head;
  head.ParseX0("XYZ POSITION    :                   2.0000        abc         4.0000");
  EXPECT_EQ(head.X0(PhsDiffHeader::BASE).GetX(), 0);
  EXPECT_DOUBLE_EQ(static_cast<double>(head.X0(PhsDiffHeader::BASE).GetY()), 2.0);
  EXPECT_EQ(head.X0(PhsDiffHeader::BASE).GetZ(), 0);
  EXPECT_DOUBLE_EQ(static_cast<double>(head.X0(PhsDiffHeader::ROVER).GetX()), 4.0);
  EXPECT_EQ(head.X0(PhsDiffHeader::ROVER).GetZ(), 0);
}

TEST(PhsDiffHeaderTypes, GroupsGiveCodesAndFlags) {
  struct Case {
    const char* line;
    std::vector<short> codes;
    std::vector<std::string> flags;
  } cases[] = {
      {"# & TYPES OF OBS:  5  C1 L1 L2 P2 S1", {0, 3, 4, 2, 6}, {"C1", "P2", "L1", "L2", "S1"}},
      // A group without its leading blank matches nothing.
      {"# & TYPES OF OBS:  2 C1 L1 ", {PhsDiffHeader::NOTYPE, PhsDiffHeader::NOTYPE}, {}},
      {"# & TYPES OF OBS:  3  XX D2 S8", {PhsDiffHeader::NOTYPE, 9, 25}, {"D2", "S8"}},
      // More types announced than written: the missing groups name nothing.
      {"# & TYPES OF OBS:  3  C7 L", {18, PhsDiffHeader::NOTYPE, PhsDiffHeader::NOTYPE}, {"C7"}},
      {"# & TYPES OF OBS:  0  C1", {}, {}},
      {"# & TYPES OF OBS: -3  C1", {}, {}},
  };
  for (const Case& c : cases) {
    PhsDiffHeader head;
    head.ParseObsTypes(c.line);
    EXPECT_EQ(head.nobs, static_cast<short>(c.codes.size())) << c.line;
    EXPECT_EQ(head.GetNObs(), c.codes.size()) << c.line;
    EXPECT_EQ(Codes(head), c.codes) << c.line;
    EXPECT_EQ(FlagsSet(head), c.flags) << c.line;
  }
}

TEST(PhsDiffHeaderTypes, RepeatedRecordKeepsEarlierFlags) {
  PhsDiffHeader head = ReadHeader(
      "SINGLE_DIFFERENCES\n# & TYPES OF OBS:  2  C1 L1\n# & TYPES OF OBS:  1  L2\nEND OF HEADER "
      "1\n");
  EXPECT_EQ(Codes(head), std::vector<short>({4}));
  EXPECT_TRUE(head.HasC1() && head.HasL1() && head.HasL2());
}

TEST(PhsDiffHeaderTypes, LinesLongerThanTheUsualLimitAreReadWhole) {
  std::string line = "# & TYPES OF OBS: 90 ";
  for (int i = 0; i < 89; i++) line += " S1";
  line += " L8";
  ASSERT_GT(line.size(), 254u);
  PhsDiffHeader head = ReadHeader("SINGLE_DIFFERENCES\n" + line + "\nEND OF HEADER 1\n");
  EXPECT_EQ(head.nobs, 90);
  EXPECT_EQ(head.obs(89), PhsDiffHeader::L8);
  EXPECT_TRUE(head.HasL8());
}

TEST(PhsDiffHeaderRead, WindowsLineEndsReadTheSame) {
  const std::string unix =
      "SINGLE_DIFFERENCES\nMARKER NAME     :  4 BASE  4 RO V\n# & TYPES OF OBS:  2  C1 L1\n"
      "DIFFERENCE LEVEL:  2\nEND OF HEADER 1\n";
  std::string windows;
  for (char ch : unix) windows += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  for (const std::string& text : {unix, windows}) {
    PhsDiffHeader head = ReadHeader(text);
    EXPECT_STREQ(head.mname[PhsDiffHeader::ROVER], "RO V");
    EXPECT_EQ(Codes(head), std::vector<short>({0, 3}));
    EXPECT_EQ(head.diffLevel, 2);
    EXPECT_TRUE(head.HasObservations);
  }
}

}  // namespace
