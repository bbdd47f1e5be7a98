// The small record a task leaves in its folder (manifest.txt): its inputs
// with size and time of change, the options it ran with, its status and
// message.  Rerunning, status and summary read it; no database is needed.
#ifndef NETWORK_MANIFEST_H
#define NETWORK_MANIFEST_H

#include <string>
#include <vector>

struct Manifest {
  std::string status;               // "ok" or "failed"
  std::string message;              // the failure's message; empty when ok
  std::string options;              // what the outputs depend on besides the inputs
  std::vector<std::string> inputs;  // "PATH SIZE NANOSECONDS", one per input
};

// An input's line: its path, size and time of last change; the path alone
// when it cannot be examined.
std::string DescribeInput(const std::string& path);

// Writes folder/manifest.txt through a temporary name; false on failure.
bool WriteManifest(const std::string& folder, const Manifest& manifest);
// Reads folder/manifest.txt; false when there is none or it is incomplete.
bool ReadManifest(const std::string& folder, Manifest& manifest);

#endif
