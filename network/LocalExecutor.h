// The tasks of a plan on this machine: N workers, one line of progress on a
// terminal, and a clean stop on Ctrl-C (SIGINT or SIGTERM): running steps
// finish, nothing partial is left, no further task starts.
#ifndef NETWORK_LOCALEXECUTOR_H
#define NETWORK_LOCALEXECUTOR_H

#include <string>
#include <vector>

#include "network/TaskRunner.h"

struct RunTally {
  int done = 0;
  int failed = 0;
  int skipped = 0;
  int total = 0;
  bool stopped = false;
  std::vector<std::string> failures;  // "FOLDER: message", in the plan's order
};

RunTally RunLocally(const std::vector<Task>& tasks, const RunSettings& settings, int jobs);

// Writes the counts and the failed tasks to standard error; returns the
// run's exit status: 130 when stopped, 1 when a task failed, else 0.
int ReportTally(const RunTally& tally);

#endif
