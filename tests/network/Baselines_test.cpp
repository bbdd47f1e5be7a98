// The four baseline rules on a small network whose distances are known:
// a, b, c and d on one line, b 10 km from a, c 25 km and d 60 km.
#include "network/Baselines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<Station> kNetwork = {
    {"a", {6378000, 0, 0}},
    {"b", {6378000, 10000, 0}},
    {"c", {6378000, 25000, 0}},
    {"d", {6378000, 60000, 0}},
};

std::string Text(const std::vector<Baseline>& baselines) {
  std::string text;
  for (const Baseline& b : baselines) text += b.base + "-" + b.rover + " ";
  return text;
}

std::string Text(const std::vector<std::string>& notes) {
  std::string text;
  for (const std::string& note : notes) text += note + "; ";
  return text;
}

BaselineRule Rule(BaselineRule::Kind kind) {
  BaselineRule rule;
  rule.kind = kind;
  return rule;
}

struct RuleCase {
  const char* what;
  BaselineRule rule;
  std::vector<Station> stations;
  const char* baselines;
  const char* notes;
};

std::vector<RuleCase> Cases() {
  BaselineRule star = Rule(BaselineRule::STAR);
  star.reference = "c";
  BaselineRule absentStar = star;
  absentStar.reference = "z";
  BaselineRule within20 = Rule(BaselineRule::WITHIN);
  within20.metres = 20000;
  BaselineRule within30 = within20;
  within30.metres = 30000;
  BaselineRule nearest1 = Rule(BaselineRule::NEAREST);
  nearest1.neighbours = 1;
  BaselineRule nearest5 = nearest1;
  nearest5.neighbours = 5;
  BaselineRule pairs = Rule(BaselineRule::PAIRS);
  pairs.pairs = {{"d", "a"}, {"b", "z"}};
  std::vector<Station> unplaced = kNetwork;
  unplaced[1].position[0] = unplaced[1].position[1] = 0;
  std::vector<Station> reversed(kNetwork.rbegin(), kNetwork.rend());
  return {
      {"star: the reference is every base", star, kNetwork, "c-a c-b c-d ", ""},
      {"star without its reference", absentStar, kNetwork, "",
       "no file of the reference station z; station a has no partner; station b has no partner; "
       "station c has no partner; station d has no partner; "},
      {"within 20 km", within20, kNetwork, "a-b b-c ", "station d has no partner; "},
      {"within 30 km", within30, kNetwork, "a-b a-c b-c ", "station d has no partner; "},
      {"within, base first by name whatever the order", within30, reversed, "a-b a-c b-c ",
       "station d has no partner; "},
      {"within, a station without position", within30, unplaced, "a-c ",
       "station b has no approximate position: left out; station b has no partner; "
       "station d has no partner; "},
      {"nearest 1: a pair from both ends once", nearest1, kNetwork, "a-b b-c c-d ", ""},
      {"nearest more than there are", nearest5, kNetwork, "a-b a-c a-d b-c b-d c-d ", ""},
      {"pairs keep their order, a missing station noted", pairs, kNetwork, "d-a ",
       "pair b-z: no file of z; "},
  };
}

TEST(Baselines, EachRuleFormsItsPairsAndNotesWhatItLeavesOut) {
  for (const RuleCase& c : Cases()) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> notes;
    EXPECT_EQ(Text(FormBaselines(c.rule, c.stations, notes)), c.baselines);
    EXPECT_EQ(Text(notes), c.notes);
  }
}

}  // namespace
