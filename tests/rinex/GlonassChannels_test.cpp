// GLONASS channels from headers and navigation files of RINEX 2, 3 and 4, the
// first source kept and a disagreeing one warned about, and the channel file.
#include "rinex/GlonassChannels.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "rinex/RinexTime.h"
#include "tests/support/rinex_text.h"
#include "tests/support/stream_capture.h"

namespace {

std::string Orbit(int prefix, const char* fourth) {
  return std::string(prefix, ' ') + " 0.000000000000D+00 0.000000000000D+00 0.000000000000D+00" +
         fourth + "\n";
}

TEST(GlonassChannels, HeadersAndNavigationFilesOfBothVersions) {
  // RINEX 2: records of four lines, the slot in columns 1-2.
  RinexFile v2(HeaderLine("     2.11           G: GLONASS NAV DATA", "RINEX VERSION / TYPE") +
               HeaderLine("", "END OF HEADER") + " 3 24  6 24  8 15  0.0 0.000000000000D+00\n" +
               Orbit(3, " 0.000000000000D+00") + Orbit(3, " 5.000000000000D+00") +
               Orbit(3, " 0.0D+00") + "12 24  6 24  8 15  0.0 0.000000000000D+00\n" +
               Orbit(3, " 0.000000000000D+00") + Orbit(3, "-1.000000000000D+00") +
               Orbit(3, " 0.0D+00"));
  // RINEX 3 mixed: a GPS record of eight lines is passed over.
  std::string v3 =
      HeaderLine("     3.04           N: GNSS NAV DATA    M: MIXED", "RINEX VERSION / TYPE") +
      HeaderLine("", "END OF HEADER") + "G05 2024 06 24 10 00 00-1.7E-04-1.3E-12 0.0E+00\n";
  for (int k = 0; k < 7; k++) v3 += Orbit(4, " 9.000000000000E+00");
  v3 += "R10 2024 06 24 08 15 00 8.9E-05 9.0E-13 1.1E+05\n" + Orbit(4, " 0.0E+00") +
        Orbit(4, "-7.000000000000E+00") + Orbit(4, " 0.0E+00");
  RinexFile nav3(v3);

  ObsHeader head;
  head.glonassChannels = {{3, 5}, {12, -2}};
  GlonassChannels channels;
  channels.AddHeader(head, "rover.obs");
  StreamCapture err(std::cerr);
  channels.ReadNavigation(v2.file.path);
  channels.ReadNavigation(nav3.file.path);
  EXPECT_NE(err.str().find("GLONASS R12: channel -2 from rover.obs is kept; " + v2.file.path +
                           " gives -1"),
            std::string::npos)
      << err.str();
  EXPECT_EQ(channels.Count(), 3);
  EXPECT_TRUE(channels.Has(10));
  EXPECT_FALSE(channels.Has(5));

  int64_t from = 0;
  ASSERT_TRUE(CalendarToTicks({2024, 6, 24, 8, 20, 7 * kTicksPerSecond + 55000}, from));
  std::ostringstream out;
  channels.Write(out, from);
  const std::string text = out.str();
  EXPECT_NE(text.find("\nR03       2024 06 24 08 20 07.0                    5\n"
                      "R10       2024 06 24 08 20 07.0                    -7\n"
                      "R12       2024 06 24 08 20 07.0                    -2\n"),
            std::string::npos)
      << text;
}

struct NavigationChannels {
  const char* file;
  int slots;
  int slot;  // one slot and its channel
  int channel;
};

TEST(GlonassChannels, NavigationFilesOfEveryVersionAndSystem) {
  const NavigationChannels files[] = {
      {"orbit/KMS300DNK_R_20221591000_01H_MN.rnx.gz", 10, 5, 1},  // RINEX 4 mixed
      {"rinex/pairs/matrtklib_static/base.nav.gz", 10, 10, -7},   // RINEX 3 mixed
      {"orbit/SEPT2650.21P.gz", 0, 0, 0},                         // no GLONASS
      {"orbit/cbw10010.21n.gz", 0, 0, 0},                         // RINEX 2 GPS
  };
  for (const NavigationChannels& f : files) {
    SCOPED_TRACE(f.file);
    GlonassChannels channels;
    channels.ReadNavigation(std::string(TEST_DATA_DIR) + "/" + f.file);
    EXPECT_EQ(channels.Count(), f.slots);
    if (f.slots == 0) continue;
    std::ostringstream out;
    channels.Write(out, 59738 * kTicksPerDay);  // 2022-06-08
    char row[16];
    std::snprintf(row, sizeof row, "\nR%02d ", f.slot);
    const size_t at = out.str().find(row);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(out.str().substr(at + 52, out.str().find('\n', at + 1) - at - 52),
              std::to_string(f.channel));
  }
}

}  // namespace
