#include "PROGINC/LineReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text, long before = 0, long* lastNo = nullptr) {
  std::istringstream in(text);
  LineReader reader(in, before);
  std::vector<std::string> lines;
  while (reader.Next()) lines.emplace_back(reader.line, reader.length);
  if (lastNo != nullptr) *lastNo = reader.lineNo;
  return lines;
}

TEST(LineReaderLines, LineEndsAndEmptyLines) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lines(""), V{});
  EXPECT_EQ(Lines("a"), V{"a"});
  EXPECT_EQ(Lines("a\n"), V{"a"});
  EXPECT_EQ(Lines("a\r\nb\r\n"), (V{"a", "b"}));
  EXPECT_EQ(Lines("\n\nx\r"), (V{"", "", "x"}));
  EXPECT_EQ(Lines("a\rb\n"), V{"a\rb"});
}

TEST(LineReaderLines, OnlyALastLineWithoutLineEndIsUnterminated) {
  for (const char* text : {"a\nb", "a\nb\r"}) {
    std::istringstream in(text);
    LineReader reader(in, 0);
    ASSERT_TRUE(reader.Next());
    EXPECT_TRUE(reader.terminated);
    ASSERT_TRUE(reader.Next());
    EXPECT_FALSE(reader.terminated);
    EXPECT_EQ(std::string(reader.line, reader.length), "b");
  }
}

TEST(LineReaderLines, NumbersFollowTheLinesBefore) {
  long last = 0;
  Lines("a\nb\nc\n", 10, &last);
  EXPECT_EQ(last, 13);
}

TEST(LineReaderLines, LinesLongerThanOneBlockStayWhole) {
  const std::string longLine(3 * 1024 * 1024 + 17, 'x');
  std::string text;
  for (int i = 0; i < 3; i++) text += std::to_string(i) + "\n" + longLine + "\r\n";
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[4], "2");
  EXPECT_EQ(lines[5], longLine);
}

TEST(LineReaderLines, ManyShortLinesAcrossBlocks) {
  std::string text;
  for (int i = 0; i < 300000; i++) text += std::to_string(i) + "\n";
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 300000u);
  EXPECT_EQ(lines[123456], "123456");
  EXPECT_EQ(lines.back(), "299999");
}

TEST(LineReaderLines, OffsetsAreWhereTheLinesStart) {
  // Lines of every length up to past a block, with both line ends.
  std::string text;
  std::vector<std::streamoff> starts;
  for (size_t length = 0; text.size() < 3 * 65536; length += 997) {
    starts.push_back(static_cast<std::streamoff>(text.size()));
    text += std::string(length, 'x') + (length % 2 ? "\r\n" : "\n");
  }
  std::istringstream in(text);
  LineReader reader(in, 0);
  for (std::streamoff start : starts) {
    ASSERT_TRUE(reader.Next());
    EXPECT_EQ(reader.offset, start);
  }
  EXPECT_FALSE(reader.Next());
  // Pieces of an overlong line start where the one before stopped.
  std::istringstream pieces("abcdefg\nh");
  LineReader limited(pieces, 0, 3);
  std::vector<std::streamoff> offsets;
  while (limited.Next()) offsets.push_back(limited.offset);
  EXPECT_EQ(offsets, (std::vector<std::streamoff>{0, 3, 6, 8}));
}

TEST(LineReaderLines, ContinuesWhereTheStreamStands) {
  std::istringstream in("head\nbody 1\nbody 2");
  std::string first;
  std::getline(in, first);
  LineReader reader(in, 1);
  ASSERT_TRUE(reader.Next());
  EXPECT_EQ(std::string(reader.line, reader.length), "body 1");
  EXPECT_EQ(reader.lineNo, 2);
}

}  // namespace
