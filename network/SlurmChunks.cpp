// The arithmetic of cutting a plan into job arrays.
#include "network/SlurmChunks.h"

#include <cctype>
#include <sstream>

namespace {

long DivideUp(long a, long b) { return (a + b - 1) / b; }

// A whole number of at most nine digits; -1 when the text is anything else.
long Digits(const std::string& text) {
  if (text.empty() || text.size() > 9) return -1;
  long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// "A", "A:B" or "A:B:C" as whole numbers; empty on a malformed part.
std::vector<long> ColonParts(const std::string& text) {
  std::vector<long> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, ':');) {
    const long value = Digits(part);
    if (value < 0) return {};
    parts.push_back(value);
  }
  if (text.empty() || text.back() == ':') return {};
  return parts;
}

}  // namespace

SiteLimits ParseSiteLimits(const std::string& configText) {
  SiteLimits limits;
  std::istringstream in(configText);
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string name;
    std::string equals;
    std::string value;
    if (!(fields >> name >> equals >> value) || equals != "=") continue;
    const long number = Digits(value);
    if (number <= 0) continue;
    if (name == "MaxArraySize") limits.maxArraySize = number;
    if (name == "MaxJobCount") limits.maxJobCount = number;
  }
  return limits;
}

long TimeLimitSeconds(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "infinite" || lower == "unlimited") return 0;
  const size_t dash = text.find('-');
  const long days = dash == std::string::npos ? 0 : Digits(text.substr(0, dash));
  const std::vector<long> parts =
      ColonParts(dash == std::string::npos ? text : text.substr(dash + 1));
  if (days < 0 || parts.empty() || parts.size() > 3) return -1;
  long hours = 0;
  long minutes = 0;
  long seconds = 0;
  if (dash != std::string::npos) {
    // days-hours[:minutes[:seconds]]
    hours = parts[0];
    minutes = parts.size() > 1 ? parts[1] : 0;
    seconds = parts.size() > 2 ? parts[2] : 0;
  } else if (parts.size() == 3) {
    hours = parts[0];
    minutes = parts[1];
    seconds = parts[2];
  } else {
    // minutes[:seconds]
    minutes = parts[0];
    seconds = parts.size() > 1 ? parts[1] : 0;
  }
  return ((days * 24 + hours) * 60 + minutes) * 60 + seconds;
}

ChunkPlan PlanChunks(const ChunkRequest& request) {
  ChunkPlan plan;
  if (request.tasks <= 0) return plan;
  const long cpus = request.cpusPerElement;
  // Rounds of tasks (one per core) that fit nine tenths of the limit.
  const long rounds = request.timeLimitSeconds / 10 * 9 / request.taskSeconds;
  if (request.timeLimitSeconds > 0 && rounds < 1) {
    plan.problem = "--time leaves no room for one task of the estimated " +
                   std::to_string(request.taskSeconds) + " s (see --task-seconds)";
    return plan;
  }
  const long fitting = request.timeLimitSeconds > 0 ? rounds * cpus : cpus;
  const long fewest = DivideUp(request.tasks, request.maxJobs);
  plan.tasksPerElement = fitting < fewest ? fewest : fitting;
  if (request.timeLimitSeconds > 0 && plan.tasksPerElement > fitting) {
    plan.problem = std::to_string(request.tasks) + " tasks need more than " +
                   std::to_string(request.maxJobs) + " array elements of " +
                   std::to_string(fitting) + " tasks each: give a longer --time";
    return plan;
  }
  long elementsLeft = DivideUp(request.tasks, plan.tasksPerElement);
  for (long first = 0; elementsLeft > 0;) {
    const long elements = elementsLeft < request.maxArraySize ? elementsLeft : request.maxArraySize;
    plan.arrays.push_back({first, elements});
    first += elements * plan.tasksPerElement;
    elementsLeft -= elements;
  }
  return plan;
}

std::string ArrayRange(const ArrayJob& array, long throttle) {
  std::string range = "0-" + std::to_string(array.elements - 1);
  if (throttle > 0) range += "%" + std::to_string(throttle);
  return range;
}
