// One task: the converter and the report (and the listing when asked for)
// on one baseline-day, in a work folder whose kept outputs are renamed into the
// task's folder only when every step succeeded.
#ifndef NETWORK_TASKRUNNER_H
#define NETWORK_TASKRUNNER_H

#include <csignal>
#include <string>

#include "network/NetworkPlan.h"

struct RunSettings {
  std::string output;    // the network's output folder
  std::string programs;  // the folder of the companion programs; empty: the PATH
  int keep = 0;          // 0 the report; 1 also the SD and channel files; 2 also a listing
  std::string systems;   // the converter's --systems; empty for its default

  // What a task's outputs depend on besides its inputs, for the manifest.
  std::string Options() const;
};

enum class TaskOutcome { DONE, SKIPPED, FAILED, STOPPED };

struct TaskResult {
  TaskOutcome outcome;
  std::string message;
};

// What the task's manifest records for the inputs and options it would run
// with now: DONE, FAILED with its message, or STOPPED when there is no such
// record (never run with these, or cut off before the end).
TaskResult RecordedResult(const Task& task, const RunSettings& settings);

// Runs the task unless its manifest shows it done with the same inputs and
// options; a stop request (set from a signal handler) ends it between steps
// with its work folder removed.
TaskResult RunTask(const Task& task, const RunSettings& settings,
                   const volatile std::sig_atomic_t& stop);

#endif
