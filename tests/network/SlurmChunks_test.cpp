// Cutting a plan into job arrays: chunks that fit the time limit, arrays
// within the site's MaxArraySize, elements within its job limit, throttles;
// and the time limits and site limits as the scheduler writes them.
#include "network/SlurmChunks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ChunkCase {
  const char* what;
  long tasks;
  long seconds;  // the time limit; 0 for none
  long cpus;
  long maxJobs;
  long maxArraySize;
  long throttle;
  const char* arrays;  // "TASKS/ELEMENT: RANGE@FIRST ...", or the problem's start
};

std::string Text(const ChunkPlan& plan, long throttle) {
  if (!plan.problem.empty()) return plan.problem;
  std::string text = std::to_string(plan.tasksPerElement) + "/element:";
  for (const ArrayJob& array : plan.arrays)
    text += " " + ArrayRange(array, throttle) + "@" + std::to_string(array.firstTask);
  return text;
}

TEST(SlurmChunks, CutToTheTimeLimitAndTheSiteLimits) {
  const std::vector<ChunkCase> cases = {
      {"no time limit: one task per element", 3, 0, 1, 10000, 1001, 0, "1/element: 0-2@0"},
      {"no time limit: one round of the cores", 10, 0, 4, 10000, 1001, 0, "4/element: 0-2@0"},
      {"MaxArraySize: several arrays", 2500, 0, 1, 10000, 1001, 0,
       "1/element: 0-1000@0 0-1000@1001 0-497@2002"},
      {"nine tenths of 2 h at 300 s a task", 100, 7200, 1, 10000, 1001, 0, "21/element: 0-4@0"},
      {"cores multiply an element's tasks", 100, 3600, 4, 10000, 1001, 0, "40/element: 0-2@0"},
      {"a day's limit", 1000, 86400, 1, 10000, 1001, 0, "259/element: 0-3@0"},
      {"the throttle on every array", 5, 0, 1, 10000, 2, 2, "1/element: 0-1%2@0 0-1%2@2 0-0%2@4"},
      {"too many elements without a limit: larger chunks", 25000, 0, 1, 10000, 5000, 0,
       "3/element: 0-4999@0 0-3333@15000"},
      {"too many elements within the limit", 25000, 600, 1, 10000, 5000, 0,
       "25000 tasks need more than 10000 array elements of 1 tasks each: give a longer --time"},
      {"a limit shorter than one task", 5, 240, 1, 10000, 1001, 0,
       "--time leaves no room for one task of the estimated 300 s (see --task-seconds)"},
      {"no tasks: no arrays", 0, 0, 1, 10000, 1001, 3, "0/element:"},
  };
  for (const ChunkCase& c : cases) {
    ChunkRequest request;
    request.tasks = c.tasks;
    request.timeLimitSeconds = c.seconds;
    request.cpusPerElement = c.cpus;
    request.maxJobs = c.maxJobs;
    request.maxArraySize = c.maxArraySize;
    EXPECT_EQ(Text(PlanChunks(request), c.throttle), c.arrays) << c.what;
  }
}

TEST(SlurmChunks, TimeLimitsInTheSchedulersForms) {
  const std::vector<std::pair<const char*, long>> cases = {
      {"90", 5400},       {"1:30", 90},          {"2:00:00", 7200}, {"2-3", 183600},
      {"2-3:04", 183840}, {"2-3:04:05", 183845}, {"UNLIMITED", 0},  {"infinite", 0},
      {"", -1},           {"1:2:3:4", -1},       {"5:", -1},        {"1h", -1},
      {"-5", -1},         {"1-2-3", -1},
  };
  for (const auto& [text, seconds] : cases) EXPECT_EQ(TimeLimitSeconds(text), seconds) << text;
}

TEST(SlurmChunks, SiteLimitsFromTheConfigurationOrTheDefaults) {
  const SiteLimits given = ParseSiteLimits(
      "Configuration data as of 2026-12-08T08:00:00\n"
      "MaxArraySize            = 2\nMaxJobCount             = 500\nMaxStepCount = 40000\n");
  EXPECT_EQ(given.maxArraySize, 2);
  EXPECT_EQ(given.maxJobCount, 500);
  const SiteLimits unreadable = ParseSiteLimits("MaxArraySize = none\nMaxJobCount = 0\n");
  EXPECT_EQ(unreadable.maxArraySize, kDefaultMaxArraySize);
  EXPECT_EQ(unreadable.maxJobCount, kDefaultMaxJobCount);
}

}  // namespace
