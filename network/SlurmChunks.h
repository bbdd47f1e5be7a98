// How the tasks of a plan are cut into job arrays: chunks of tasks sized to
// fit the time limit, arrays no larger than the site allows, and the array
// ranges with their throttle as the scheduler takes them.
#ifndef NETWORK_SLURMCHUNKS_H
#define NETWORK_SLURMCHUNKS_H

#include <string>
#include <vector>

// The scheduler's own defaults, taken when its configuration cannot be read.
constexpr long kDefaultMaxArraySize = 1001;
constexpr long kDefaultMaxJobCount = 10000;

struct SiteLimits {
  long maxArraySize = kDefaultMaxArraySize;  // array indices run from 0 to this less one
  long maxJobCount = kDefaultMaxJobCount;    // jobs the controller keeps at once
};

// The site's limits from the text of `scontrol show config`; a value missing
// from it keeps the default.
SiteLimits ParseSiteLimits(const std::string& configText);

// A time limit as the scheduler writes it (minutes, minutes:seconds,
// hours:minutes:seconds, days-hours, days-hours:minutes,
// days-hours:minutes:seconds) in seconds, 0 for "infinite" or "unlimited";
// -1 when it is none of these.
long TimeLimitSeconds(const std::string& text);

struct ChunkRequest {
  long tasks = 0;
  long timeLimitSeconds = 0;  // 0: no time limit given
  long taskSeconds = 300;     // the estimate of one task on one core
  long cpusPerElement = 1;    // tasks an element runs at once
  long maxJobs = kDefaultMaxJobCount;
  long maxArraySize = kDefaultMaxArraySize;
};

struct ArrayJob {
  long firstTask = 0;  // index into the plan's tasks
  long elements = 0;
};

struct ChunkPlan {
  long tasksPerElement = 0;
  std::vector<ArrayJob> arrays;
  std::string problem;  // why the tasks cannot be cut to fit; empty when they fit
};

// Each element gets as many tasks as fit nine tenths of the time limit at the
// estimate (one round per core without a limit); more when the elements would
// outnumber `maxJobs`, unless that breaks the time limit.  The elements are
// then cut into arrays of at most `maxArraySize`.
ChunkPlan PlanChunks(const ChunkRequest& request);

// The --array value of one array: "0-LAST", with "%THROTTLE" when throttled.
std::string ArrayRange(const ArrayJob& array, long throttle);

#endif
