// The --pairs file: what is a pair, what is passed over, what is refused.
#include "network/PairsFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string PairsText(const std::vector<Baseline>& pairs) {
  std::string text;
  for (const Baseline& pair : pairs)
    text += (text.empty() ? "" : " ") + pair.base + "-" + pair.rover;
  return text;
}

TEST(PairsFile, ReadsPairsBaseFirstAndNamesWhatItRefuses) {
  const struct {
    const char* what;
    const char* text;
    const char* pairs;
    const char* note;   // the first note, or ""
    const char* error;  // or ""
  } cases[] = {
      {"comments and blanks", "# base rover\n\n  delf eijs # longest\n\t\nWSRA Zegv\n",
       "delf-eijs wsra-zegv", "", ""},
      {"no line end at the end", "delf eijs", "delf-eijs", "", ""},
      {"the reversed pair is another baseline", "delf eijs\neijs delf\n", "delf-eijs eijs-delf", "",
       ""},
      {"a pair given again is taken once", "delf eijs\nwsra zegv\nDELF EIJS\n",
       "delf-eijs wsra-zegv", "pairs.txt, line 3: delf eijs is given on line 1 already; taken once",
       ""},
      {"a station paired with itself", "delf eijs\ndelf DELF\n", "", "",
       "pairs.txt, line 2: not two stations BASE ROVER"},
      {"one station", "delf\n", "", "", "pairs.txt, line 1: not two stations BASE ROVER"},
      {"three stations", "# a\ndelf eijs wsra\n", "", "",
       "pairs.txt, line 2: not two stations BASE ROVER"},
      {"empty", "", "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::istringstream in(c.text);
    const PairsFile file = ReadPairsFile(in, "pairs.txt");
    EXPECT_EQ(file.error, c.error);
    if (!file.error.empty()) continue;
    EXPECT_EQ(PairsText(file.pairs), c.pairs);
    EXPECT_EQ(file.notes.empty() ? "" : file.notes.front(), c.note);
  }
}

}  // namespace
