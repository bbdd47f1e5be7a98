// The network program's command line: a subcommand, its operands and the
// options of planning and running.
#ifndef NETWORK_NETOPTIONS_H
#define NETWORK_NETOPTIONS_H

#include <string>
#include <vector>

#include "network/Baselines.h"
#include "network/SlurmExecutor.h"

struct NetOptions {
  std::string command;              // plan, run, status, summary, or run-chunk in an array element
  std::vector<std::string> inputs;  // plan and run: folders and files
  std::string output;               // the output folder
  BaselineRule rule;
  bool ruleGiven = false;
  int jobs = 1;
  int keep = 0;  // 0 report, 1 also the SD file, 2 also the listing
  std::string systems;
  bool slurm = false;     // run: on the cluster instead of this machine
  SlurmSettings cluster;  // with --slurm
  long first = -1;        // run-chunk: the first task of the element's array
  long size = 0;          // run-chunk: tasks per element
  bool help = false;
  bool version = false;
};

// Reads the command line; a mistake is a fatal error that points to --help.
NetOptions ParseNetOptions(int argc, char** argv);

const char* NetHelpText();

// The --keep word of what a task keeps (0, 1 or 2).
const char* KeepName(int keep);

#endif
