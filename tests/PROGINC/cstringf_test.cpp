// Tests of the string helpers: cutting columns without reading past the end,
// trimming, words, filling and replacement.
#include "PROGINC/cstringf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CutCase {
  const char* text;
  int pos;
  int dol;
  const char* expected;
};

TEST(Substr, CutsFixedColumnsAndStopsAtTheEnd) {
  const std::vector<CutCase> cases = {
      {"  12.345   67", 0, 7, "  12.34"},
      {"abcdef", 2, 3, "cde"},
      {"abcdef", 4, 10, "ef"},  // the text ends inside the field
      {"abcdef", 6, 3, ""},     // field begins at the terminator
      {"abcdef", 50, 3, ""},    // field begins past the end
      {"abcdef", -1, 3, ""},
      {"abcdef", 1, 0, ""},
      {"abcdef", 1, -4, ""},
  };
  for (const CutCase& c : cases) {
    char field[16] = "garbage";
    substr(c.text, c.pos, c.dol, field);
    EXPECT_STREQ(field, c.expected) << c.text << " " << c.pos << " " << c.dol;
  }
}

TEST(Substr, TailFormCopiesToTheEnd) {
  const std::vector<CutCase> cases = {
      {"abcdef", 0, 0, "abcdef"},
      {"abcdef", 3, 0, "def"},
      {"abcdef", 6, 0, ""},
      {"abcdef", 60, 0, ""},
  };
  for (const CutCase& c : cases) {
    char tail[16] = "garbage";
    substr(c.text, c.pos, tail);
    EXPECT_STREQ(tail, c.expected) << c.pos;
  }
}

TEST(Substr, LongTextIsCutToTheFieldOnly) {
  const std::string line(10000, '7');
  char field[15];
  substr(line.c_str(), 9990, 14, field);
  EXPECT_STREQ(field, "7777777777");
  substr(line.c_str(), 20000, 14, field);
  EXPECT_STREQ(field, "");
}

TEST(TailFrom, NeverWalksPastTheTerminator) {
  const char text[] = "ab";
  EXPECT_EQ(TailFrom(text, 1), text + 1);
  EXPECT_EQ(TailFrom(text, 2), text + 2);
  EXPECT_EQ(TailFrom(text, 1000), text + 2);
  EXPECT_EQ(TailFrom(text, -3), text + 2);
}

TEST(IndexLast, PositionOfTheLastCharacterOrMinusOne) {
  EXPECT_EQ(indexLast("a\\b\\c", '\\'), 3);
  EXPECT_EQ(indexLast("abc", 'x'), -1);
  EXPECT_EQ(indexLast("abc", '\0'), -1);
}

TEST(Fill, RepeatedCharacterTerminated) {
  char text[8] = "xxxxxxx";
  strcopy(text, '-', 3);
  EXPECT_STREQ(text, "---");
  strng(text, '*', 0);
  EXPECT_STREQ(text, "");
  strng(text, '*', -2);
  EXPECT_STREQ(text, "");
}

struct TrimCase {
  const char* text;
  const char* right;
  const char* left;
  const char* both;
};

TEST(Trim, OnlyBlanksAreRemoved) {
  const std::vector<TrimCase> cases = {
      {"  ab c  ", "  ab c", "ab c  ", "ab c"},
      {"\tab\t", "\tab\t", "\tab\t", "\tab\t"},
      {"    ", "", "", ""},
      {"", "", "", ""},
  };
  for (const TrimCase& c : cases) {
    char right[16], left[16], both[16];
    std::snprintf(right, sizeof right, "%s", c.text);
    std::snprintf(left, sizeof left, "%s", c.text);
    std::snprintf(both, sizeof both, "%s", c.text);
    trimr(right);
    triml(left);
    trim(both);
    EXPECT_STREQ(right, c.right) << "[" << c.text << "]";
    EXPECT_STREQ(left, c.left) << "[" << c.text << "]";
    EXPECT_STREQ(both, c.both) << "[" << c.text << "]";
  }
}

TEST(Words, CountAndPickByNumber) {
  const char* text = "  G01\t 23.5\nR02  ";
  EXPECT_EQ(cwords(text), 3);
  EXPECT_EQ(cwords(""), 0);
  EXPECT_EQ(cwords(" \t "), 0);
  char word[32] = "old";
  gword(text, 2, word);
  EXPECT_STREQ(word, "23.5");
  gword(text, 3, word);
  EXPECT_STREQ(word, "R02");
  gword(text, 4, word);
  EXPECT_STREQ(word, "");
  gword(text, 0, word);
  EXPECT_STREQ(word, "");
}

TEST(Replace, CharactersInWholeTextOrPrefix) {
  char text[16] = "a.b.c.d";
  creplace(text, '.', ',', 4);
  EXPECT_STREQ(text, "a,b,c.d");
  creplace(text, '.', ',', 100);
  EXPECT_STREQ(text, "a,b,c,d");
  creplace(text, ',', ' ');
  EXPECT_STREQ(text, "a b c d");
}

TEST(Replace, SubstringsOfEqualLengthOnly) {
  char text[32] = "G01 G02 GG R03";
  sreplace(text, "G", "E");
  EXPECT_STREQ(text, "E01 E02 EE R03");
  sreplace(text, "E0", "X");  // lengths differ: nothing happens
  EXPECT_STREQ(text, "E01 E02 EE R03");
  sreplace(text, "", "");
  EXPECT_STREQ(text, "E01 E02 EE R03");
  char overlap[8] = "aaaa";
  sreplace(overlap, "aa", "ba");
  EXPECT_STREQ(overlap, "baba");
}

}  // namespace
