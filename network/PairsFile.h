// The --pairs file: one "BASE ROVER" a line, base first; blank lines and
// text from # on are passed over.
#ifndef NETWORK_PAIRSFILE_H
#define NETWORK_PAIRSFILE_H

#include <istream>
#include <string>
#include <vector>

#include "network/Baselines.h"

struct PairsFile {
  std::vector<Baseline> pairs;     // in the order given, names in lower case
  std::vector<std::string> notes;  // pairs given again, taken once
  std::string error;               // the first line that is no pair; empty when none
};

// Reads the pairs of `in`, whose name the messages give.
PairsFile ReadPairsFile(std::istream& in, const std::string& name);

#endif
