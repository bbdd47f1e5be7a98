// Tests of the companions' command-line reader: both value forms of short and
// long options, operands in their places, and each kind of mistake named by
// the argument that holds it.
#include "PROGINC/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const option kLongOptions[] = {{"output", required_argument, nullptr, 'o'},
                               {"verbose", no_argument, nullptr, 'v'},
                               {"version", no_argument, nullptr, 300},
                               {"types", required_argument, nullptr, 301},
                               {nullptr, 0, nullptr, 0}};

// A word as "KIND:code:element:value", so that a case reads in one line.
std::string Describe(const CommandWord& word) {
  static const char* const kKinds[] = {"OPTION", "OPERAND", "UNKNOWN", "MISSING", "UNWANTED"};
  return std::string(kKinds[word.kind]) + ":" + std::to_string(word.code) + ":" + word.element +
         ":" + word.value;
}

std::vector<std::string> Read(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "program");
  std::vector<std::string> described;
  for (const CommandWord& word :
       ReadCommandLine(static_cast<int>(arguments.size()), arguments.data(), "o:v", kLongOptions))
    described.push_back(Describe(word));
  return described;
}

struct LineCase {
  std::vector<const char*> arguments;
  std::vector<std::string> words;
};

TEST(CommandLine, ReadsBothValueFormsOperandsInPlaceAndNamesEachMistake) {
  const LineCase cases[] = {
      {{"-ox.sd"}, {"OPTION:111:-ox.sd:x.sd"}},
      {{"-o", "x.sd"}, {"OPTION:111:-o:x.sd"}},
      {{"--output=x.sd"}, {"OPTION:111:--output=x.sd:x.sd"}},
      {{"--output", "x.sd"}, {"OPTION:111:--output:x.sd"}},
      {{"--types="}, {"OPTION:301:--types=:"}},
      {{"base", "-v", "rover"}, {"OPERAND:0:base:base", "OPTION:118:-v:", "OPERAND:0:rover:rover"}},
      {{"-vox.sd"}, {"OPTION:118:-vox.sd:", "OPTION:111:-vox.sd:x.sd"}},
      {{"-", ""}, {"OPERAND:0:-:-", "OPERAND:0::"}},
      {{"--", "-o", "--output"}, {"OPERAND:0:-o:-o", "OPERAND:0:--output:--output"}},
      // A value that looks like an option is the value all the same.
      {{"-o", "-v"}, {"OPTION:111:-o:-v"}},
      {{"-x"}, {"UNKNOWN:0:-x:"}},
      {{"-vx"}, {"OPTION:118:-vx:", "UNKNOWN:0:-vx:"}},
      {{"--frobnicate"}, {"UNKNOWN:0:--frobnicate:"}},
      // Abbreviations are refused: "--out" is no name, nor is the ambiguous "--ver".
      {{"--out", "x.sd"}, {"UNKNOWN:0:--out:"}},
      {{"--ver"}, {"UNKNOWN:0:--ver:"}},
      {{"-o"}, {"MISSING:0:-o:"}},
      {{"--output"}, {"MISSING:0:--output:"}},
      {{"--verbose=yes"}, {"UNWANTED:0:--verbose=yes:"}},
      {{"--frob=1"}, {"UNKNOWN:0:--frob=1:"}},
  };
  for (const LineCase& c : cases) {
    std::string line;
    for (const char* argument : c.arguments) line += std::string(" '") + argument + "'";
    EXPECT_EQ(Read(c.arguments), c.words) << line;
  }
}

}  // namespace
