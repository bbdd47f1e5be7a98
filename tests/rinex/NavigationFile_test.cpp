// The navigation reader on real files of RINEX 2, 3 and 4: which records it
// keeps, and the numbers of a record read from their columns; files it
// refuses.
#include "rinex/NavigationFile.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "rinex/RinexTime.h"
#include "tests/support/input_failure.h"
#include "tests/support/rinex_text.h"

namespace {

const std::string kOrbitData = std::string(TEST_DATA_DIR) + "/orbit/";

struct RealFile {
  const char* name;
  int version;
  int leapSeconds;  // -1: no LEAP SECONDS in the header
  std::map<char, int> records;
  // The first record: satellite, epoch, and one number at a place.
  const char* firstSat;
  const char* firstEpoch;
  int place;
  double value;
};

TEST(NavigationFile, KeepsTheEphemeridesOfFourSystems) {
  const RealFile files[] = {
      // RINEX 4: SBAS ephemerides and the STO, EOP and ION records are
      // passed over; Galileo's I/NAV and F/NAV twins are both kept.
      {"KMS300DNK_R_20221591000_01H_MN.rnx.gz",
       400,
       18,
       {{'G', 30}, {'R', 24}, {'E', 108}, {'C', 36}},
       "G02",
       "2022-06-08 10:00:00.0000000",
       kSqrtA,
       5.153679471970E+03},
      // RINEX 3 mixed with QZSS, which is passed over.
      {"SEPT2650.21P.gz",
       304,
       18,
       {{'G', 49}, {'E', 253}},
       "G06",
       "2021-09-22 02:00:00.0000000",
       kCrs,
       6.631250000000E+01},
      {"../rinex/pairs/matrtklib_static/base.nav.gz",
       304,
       18,
       {{'G', 13}, {'R', 19}, {'E', 67}, {'C', 32}},
       "G05",
       "2024-06-24 10:00:00.0000000",
       kHealth,
       0},
      // Lower-case exponents.
      {"CBW100NLD_R_20210010000_01D_MN.rnx",
       304,
       18,
       {{'G', 2}, {'E', 2}, {'C', 2}},
       nullptr,
       nullptr,
       0,
       0},
      // RINEX 2 GPS: D exponents, two-digit years, the last orbit line short.
      {"cbw10010.21n.gz",
       211,
       -1,
       {{'G', 187}},
       "G01",
       "2021-01-01 02:00:00.0000000",
       kToe,
       4.392000000000E+05},
  };
  for (const RealFile& f : files) {
    SCOPED_TRACE(f.name);
    const NavigationFile nav = ReadNavigationFile(kOrbitData + f.name);
    EXPECT_EQ(nav.version, f.version);
    EXPECT_EQ(nav.hasLeapSeconds ? nav.leapSeconds : -1, f.leapSeconds);
    std::map<char, int> counts;
    for (const BroadcastRecord& r : nav.records) counts[r.system]++;
    EXPECT_EQ(counts, f.records);
    if (f.firstSat == nullptr) continue;
    const BroadcastRecord& first = nav.records.front();
    char sat[8];
    std::snprintf(sat, sizeof sat, "%c%02d", first.system, first.number);
    EXPECT_EQ(sat, std::string(f.firstSat));
    EXPECT_EQ(TicksText(first.tocTicks), f.firstEpoch);
    ASSERT_GE(first.values.size(), size_t(kKeplerValues));
    EXPECT_DOUBLE_EQ(first.values[f.place], f.value);
  }
}

TEST(NavigationFile, GlonassStateVectorInItsColumns) {
  const NavigationFile nav =
      ReadNavigationFile(kOrbitData + "../rinex/pairs/matrtklib_static/base.nav.gz");
  for (const BroadcastRecord& r : nav.records) {
    if (r.system != 'R') continue;
    // R01 2024 06 24 08 15 00, the first GLONASS record.
    EXPECT_EQ(r.number, 1);
    EXPECT_EQ(TicksText(r.tocTicks), "2024-06-24 08:15:00.0000000");
    EXPECT_DOUBLE_EQ(r.values[2], 1.152000000000E+05);
    EXPECT_DOUBLE_EQ(r.values[kGloChannel], 1);
    break;
  }
}

struct BadFile {
  const char* what;
  std::string text;
  const char* message;
};

TEST(NavigationFile, RefusesWhatItCannotRead) {
  const std::string v3 =
      HeaderLine("     3.04           N: GNSS NAV DATA    M: MIXED", "RINEX VERSION / TYPE") +
      HeaderLine("", "END OF HEADER");
  const std::string orbit = "     1.000000000000E+00 1.000000000000E+00 1.000000000000E+00\n";
  const BadFile files[] = {
      {"an observation file",
       HeaderLine("     3.04           OBSERVATION DATA    M", "RINEX VERSION / TYPE"),
       "line 1: not a navigation file of RINEX version 2, 3 or 4"},
      {"a record cut short", v3 + "G05 2024 06 24 10 00 00 1.0E-04 0.0E+00 0.0E+00\n" + orbit,
       "a navigation record ends before its last orbit line"},
      {"an epoch that is no date", v3 + "G05 2024 13 24 10 00 00 1.0E-04 0.0E+00 0.0E+00\n",
       "line 3: the record's satellite or epoch cannot be read"},
  };
  for (const BadFile& f : files) {
    SCOPED_TRACE(f.what);
    TempFile file;
    WriteText(file.path, f.text);
    ExpectFailure([&] { ReadNavigationFile(file.path); }, f.message);
  }
}

}  // namespace
