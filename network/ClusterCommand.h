// A command of the cluster's (sbatch, scontrol) run as a child process: its
// standard output read through a pipe, its standard error left on ours so
// that the scheduler's own messages reach the user.
#ifndef NETWORK_CLUSTERCOMMAND_H
#define NETWORK_CLUSTERCOMMAND_H

#include <sys/types.h>

#include <string>
#include <vector>

// True when `name` is an executable file in a folder of the PATH.
bool OnPath(const std::string& name);

class ClusterCommand {
 public:
  // Starts the command; argv[0] is looked up on the PATH.
  explicit ClusterCommand(const std::vector<std::string>& argv);
  ClusterCommand(const ClusterCommand&) = delete;
  ClusterCommand& operator=(const ClusterCommand&) = delete;
  ClusterCommand(ClusterCommand&& other) noexcept;
  ClusterCommand& operator=(ClusterCommand&&) = delete;
  // Waits for the command when nobody did.
  ~ClusterCommand();

  bool Started() const { return child_ > 0; }
  // The next line of its output without the line end; empty at its end.
  std::string ReadLine();
  // The rest of its output.
  std::string ReadRest();
  // Waits for it to end: its exit status, or -1 when it did not end by itself.
  int Wait();

 private:
  pid_t child_ = -1;
  int output_ = -1;  // the reading end of its standard output
};

#endif
