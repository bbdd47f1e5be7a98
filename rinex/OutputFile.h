// OutputFile: one output of the converter, in the place FindOutputPlace
// gives it.  A file to be replaced is written under a temporary name beside
// it and takes its name only when published, after the whole run has been
// written and checked, so that a failed run leaves neither a partial file
// nor a damaged earlier one.  An output written straight through (a device,
// a FIFO, the standard output) can not be withdrawn, so it is written as the
// run goes.  The temporary files not yet published are removed when the
// output is destroyed (a failure unwinds the run), when the process ends
// through exit without unwinding, and when a signal whose default is to end
// the process ends it.
#ifndef RINEX_OUTPUTFILE_H
#define RINEX_OUTPUTFILE_H

#include <initializer_list>
#include <ostream>
#include <string>

#include "rinex/DescriptorBuffer.h"

class OutputFile {
 public:
  explicit OutputFile(const std::string& target);
  // Removes a temporary file not published.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  std::ostream& Stream() { return out_; }
  // Writes out and closes the file; a write that failed is a fatal error
  // naming the target and the system's reason.
  void Close();
  // Gives the closed temporary file the name of the file it replaces; a
  // rename that fails is a fatal error naming the target.
  void Publish();

 private:
  std::string target_;     // as the user named it, for messages
  std::string replaced_;   // the file a temporary one replaces
  std::string temporary_;  // empty for an output written straight through
  DescriptorBuffer buffer_;
  std::ostream out_;
  int slot_ = -1;  // its place in the table of temporary files
  bool published_ = false;
};

// Closes every output given (null ones are passed over), then publishes
// them: none takes its name before all have been written and checked.
void PublishTogether(std::initializer_list<OutputFile*> outputs);

#endif
