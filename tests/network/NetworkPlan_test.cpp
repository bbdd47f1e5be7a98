// The plan as written and read back by the cluster's array elements: a day
// in pieces keeps its pieces, in order.
#include "network/NetworkPlan.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(NetworkPlan, TasksReadBackAsWritten) {
  const std::vector<Task> tasks = {
      {2021, 1, "delf", "eijs", "a/delf0010.21o", "a/eijs0010.21d", {}, {}, {"a/nav.rnx"}},
      {2021,
       1,
       "delf",
       "wsra",
       "a/delf001a00.21o",
       "a/wsra0010.21d",
       {"a/delf001a15.21o.gz", "a/delf001a30.21o"},
       {},
       {}},
      {2022,
       365,
       "gras",
       "kms3",
       "g/GRAS00FRA_R_20223650000_15M_01S_MO.crx.gz",
       "k/x 1.rnx",
       {},
       {"k/x 2.rnx"},
       {"n/1.rnx", "n/2.rnx"}},
  };
  NetworkPlan plan;
  plan.tasks = tasks;
  std::stringstream text;
  WritePlan(text, plan, BaselineRule());
  std::vector<Task> read;
  ASSERT_TRUE(ReadPlanTasks(text, read));
  ASSERT_EQ(read.size(), tasks.size());
  for (size_t k = 0; k < tasks.size(); k++) {
    EXPECT_EQ(read[k].Folder(), tasks[k].Folder());
    EXPECT_EQ(read[k].baseFile, tasks[k].baseFile);
    EXPECT_EQ(read[k].roverFile, tasks[k].roverFile);
    EXPECT_EQ(read[k].basePieces, tasks[k].basePieces);
    EXPECT_EQ(read[k].roverPieces, tasks[k].roverPieces);
    EXPECT_EQ(read[k].navigation, tasks[k].navigation);
  }
}

}  // namespace
