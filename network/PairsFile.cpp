// Reading the --pairs file line by line.
#include "network/PairsFile.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

std::string Lower(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

PairsFile ReadPairsFile(std::istream& in, const std::string& name) {
  PairsFile file;
  std::vector<int> lines;  // where each pair was given
  int lineNo = 0;
  for (std::string line; std::getline(in, line);) {
    lineNo++;
    std::istringstream fields(line.substr(0, line.find('#')));
    Baseline pair;
    std::string extra;
    if (!(fields >> pair.base)) continue;
    const std::string at = name + ", line " + std::to_string(lineNo);
    if (!(fields >> pair.rover) || (fields >> extra) || Lower(pair.base) == Lower(pair.rover)) {
      file.error = at + ": not two stations BASE ROVER";
      return file;
    }
    pair = {Lower(pair.base), Lower(pair.rover)};
    // A pair given twice would run its task twice at once in one folder.
    const auto same = std::find_if(file.pairs.begin(), file.pairs.end(), [&](const Baseline& b) {
      return b.base == pair.base && b.rover == pair.rover;
    });
    if (same != file.pairs.end()) {
      file.notes.push_back(at + ": " + pair.base + " " + pair.rover + " is given on line " +
                           std::to_string(lines[static_cast<size_t>(same - file.pairs.begin())]) +
                           " already; taken once");
      continue;
    }
    file.pairs.push_back(pair);
    lines.push_back(lineNo);
  }
  return file;
}
