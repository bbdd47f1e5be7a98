// The simulator's files as the program reads them: the single-difference
// loader takes every record and writes the same bytes back, the millisecond
// jump is found once, and the channel file gives each GLONASS satellite its
// channel.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "GNSS/GLNSat.h"
#include "GNSS/PhsDiff.h"
#include "tools/SimRun.h"

namespace {

std::string WriteTemporary(const std::string& name, const std::string& text) {
  std::string path = testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

SimPlan Plan() {
  // Only the types the loader keeps values of, so that its writer gives back
  // every field.
  const char* argv[] = {"sdsim", "--duration", "1200", "--types",
                        "C1:P1:P2:L1:L2:C2:D1:D2:C5:L5:C7:L7:C8:L8"};
  return MakePlan(ParseSimArgs(5, argv));
}

TEST(SimReadBack, LoaderRewritesTheSameBytesAndFindsTheJump) {
  SimPlan plan = Plan();
  std::ostringstream text;
  WriteSingleDifferences(plan, text);
  const std::string path = WriteTemporary("sim_readback.sd", text.str());

  PhsDiffHeader header;
  PhsDiffData data(header);
  PhsDiff loader(header, data);
  loader.SetFile(path.c_str());
  loader.ReadFile();
  EXPECT_EQ(data.GetNEpoch(), 41);
  EXPECT_FLOAT_EQ(header.GetInterval(), 30.0f);
  std::ostringstream rewritten;
  loader.PrintFile(rewritten);
  EXPECT_EQ(rewritten.str(), text.str());

  long jumps = 0;
  data.CorrMSJumps(jumps);
  EXPECT_EQ(jumps, 1);
  std::remove(path.c_str());
}

TEST(SimReadBack, ChannelFileGivesEveryGlonassSatelliteItsChannel) {
  const SimPlan plan = Plan();
  const std::string path = WriteTemporary("sim_readback_glonass.txt", ChannelFileText(plan));
  GLNSat channels;
  channels.SetFile(path.c_str());
  channels.ReadFile();
  mjd start(plan.firstMjd, plan.firstSecond);
  int glonass = 0;
  for (const SimTrack& track : plan.tracks) {
    if (track.satellite.system != SimSystem::GLONASS) continue;
    glonass++;
    EXPECT_EQ(channels.GetFreqNum(track.satellite.number, start), track.satellite.channel)
        << track.satellite.number;
    EXPECT_TRUE(channels.GetIsGLNSat());
  }
  EXPECT_EQ(glonass, 24);
  std::remove(path.c_str());
}

}  // namespace
