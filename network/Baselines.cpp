// The four ways of forming a day's baselines.
#include "network/Baselines.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

double Distance(const Station& a, const Station& b) {
  const double dx = a.position[0] - b.position[0];
  const double dy = a.position[1] - b.position[1];
  const double dz = a.position[2] - b.position[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

bool HasPosition(const Station& s) {
  return s.position[0] != 0 || s.position[1] != 0 || s.position[2] != 0;
}

bool Present(const std::vector<Station>& stations, const std::string& name) {
  return std::any_of(stations.begin(), stations.end(),
                     [&](const Station& s) { return s.name == name; });
}

std::vector<Baseline> ExplicitPairs(const BaselineRule& rule, const std::vector<Station>& stations,
                                    std::vector<std::string>& notes) {
  std::vector<Baseline> baselines;
  for (const Baseline& pair : rule.pairs) {
    for (const std::string* name : {&pair.base, &pair.rover})
      if (!Present(stations, *name))
        notes.push_back("pair " + pair.base + "-" + pair.rover + ": no file of " + *name);
    if (Present(stations, pair.base) && Present(stations, pair.rover)) baselines.push_back(pair);
  }
  return baselines;
}

std::vector<Baseline> Star(const BaselineRule& rule, const std::vector<Station>& stations,
                           std::vector<std::string>& notes) {
  if (!Present(stations, rule.reference)) {
    notes.push_back("no file of the reference station " + rule.reference);
    return {};
  }
  std::vector<Baseline> baselines;
  for (const Station& s : stations)
    if (s.name != rule.reference) baselines.push_back({rule.reference, s.name});
  return baselines;
}

// Stations with a position, in name order; the others are noted.
std::vector<Station> Placed(const std::vector<Station>& stations, std::vector<std::string>& notes) {
  std::vector<Station> placed;
  for (const Station& s : stations) {
    if (HasPosition(s))
      placed.push_back(s);
    else
      notes.push_back("station " + s.name + " has no approximate position: left out");
  }
  std::sort(placed.begin(), placed.end(),
            [](const Station& a, const Station& b) { return a.name < b.name; });
  return placed;
}

std::vector<Baseline> Within(double metres, const std::vector<Station>& placed) {
  std::vector<Baseline> baselines;
  for (size_t i = 0; i < placed.size(); i++)
    for (size_t j = i + 1; j < placed.size(); j++)
      if (Distance(placed[i], placed[j]) < metres)
        baselines.push_back({placed[i].name, placed[j].name});
  return baselines;
}

// Each station with its k nearest; a pair chosen from both ends counts once.
std::vector<Baseline> Nearest(int k, const std::vector<Station>& placed) {
  std::set<std::pair<size_t, size_t>> chosen;
  for (size_t i = 0; i < placed.size(); i++) {
    std::vector<size_t> others;
    for (size_t j = 0; j < placed.size(); j++)
      if (j != i) others.push_back(j);
    std::stable_sort(others.begin(), others.end(), [&](size_t a, size_t b) {
      return Distance(placed[i], placed[a]) < Distance(placed[i], placed[b]);
    });
    for (size_t n = 0; n < others.size() && n < static_cast<size_t>(k); n++)
      chosen.insert({std::min(i, others[n]), std::max(i, others[n])});
  }
  std::vector<Baseline> baselines;
  baselines.reserve(chosen.size());
  for (const auto& [a, b] : chosen) baselines.push_back({placed[a].name, placed[b].name});
  return baselines;
}

void NoteLoneStations(const std::vector<Station>& stations, const std::vector<Baseline>& baselines,
                      std::vector<std::string>& notes) {
  for (const Station& s : stations) {
    const bool paired = std::any_of(baselines.begin(), baselines.end(), [&](const Baseline& b) {
      return b.base == s.name || b.rover == s.name;
    });
    if (!paired) notes.push_back("station " + s.name + " has no partner");
  }
}

}  // namespace

std::vector<Baseline> FormBaselines(const BaselineRule& rule, const std::vector<Station>& stations,
                                    std::vector<std::string>& notes) {
  std::vector<Baseline> baselines;
  if (rule.kind == BaselineRule::PAIRS) return ExplicitPairs(rule, stations, notes);
  if (rule.kind == BaselineRule::STAR) baselines = Star(rule, stations, notes);
  if (rule.kind == BaselineRule::WITHIN) baselines = Within(rule.metres, Placed(stations, notes));
  if (rule.kind == BaselineRule::NEAREST)
    baselines = Nearest(rule.neighbours, Placed(stations, notes));
  NoteLoneStations(stations, baselines, notes);
  return baselines;
}

std::string DescribeRule(const BaselineRule& rule) {
  switch (rule.kind) {
    case BaselineRule::PAIRS:
      return "pairs from a list, base first";
    case BaselineRule::STAR:
      return "star around " + rule.reference + ", the base of every baseline";
    case BaselineRule::WITHIN:
      return "pairs shorter than " + std::to_string(static_cast<long>(rule.metres)) +
             " m, base first by name";
    case BaselineRule::NEAREST:
      return "each station's " + std::to_string(rule.neighbours) + " nearest, base first by name";
  }
  return "";
}
