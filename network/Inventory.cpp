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

// The first readable form of a station-day, in the order of FormRank.
void ChooseForm(const DayKey& key, std::vector<Candidate>& forms, Inventory& inventory) {
  std::stable_sort(forms.begin(), forms.end(), [](const Candidate& a, const Candidate& b) {
    return FormRank(a.name) < FormRank(b.name);
  });
  for (size_t k = 0; k < forms.size(); k++) {
    const HeaderFacts facts = ProbeHeader(forms[k].path);
    if (!facts.readable) {
      inventory.unplaced.emplace_back(forms[k].path, facts.problem);
      continue;
    }
    std::string choice = DayText(key) + ": " + forms[k].path;
    for (size_t other = k + 1; other < forms.size(); other++)
      choice += (other == k + 1 ? " taken; passed over " : ", ") + forms[other].path;
    if (forms.size() > k + 1) inventory.choices.push_back(choice);
    if (std::get<3>(key)) {
      inventory.navigation[{std::get<0>(key), std::get<1>(key)}].push_back(forms[k].path);
      return;
    }
    StationDay day{std::get<2>(key), std::get<0>(key), std::get<1>(key), forms[k].path, {}};
    std::copy(facts.position, facts.position + 3, day.position);
    inventory.observations.push_back(day);
    return;
  }
}

// Pieces of a day (hourly or 15-minute files) are not joined: such a
// station-day is left out with every piece named.
bool SinglePiece(const std::vector<Candidate>& forms, Inventory& inventory) {
  for (const Candidate& form : forms)
    if (form.name.startMinute != forms.front().name.startMinute) {
      for (const Candidate& piece : forms)
        inventory.unplaced.emplace_back(
            piece.path, "one of several pieces of a day; pieces are not joined into one input");
      return false;
    }
  return true;
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
  for (auto& [key, forms] : days)
    if (SinglePiece(forms, inventory)) ChooseForm(key, forms, inventory);
  return inventory;
}
