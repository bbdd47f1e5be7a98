// Simulated networks: archive file names, and stations whose headers place
// them on the grid, so that every baseline's length is known.
#include "tools/SimNetwork.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "rinex/ObsHeader.h"
#include "rinex/TextInput.h"

namespace {

TEST(SimNetwork, FilesAreNamedAsArchivesNameThem) {
  const struct {
    bool longNames, compact, gzip;
    double interval;
    const char* name;
  } cases[] = {
      {false, false, false, 30, "n0071760.24o"},
      {false, true, true, 30, "n0071760.24d.gz"},
      {true, false, false, 30, "N00700SIM_R_20241760000_01D_30S_MO.rnx"},
      {true, true, true, 1, "N00700SIM_R_20241760000_01D_01S_MO.crx.gz"},
      {true, false, true, 300, "N00700SIM_R_20241760000_01D_05M_MO.rnx.gz"},
  };
  for (const auto& c : cases) {
    SimConfig config;
    config.longNames = c.longNames;
    config.compactRinex = c.compact;
    config.gzip = c.gzip;
    EXPECT_EQ(NetworkFileName(NetworkStationName(7), 2024, 176, c.interval, config), c.name);
  }
}

double HeaderDistance(const std::string& a, const std::string& b) {
  const ObsHeader first = ReadObsHeader(*OpenTextInput(a));
  const ObsHeader second = ReadObsHeader(*OpenTextInput(b));
  return std::hypot(first.position[0] - second.position[0], first.position[1] - second.position[1],
                    first.position[2] - second.position[2]);
}

TEST(SimNetwork, HeadersPlaceTheStationsOnTheGrid) {
  const std::string folder = testing::TempDir() + "sim_network";
  std::filesystem::create_directories(folder);
  const char* argv[] = {"sdsim",        "--network", "5", "--network-folder",
                        folder.c_str(), "--days",    "2", "--duration",
                        "300",          "--systems", "G", "--gzip"};
  const std::vector<std::string> files = WriteNetwork(ParseSimArgs(12, argv));
  ASSERT_EQ(files.size(), 10u);
  EXPECT_EQ(files[4], folder + "/n0041760.24o.gz");
  EXPECT_EQ(files[5], folder + "/n0001770.24o.gz");
  // Three columns 10 km apart, rows 12.5 km apart: n000 n001 n002 / n003 n004.
  const struct {
    int a, b;
    double metres;
  } pairs[] = {{0, 1, 10000},
               {0, 2, 20000},
               {0, 3, 12500},
               {1, 3, std::hypot(10000, 12500)},
               {2, 4, std::hypot(10000, 12500)},
               {3, 4, 10000}};
  for (const auto& p : pairs)
    EXPECT_NEAR(HeaderDistance(files[static_cast<size_t>(p.a)], files[static_cast<size_t>(p.b)]),
                p.metres, 0.001)
        << p.a << "-" << p.b;
  std::filesystem::remove_all(folder);
}

}  // namespace
