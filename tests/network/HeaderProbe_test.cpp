// The header facts that place a file whose name follows no convention: read
// from real headers, and a file the input layer refuses is a reason, never
// the end of the run.
#include "network/HeaderProbe.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/rinex_text.h"

namespace {

struct Expected {
  const char* what;
  std::string path;
  bool readable;
  char fileType;
  const char* marker;
  int year, dayOfYear, startMinute;
  double x;  // the first coordinate of APPROX POSITION XYZ
};

TEST(HeaderProbe, RealHeadersGiveStationAndDay) {
  const std::string data = TEST_DATA_DIR;
  const Expected cases[] = {
      {"RINEX 3", data + "/rinex/matrtklib_base.obs", true, 'O', "SEPT", 2024, 176, 500,
       -3817680.7270},
      {"RINEX 2", data + "/rinex/30400920.05o", true, 'O', "3040", 2005, 92, 0, -3978242.4348},
      {"compress", data + "/crinex/zegv0010.21o.Z", true, 'O', "ZEGV", 2021, 1, 0, 3908910.3663},
      {"navigation, gzip", data + "/orbit/cbw10010.21n.gz", true, 'N', "", 0, 0, 0, 0},
  };
  for (const Expected& c : cases) {
    SCOPED_TRACE(c.what);
    const HeaderFacts facts = ProbeHeader(c.path);
    EXPECT_EQ(facts.readable, c.readable) << facts.problem;
    EXPECT_EQ(facts.fileType, c.fileType);
    EXPECT_EQ(facts.marker, c.marker);
    EXPECT_EQ(facts.year, c.year);
    EXPECT_EQ(facts.dayOfYear, c.dayOfYear);
    EXPECT_EQ(facts.startMinute, c.startMinute);
    EXPECT_DOUBLE_EQ(facts.position[0], c.x);
  }
}

TEST(HeaderProbe, UnreadableFilesAndDatesThatAreNone) {
  const std::string version =
      HeaderLine("     2.11           OBSERVATION DATA    G", "RINEX VERSION / TYPE");
  const struct {
    const char* what;
    std::string bytes;
    bool readable;
    const char* problem;
    int year;
  } cases[] = {
      {"gzip cut short", FileBytes(TEST_DATA_DIR "/orbit/cbw10010.21n.gz").substr(0, 200), false,
       "gzip data end early (the file is cut short)", 0},
      {"no line end", version + "    ", false,
       "line 2: the last line has no line end (the file is cut short)", 0},
      {"31 February",
       version + HeaderLine("  2021     2    31     0     0    0.0000000", "TIME OF FIRST OBS"),
       true, "", 0},
      {"year 1900",
       version + HeaderLine("  1900     1     1     0     0    0.0000000", "TIME OF FIRST OBS"),
       true, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFile file;
    WriteText(file.path, c.bytes);
    const HeaderFacts facts = ProbeHeader(file.path);
    EXPECT_EQ(facts.readable, c.readable);
    EXPECT_EQ(facts.problem, c.problem);
    EXPECT_EQ(facts.year, c.year);
  }
  const HeaderFacts missing = ProbeHeader("/nonexistent/file.21o");
  EXPECT_EQ(missing.problem, "can not be opened (No such file or directory)");
}

}  // namespace
