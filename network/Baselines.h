// The baselines of one day: which stations pair, and which of the two is
// the base.
#ifndef NETWORK_BASELINES_H
#define NETWORK_BASELINES_H

#include <string>
#include <utility>
#include <vector>

struct Station {
  std::string name;
  double position[3];  // approximate X, Y, Z, metres; zeros when unknown
};

struct Baseline {
  std::string base;
  std::string rover;
};

struct BaselineRule {
  enum Kind { PAIRS, STAR, WITHIN, NEAREST };
  Kind kind = STAR;
  std::vector<Baseline> pairs;  // PAIRS: in the order given, base first
  std::string reference;        // STAR: the base of every baseline
  double metres = 0;            // WITHIN: pairs shorter than this
  int neighbours = 0;           // NEAREST: each station's k nearest
};

// The day's baselines under the rule, and a note for each thing left out (a
// pair missing a station, an absent reference, a station without position
// or without partner).  Except for explicit pairs and the star's reference,
// the base is the station whose name sorts first.
std::vector<Baseline> FormBaselines(const BaselineRule& rule, const std::vector<Station>& stations,
                                    std::vector<std::string>& notes);

// The rule's description as the plan writes it.
std::string DescribeRule(const BaselineRule& rule);

#endif
