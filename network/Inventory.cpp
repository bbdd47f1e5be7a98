// Placing RINEX files by name, else by header, and choosing among the forms
// of one station-day.
#include "network/Inventory.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <tuple>

#include "network/FileName.h"
#include "network/HeaderProbe.h"

namespace fs = std::filesystem;

namespace {

struct Candidate {
  std::string path;
  NamedFile name;
};

// Station, year, day and whether navigation: the key of one station-day.
using DayKey = std::tuple<int, int, std::string, bool>;

std::vector<std::string> ListFiles(const std::vector<std::string>& inputs) {
  std::vector<std::string> files;
  for (const std::string& input : inputs) {
    std::error_code error;
    if (!fs::is_directory(input, error)) {
      files.push_back(input);
      continue;
    }
    for (const auto& entry : fs::recursive_directory_iterator(input, error))
      if (entry.is_regular_file()) files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// A name that follows neither convention: the header tells station and day.
bool PlaceByHeader(const std::string& path, Candidate& candidate, std::string& reason) {
  const HeaderFacts facts = ProbeHeader(path);
  if (!facts.readable) {
    reason = facts.problem;
    return false;
  }
  if (facts.marker.size() < 4 || facts.year == 0) {
    reason =
        "neither its name nor its header (MARKER NAME, TIME OF FIRST OBS) gives station and day";
    return false;
  }
  candidate.name.station = facts.marker.substr(0, 4);
  for (char& c : candidate.name.station)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  candidate.name.year = facts.year;
  candidate.name.dayOfYear = facts.dayOfYear;
  candidate.name.startMinute = facts.startMinute;
  candidate.name.navigation = facts.fileType != 'O';
  candidate.name.compression = 3;  // after every form whose name says what it is
  return true;
}

std::string DayText(const DayKey& key) {
  char text[32];
  std::snprintf(text, sizeof text, " %04d-%03d", std::get<0>(key), std::get<1>(key));
  return std::get<2>(key) + text;
}

// The first readable of the forms of one file, in the order of FormRank;
// the choice is noted when there was one.
const Candidate* TakeForm(const DayKey& key, std::vector<Candidate>& forms, HeaderFacts& facts,
                          Inventory& inventory) {
  std::stable_sort(forms.begin(), forms.end(), [](const Candidate& a, const Candidate& b) {
    return FormRank(a.name) < FormRank(b.name);
  });
  for (size_t k = 0; k < forms.size(); k++) {
    facts = ProbeHeader(forms[k].path);
    if (!facts.readable) {
      inventory.unplaced.emplace_back(forms[k].path, facts.problem);
      continue;
    }
    std::string choice = DayText(key) + ": " + forms[k].path;
    for (size_t other = k + 1; other < forms.size(); other++)
      choice += (other == k + 1 ? " taken; passed over " : ", ") + forms[other].path;
    if (forms.size() > k + 1) inventory.choices.push_back(choice);
    return &forms[k];
  }
  return nullptr;
}

// A file of the whole day is taken before pieces of it; the pieces passed
// over are noted.
void PreferWholeDay(const DayKey& key, std::vector<Candidate>& candidates, Inventory& inventory) {
  const auto firstPiece = std::stable_partition(candidates.begin(), candidates.end(),
                                                [](const Candidate& c) { return !c.name.piece; });
  if (firstPiece == candidates.begin() || firstPiece == candidates.end()) return;
  std::string choice = DayText(key) + ": the whole day's file taken; pieces passed over";
  for (auto piece = firstPiece; piece != candidates.end(); ++piece) choice += " " + piece->path;
  inventory.choices.push_back(choice);
  candidates.erase(firstPiece, candidates.end());
}

// The pieces of a station-day by their start, each in the form taken: one
// file for a daily file, several for hourly or 15-minute pieces.
void PlaceDay(const DayKey& key, std::vector<Candidate>& candidates, Inventory& inventory) {
  PreferWholeDay(key, candidates, inventory);
  std::map<int, std::vector<Candidate>> pieces;
  for (const Candidate& candidate : candidates)
    pieces[candidate.name.startMinute].push_back(candidate);
  StationDay day{std::get<2>(key), std::get<0>(key), std::get<1>(key), "", {}, {}};
  for (auto& [minute, forms] : pieces) {
    HeaderFacts facts;
    const Candidate* taken = TakeForm(key, forms, facts, inventory);
    if (taken == nullptr) continue;
    if (std::get<3>(key)) {
      inventory.navigation[{day.year, day.dayOfYear}].push_back(taken->path);
    } else if (day.path.empty()) {
      day.path = taken->path;
      std::copy(facts.position, facts.position + 3, day.position);
    } else {
      day.pieces.push_back(taken->path);
    }
  }
  if (!day.path.empty()) inventory.observations.push_back(day);
}

}  // namespace

Inventory TakeInventory(const std::vector<std::string>& inputs) {
  Inventory inventory;
  std::map<DayKey, std::vector<Candidate>> days;
  for (const std::string& path : ListFiles(inputs)) {
    Candidate candidate{path, {}};
    std::string reason;
    const std::string name = fs::path(path).filename().string();
    if (!ParseFileName(name, candidate.name) && !PlaceByHeader(path, candidate, reason)) {
      inventory.unplaced.emplace_back(path, reason);
      continue;
    }
    const NamedFile& n = candidate.name;
    days[{n.year, n.dayOfYear, n.station, n.navigation}].push_back(candidate);
  }
  for (auto& [key, candidates] : days) PlaceDay(key, candidates, inventory);
  return inventory;
}
