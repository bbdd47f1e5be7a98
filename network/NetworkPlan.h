// The tasks of a network run: one per baseline and day, with its inputs and
// its output folder OUT/YYYY/DDD/BASE-ROVER.
#ifndef NETWORK_NETWORKPLAN_H
#define NETWORK_NETWORKPLAN_H

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "network/Baselines.h"
#include "network/Inventory.h"

struct Task {
  int year = 0;
  int dayOfYear = 0;
  std::string base;
  std::string rover;
  std::string baseFile;
  std::string roverFile;
  std::vector<std::string> basePieces;  // the later pieces of a day in pieces
  std::vector<std::string> roverPieces;
  std::vector<std::string> navigation;

  // YYYY/DDD/BASE-ROVER, below the output folder.
  std::string Folder() const;
};

struct NetworkPlan {
  std::vector<Task> tasks;
  std::vector<std::string> notes;  // per day: what the rule left out, days without navigation
};

NetworkPlan MakePlan(const Inventory& inventory, const BaselineRule& rule);

// The plan as text: the rule, then one tab-separated line per task (day,
// base, rover, base file, rover file, navigation files); the pieces of a day
// follow its first one, each after " + ".
void WritePlan(std::ostream& out, const NetworkPlan& plan, const BaselineRule& rule);
// The tasks of a plan WritePlan wrote; false at a line that is no task.
bool ReadPlanTasks(std::istream& in, std::vector<Task>& tasks);

#endif
