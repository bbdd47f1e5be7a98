// Station, day and form from archive file names of both conventions.
#include "network/FileName.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
  const char* name;
  bool parsed;
  const char* station;
  int year;
  int dayOfYear;
  int startMinute;
  bool navigation;
  bool piece;
  int rank;  // FormRank
};

const NameCase kNames[] = {
    {"delf0010.21o", true, "delf", 2021, 1, 0, false, false, 6},
    {"delf0010.21d", true, "delf", 2021, 1, 0, false, false, 9},
    {"delf0010.21o.gz", true, "delf", 2021, 1, 0, false, false, 7},
    {"zegv0010.21d.Z", true, "zegv", 2021, 1, 0, false, false, 11},
    {"DUTH0630.22D.gz", true, "duth", 2022, 63, 0, false, false, 10},
    {"abcd3650.99o", true, "abcd", 1999, 365, 0, false, false, 6},
    {"abcd123b.21o", true, "abcd", 2021, 123, 60, false, true, 6},
    {"abcd123x45.21d", true, "abcd", 2021, 123, 23 * 60 + 45, false, true, 9},
    {"cbw10010.21n.gz", true, "cbw1", 2021, 1, 0, true, false, 7},
    {"abcd0010.21g", true, "abcd", 2021, 1, 0, true, false, 6},
    {"KMS300DNK_R_20221591000_01H_30S_MO.crx", true, "kms3", 2022, 159, 600, false, true, 3},
    {"GRAS00FRA_R_20223151700_15M_01S_MO.crx.gz", true, "gras", 2022, 315, 1020, false, true, 4},
    {"DELF00NLD_R_20210010000_01D_30S_MO.rnx", true, "delf", 2021, 1, 0, false, false, 0},
    {"CBW100NLD_R_20210010000_01D_MN.rnx", true, "cbw1", 2021, 1, 0, true, false, 0},
    {"KMS300DNK_R_20221591000_01H_MN.rnx.gz", true, "kms3", 2022, 159, 600, true, true, 1},
    // Neither convention, or impossible days and times.
    {"delf0010.21x", false, "", 0, 0, 0, false, false, 0},
    {"delf3670.21o", false, "", 0, 0, 0, false, false, 0},
    {"delf0000.21o", false, "", 0, 0, 0, false, false, 0},
    {"delf001y.21o", false, "", 0, 0, 0, false, false, 0},
    {"delf001a60.21o", false, "", 0, 0, 0, false, false, 0},
    {"delf00100.21o", false, "", 0, 0, 0, false, false, 0},
    {"delf0010.21o.bz2", false, "", 0, 0, 0, false, false, 0},
    {"DELF00NLD_R_20210012400_01D_30S_MO.rnx", false, "", 0, 0, 0, false, false, 0},
    {"DELF00NLD_R_20210010000_01D_MO.rnx", false, "", 0, 0, 0, false, false, 0},
    {"DELF00NLD_R_20210010000_01D_30S_MM.rnx", false, "", 0, 0, 0, false, false, 0},
    {"DELF00NLD_R_20210010000_01D_30S_MO.txt", false, "", 0, 0, 0, false, false, 0},
    {"SOURCES.md", false, "", 0, 0, 0, false, false, 0},
};

TEST(FileName, ReadsBothConventionsAndTheirCompressedForms) {
  for (const NameCase& c : kNames) {
    SCOPED_TRACE(c.name);
    NamedFile file;
    ASSERT_EQ(ParseFileName(c.name, file), c.parsed);
    if (!c.parsed) continue;
    EXPECT_EQ(file.station, c.station);
    EXPECT_EQ(file.year, c.year);
    EXPECT_EQ(file.dayOfYear, c.dayOfYear);
    EXPECT_EQ(file.startMinute, c.startMinute);
    EXPECT_EQ(file.navigation, c.navigation);
    EXPECT_EQ(file.piece, c.piece);
    EXPECT_EQ(FormRank(file), c.rank);
  }
}

}  // namespace
