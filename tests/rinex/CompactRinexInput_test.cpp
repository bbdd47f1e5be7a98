#include "rinex/CompactRinexInput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "rinex/TextInput.h"
#include "tests/support/input_failure.h"
#include "tests/support/rinex_text.h"

namespace {

const std::string kData = TEST_DATA_DIR "/crinex/";

std::string Labelled(std::string text, const char* label) {
  text.resize(60, ' ');
  return text + label + "\n";
}

std::string Text(TextInput& in) {
  std::string text;
  while (in.Next()) text.append(in.line).append("\n");
  return text;
}

std::string Decoded(const std::string& compact) {
  return Text(*OpenTextInputInMemory("test.crx", compact));
}

const std::string kCompact1 =
    Labelled("1.0                 COMPACT RINEX FORMAT", "CRINEX VERS   / TYPE") +
    Labelled("test", "CRINEX PROG / DATE");
const std::string kCompact3 =
    Labelled("3.0                 COMPACT RINEX FORMAT", "CRINEX VERS   / TYPE") +
    Labelled("test", "CRINEX PROG / DATE");
const std::string kHeader2 =
    Labelled("     2.11           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE") +
    Labelled("     2    C1    L1", "# / TYPES OF OBSERV") + Labelled("", "END OF HEADER");
const std::string kHeader3 =
    Labelled("     3.04           OBSERVATION DATA    M (MIXED)", "RINEX VERSION / TYPE") +
    Labelled("G    2 C1C L1C", "SYS / # / OBS TYPES") +
    Labelled("E    1 C1X", "SYS / # / OBS TYPES") + Labelled("", "END OF HEADER");
const std::string kEvent =
    Labelled("     3    C1    L1    S1", "# / TYPES OF OBSERV") + Labelled("EVENT", "COMMENT");

// RINEX 2: a clock offset; a missing value, whose flags read blank; an
// event whose header records change the types, after which every satellite
// starts afresh; the epoch line after the event as a difference to it.
const std::string kBody1 = R"(&21  1  1  0  0  0.0000000  0  2G01G02
2&123456789
3&20000000000 3&105000000000  1 7
3&-500  &8
                3
1000
100 1000
-100 3&7    5
&21  1  1  0  0 45.0000000  4  2
)" + kEvent + R"(              1 &0          0  1G02

3&-700  3&45000
                3

-100  100     1
)";
const std::string kText1 =
    R"( 21  1  1  0  0  0.0000000  0  2G01G02                               0.123456789
  20000000.000 1 105000000.000 7
        -0.500 8
 21  1  1  0  0 30.0000000  0  2G01G02                               0.123457789
  20000000.100 1 105000001.000 7
        -0.600 8         0.007 5
 21  1  1  0  0 45.0000000  4  2
)" + kEvent +
    R"( 21  1  1  0  1  0.0000000  0  1G02
        -0.700                          45.000
 21  1  1  0  1 30.0000000  0  1G02
        -0.800                          45.1001
)";

// RINEX 3: the clock offset in the epoch line, types by system; a missing
// value keeps its flags.
const std::string kBody3 = R"(> 2022 01 01 00 00  0.0000000  0  2      G01E05
3&-1234567
3&20000000000 3&105000000000 &1&7
3&1 &9
                   3
10
1 -1

)";
const std::string kText3 = R"(> 2022 01 01 00 00  0.0000000  0  2      -0.000001234567
G01  20000000.000 1 105000000.000 7
E05         0.001 9
> 2022 01 01 00 00 30.0000000  0  2      -0.000001234557
G01  20000000.001 1 104999999.999 7
E05               9
)";

TEST(CompactRinexDecoding, RecordsBecomeTheirRinexText) {
  EXPECT_EQ(Decoded(kCompact1 + kHeader2 + kBody1), kHeader2 + kText1);
  EXPECT_EQ(Decoded(kCompact3 + kHeader3 + kBody3), kHeader3 + kText3);
}

// A loss-of-lock flag on a missing value: version 3.0 keeps it, so the next
// flag difference, which leaves it as it is, still shows it on the value that
// returns (version 1.0 clears it: kBody1's missing value).
TEST(CompactRinexDecoding, Version3KeepsTheFlagsOfMissingValues) {
  const std::string header =
      Labelled("     3.04           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE") +
      Labelled("G    2 C1C L1C", "SYS / # / OBS TYPES") + Labelled("", "END OF HEADER");
  const std::string body = R"(> 2022 01 01 00 00  0.0000000  0  1      G01

3&20000000000 3&105000000000 &1&7
                   3

1    1&
                 1 &

1 3&105000002000    7
)";
  const std::string text = R"(> 2022 01 01 00 00  0.0000000  0  1
G01  20000000.000 1 105000000.000 7
> 2022 01 01 00 00 30.0000000  0  1
G01  20000000.001 1              1
> 2022 01 01 00 01  0.0000000  0  1
G01  20000000.003 1 105000002.00017
)";
  EXPECT_EQ(Decoded(kCompact3 + header + body), header + text);
}

// Lines agree when they do without trailing blanks, or when their words
// agree as numbers (".000" and "0.000").
bool SameLine(const std::string& a, const std::string& b) {
  if (a.substr(0, a.find_last_not_of(' ') + 1) == b.substr(0, b.find_last_not_of(' ') + 1))
    return true;
  std::istringstream wordsA(a), wordsB(b);
  std::string wordA, wordB;
  while (wordsA >> wordA) {
    if (!(wordsB >> wordB)) return false;
    char *endA, *endB;
    const double valueA = std::strtod(wordA.c_str(), &endA),
                 valueB = std::strtod(wordB.c_str(), &endB);
    if (wordA != wordB && (*endA != '\0' || *endB != '\0' || valueA != valueB)) return false;
  }
  return !(wordsB >> wordB);
}

std::vector<std::string> Lines(const std::string& path, long* lastLineNo) {
  std::unique_ptr<TextInput> in = OpenTextInput(path);
  std::vector<std::string> lines;
  while (in->Next()) lines.emplace_back(in->line);
  *lastLineNo = in->lineNo;
  return lines;
}

TEST(CompactRinexDecoding, RealFilesGiveTheLinesOfTheirPlainTwins) {
  const struct {
    const char* compact;
    const char* plain;
    long compactLines;
  } cases[] = {
      {"delf0010.21d", "delf0010.21o.gz", 2319},
      {"zegv0010.21d.Z", "zegv0010.21o", 609},
      {"DUTH0630.22D.gz", "DUTH0630.22O", 95},
      {"VLNS0010.22D", "VLNS0010.22O", 84},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.compact);
    long compactLines = 0, plainLines = 0;
    const std::vector<std::string> decoded = Lines(kData + c.compact, &compactLines);
    const std::vector<std::string> plain = Lines(kData + c.plain, &plainLines);
    EXPECT_EQ(compactLines, c.compactLines);
    ASSERT_EQ(decoded.size(), plain.size());
    for (size_t i = 0; i < plain.size(); i++)
      ASSERT_TRUE(SameLine(decoded[i], plain[i])) << decoded[i] << "\n" << plain[i];
  }
}

// Blanks after every line that follows END OF HEADER.
std::string WithTrailingBlanks(const std::string& compact) {
  const size_t body = compact.find('\n', compact.find("END OF HEADER")) + 1;
  std::istringstream lines(compact.substr(body));
  std::string out = compact.substr(0, body), line;
  while (std::getline(lines, line)) out += line + "   \n";
  return out;
}

// Some writers leave blanks after the records' lines: they change nothing,
// not even where a clock offset line or a value's field is empty.
TEST(CompactRinexDecoding, TrailingBlanksChangeNothing) {
  const std::string cases[] = {
      kCompact3 + kHeader3 + kBody3,
      FileBytes(kData + "VLNS0010.22D"),
      FileBytes(kData + "delf0010.21d"),
  };
  for (const std::string& compact : cases)
    EXPECT_EQ(Decoded(WithTrailingBlanks(compact)), Decoded(compact));
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

TEST(CompactRinexErrors, InconsistentFilesFailNamingTheLine) {
  const std::string file1 = kCompact1 + kHeader2 + kBody1, file3 = kCompact3 + kHeader3 + kBody3;
  const struct {
    std::string compact;
    const char* message;
  } cases[] = {
      {Replaced(file1, "1.0 ", "2.0 "), "test.crx, line 1: compact RINEX version 2.0 is not known"},
      {Replaced(file1, "CRINEX PROG", "CRINEX DATE"),
       "line 2: compact RINEX header has no CRINEX PROG / DATE line"},
      {Replaced(file1, "2.11", "3.04"), "line 3: compact RINEX 1.0 can not hold RINEX 3.04"},
      {Replaced(file1, "0  2G01", "x  2G01"), "line 6: compact RINEX epoch line can not be read"},
      {Replaced(file1, "0  2G01", "0  3G01"),
       "line 6: compact RINEX epoch line lists fewer satellites than it counts"},
      {Replaced(file1, "2&123456789", "2&12345678x"),
       "line 7: compact RINEX receiver clock offset can not be read"},
      {Replaced(file1, "3&20000000000", "20000000000"),
       "line 8: compact RINEX difference \"20000000000\" has no value"},
      {Replaced(file1, "3&-500", "3&-5x0"),
       "line 9: compact RINEX field \"3&-5x0\" can not be read"},
      {Replaced(file1, "  1 7", "  1 7 9"),
       "line 8: compact RINEX line has flags for more observations"},
      {Replaced(file1, "3&105000000000", "3&105000000000000"),
       "line 8: compact RINEX observation does not fit"},
      {file1.substr(0, file1.size() - 16), "line 21: compact RINEX data end inside an epoch"},
      {Replaced(file3, "G01E05", "G01X05"),
       "line 10: satellite X05 is of a system without observation types"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    ExpectFailure([&] { Decoded(c.compact); }, c.message);
  }
}

}  // namespace
