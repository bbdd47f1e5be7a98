// The files of a network: each station-day's observation file, the day's
// navigation files, the forms passed over and the files that could not be
// placed.
#ifndef NETWORK_INVENTORY_H
#define NETWORK_INVENTORY_H

#include <map>
#include <string>
#include <utility>
#include <vector>

struct StationDay {
  std::string station;  // four characters, lower case
  int year = 0;
  int dayOfYear = 0;
  std::string path;                 // the form taken; of a day in pieces, the first piece
  std::vector<std::string> pieces;  // the later pieces of the day, in time order
  double position[3] = {0, 0, 0};   // from its header
};

struct Inventory {
  std::vector<StationDay> observations;  // by day, then station
  // The navigation files of each day (year, day of year), one per station.
  std::map<std::pair<int, int>, std::vector<std::string>> navigation;
  // Which form of a station-day was taken and which were passed over.
  std::vector<std::string> choices;
  // Files that could not be placed, each with the reason.
  std::vector<std::pair<std::string, std::string>> unplaced;
};

// Takes the operands: folders (searched through) and files.
Inventory TakeInventory(const std::vector<std::string>& inputs);

#endif
