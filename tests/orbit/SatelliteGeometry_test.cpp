// Elevation and azimuth from broadcast ephemerides against an independent
// computation on real files (tests/data/orbit/README.md), and the answers
// when there is no orbit.
#include "orbit/SatelliteGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "GNSS/SatNumber.h"
#include "rinex/TextInput.h"
#include "tests/support/rinex_text.h"

namespace {

const std::string kOrbitData = std::string(TEST_DATA_DIR) + "/orbit/";
const std::string kMatrtklibNav =
    std::string(TEST_DATA_DIR) + "/rinex/pairs/matrtklib_static/base.nav.gz";

// The peer rounds to 0.1 degree (0.05 at most) and works at its own
// position estimate, metres from the header's; a BeiDou time 14 s off
// already moves its satellites by more than this.
constexpr double kTolerance = 0.08;

mjd GpsTime(int week, double secondOfWeek) {
  const double seconds = week * 604800.0 + secondOfWeek;
  const double day = std::floor(seconds / 86400);
  return mjd(44244 + static_cast<unsigned long>(day), seconds - day * 86400);
}

// The text of a file, without its lines that hold `leaveOut`.
std::string TextWithout(const std::string& path, const std::string& leaveOut) {
  std::unique_ptr<TextInput> in = OpenTextInput(path);
  std::string text;
  while (in->Next())
    if (in->line.find(leaveOut) == std::string_view::npos) text += std::string(in->line) + "\n";
  return text;
}

struct PeerCase {
  const char* peer;  // "sat week second azimuth elevation" lines
  std::vector<std::string> navigation;
  xyz station;          // the observation header's position
  const char* systems;  // systems the case must cover
  size_t notes;         // lines of Notes()
};

TEST(SatelliteGeometry, AgreesWithAnIndependentComputation) {
  TempFile noLeapSeconds;
  WriteText(noLeapSeconds.path, TextWithout(kMatrtklibNav, "LEAP SECONDS"));
  const PeerCase cases[] = {
      // GPS and Galileo, RINEX 3: GEONET 3034 on 2021-09-22.
      {"cssrlib_3034_peer.txt",
       {kOrbitData + "SEPT2650.21P.gz"},
       xyz(-3959403.8133, 3385705.8562, 3667525.8580),
       "GE",
       0},
      // GLONASS and BeiDou (GEO, IGSO and MEO), RINEX 3, 2024-06-24.
      {"matrtklib_base_peer.txt",
       {kMatrtklibNav},
       xyz(-3817680.7270, 3562839.5216, 3650159.2407),
       "GREC",
       0},
      // The same without LEAP SECONDS: the program's own table gives 18 s.
      {"matrtklib_base_peer.txt",
       {noLeapSeconds.path},
       xyz(-3817680.7270, 3562839.5216, 3650159.2407),
       "GREC",
       1},
      // RINEX 4, gzip-compressed: KMS300DNK on 2022-06-08.
      {"kms300_peer.txt",
       {kOrbitData + "KMS300DNK_R_20221591000_01H_MN.rnx.gz"},
       xyz(3516213.4380, 781859.8595, 5246037.9660),
       "GREC",
       0},
  };
  for (const PeerCase& c : cases) {
    SCOPED_TRACE(c.peer);
    SatelliteGeometry sky;
    for (const std::string& nav : c.navigation) sky.LoadNavigation(nav);
    EXPECT_EQ(sky.Notes().size(), c.notes);
    std::ifstream peer(kOrbitData + c.peer);
    ASSERT_TRUE(peer);
    std::string line;
    std::string systemsSeen;
    while (std::getline(peer, line)) {
      if (line.empty() || line[0] == '#') continue;
      std::istringstream fields(line);
      std::string sat;
      int week = 0;
      double second = 0, azimuth = 0, elevation = 0;
      fields >> sat >> week >> second >> azimuth >> elevation;
      SCOPED_TRACE(line);
      const std::optional<LookAngles> look =
          sky.Look(SatNumberOfName(sat), GpsTime(week, second), c.station);
      ASSERT_TRUE(look.has_value());
      EXPECT_NEAR(look->elevation, elevation, kTolerance);
      // Azimuth as an arc on the sky: near the zenith it loses its meaning.
      double turn = std::fabs(look->azimuth - azimuth);
      turn = std::min(turn, 360 - turn);
      EXPECT_LT(turn * std::cos(elevation * M_PI / 180), kTolerance);
      if (systemsSeen.find(sat[0]) == std::string::npos) systemsSeen += sat[0];
    }
    for (const char* s = c.systems; *s != 0; s++)
      EXPECT_NE(systemsSeen.find(*s), std::string::npos) << *s;
  }
}

struct NoOrbit {
  const char* what;
  short sat;
  mjd time;
  xyz station;
};

TEST(SatelliteGeometry, NoOrbitIsAClearAnswer) {
  SatelliteGeometry sky;
  EXPECT_FALSE(sky.HasOrbits());
  sky.LoadNavigation(kOrbitData + "KMS300DNK_R_20221591000_01H_MN.rnx.gz");
  EXPECT_TRUE(sky.HasOrbits());
  const xyz kms(3516213.4380, 781859.8595, 5246037.9660);
  const mjd inside = GpsTime(2213, 295200);
  const NoOrbit cases[] = {
      {"covered: the reference", SatNumberOfName("G05"), inside, kms},
      {"a satellite the file does not hold", SatNumberOfName("G01"), inside, kms},
      {"a day after the file", SatNumberOfName("G05"), GpsTime(2213, 295200 + 86400), kms},
      {"a GLONASS state two hours old", SatNumberOfName("R05"), GpsTime(2213, 295200 + 7200), kms},
      {"a system without orbits", SatNumberOfName("J01"), inside, kms},
      // E14's I/NAV and F/NAV ephemerides both flag their signals out of
      // service (health 130 and 16).
      {"a satellite out of service", SatNumberOfName("E14"), inside, kms},
      {"a station at the Earth's centre", SatNumberOfName("G05"), inside, xyz()},
  };
  for (const NoOrbit& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(sky.Look(c.sat, c.time, c.station).has_value(), &c == &cases[0]);
  }
}

TEST(SatelliteGeometry, SatelliteNames) {
  const std::pair<const char*, short> names[] = {
      {"G05", 5}, {"R12", 112}, {"E11", 211}, {"C07", 307}, {"C63", 363},
      {"J01", 0}, {"G5", 0},    {"G00", 0},   {"G1x", 0},   {"S20", 0},
  };
  for (const auto& [name, sat] : names) EXPECT_EQ(SatNumberOfName(name), sat) << name;
}

}  // namespace
