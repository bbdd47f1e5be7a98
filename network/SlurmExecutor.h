// The tasks of a plan on a Slurm cluster: job arrays submitted with sbatch,
// each element running its chunk of the plan with the same task runner as
// this machine does, so that the outputs are the same byte for byte.  The
// tasks' manifests tell the outcome; no accounting database is needed.
#ifndef NETWORK_SLURMEXECUTOR_H
#define NETWORK_SLURMEXECUTOR_H

#include <string>
#include <vector>

#include "network/LocalExecutor.h"
#include "network/NetworkPlan.h"
#include "network/TaskRunner.h"

struct SlurmSettings {
  // Passed to sbatch as given; empty when not given.
  std::string partition;
  std::string account;
  std::string time;
  std::string memory;
  long cpusPerTask = 0;    // 0: not given, one core
  long throttle = 0;       // elements of an array running at once; 0: no throttle
  long taskSeconds = 300;  // the estimate of one task on one core, for chunks that fit --time
  long maxJobs = 0;        // array elements in all; 0: the site's MaxJobCount
  bool wait = false;       // wait for the arrays, then sum up
  std::string program;     // this program, as the elements start it
};

struct SlurmRun {
  enum State {
    SUBMITTED,        // without --wait
    STOPPED_WAITING,  // Ctrl-C while waiting: the arrays run on
    FINISHED,         // every task ended (waited for, or nothing to submit)
  };
  State state = SUBMITTED;
  RunTally tally;  // when finished
};

// Submits the tasks whose manifests do not show them done as job arrays
// below OUT/slurm/N/ (their plan, the element script and one log per
// element), prints each array's job id and, with --wait, waits for them.
// Ctrl-C while waiting stops the waiting alone (a second one ends the
// program at once).
SlurmRun RunOnSlurm(const std::vector<Task>& tasks, const BaselineRule& rule,
                    const RunSettings& settings, const SlurmSettings& slurm);

// One array element: the tasks first + i * size up to size of them, i the
// element's index, from the plan file, with `jobs` at once.  The exit
// status is that of a run.
int RunChunk(const std::string& planFile, const RunSettings& settings, long first, long size,
             int jobs);

#endif
