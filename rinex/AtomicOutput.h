// AtomicOutput: an output file written under a temporary name beside its
// target and renamed to the target only when complete, so that a failed run
// leaves neither a partial file nor a damaged earlier one.  The temporary
// files not yet renamed are removed when a fatal report ends the process
// through exit, and when SIGINT, SIGTERM or SIGHUP ends it.
#ifndef RINEX_ATOMICOUTPUT_H
#define RINEX_ATOMICOUTPUT_H

#include <fstream>
#include <string>

class AtomicOutput {
 public:
  explicit AtomicOutput(const std::string& target);
  ~AtomicOutput();
  AtomicOutput(const AtomicOutput&) = delete;
  AtomicOutput& operator=(const AtomicOutput&) = delete;

  std::ostream& Stream() { return out_; }
  // Closes the file and gives it the target's name; a write or rename that
  // fails is a fatal error naming the target.
  void Commit();

 private:
  std::string target_;
  std::string temporary_;
  std::ofstream out_;
  int slot_ = -1;  // its place in the table of temporary files
  bool committed_ = false;
};

#endif
