// SP3 orbits: an orbit written as SP3 in each time system is read back and
// interpolated to a few centimetres between its epochs; no position outside
// its span, across a gap, or from too few epochs.
#include "orbit/PreciseOrbits.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "GNSS/SatNumber.h"
#include "orbit/GpsSeconds.h"
#include "orbit/KeplerOrbit.h"
#include "rinex/NavigationFile.h"
#include "tests/support/rinex_text.h"

namespace {

const std::string kNav =
    std::string(TEST_DATA_DIR) + "/orbit/KMS300DNK_R_20221591000_01H_MN.rnx.gz";
// 2022-06-08 08:00 GPS time, the start of the orbit written, and the
// spacing of its 17 epochs.
const double kStart = 2213 * kSecondsPerWeek + 3 * 86400 + 8 * 3600;
constexpr double kSpacing = 900;
constexpr int kEpochs = 17;
// The file's millimetres, swung up near the window's ends: a time off by a
// millisecond moves a satellite by metres.
constexpr double kMillimetreRounding = 0.05;

// SP3-c text of `orbit` as satellite G05, epochs labelled in `timeSystem`
// `behindGps` seconds behind GPS time, leaving out the epochs in `missing`.
std::string Sp3Text(const KeplerOrbit& orbit, const char* timeSystem, double behindGps,
                    const std::set<int>& missing, int epochs = kEpochs) {
  std::string text = "#cP2022  6  8  8  0  0.00000000      17 ORBIT IGS14 HLM  IGS\n";
  text +=
      std::string("%c G  cc ") + timeSystem + " ccc cccc cccc cccc cccc ccccc ccccc ccccc ccccc\n";
  for (int k = 0; k < epochs; k++) {
    if (missing.count(k) != 0) continue;
    const double gps = kStart + k * kSpacing;
    const double label = gps - behindGps - 3 * 86400 - 2213 * kSecondsPerWeek;
    const int hour = static_cast<int>(label / 3600);
    const int minute = static_cast<int>((label - hour * 3600) / 60);
    const double second = label - hour * 3600 - minute * 60;
    const xyz p = orbit.Position(gps);
    char line[200];
    std::snprintf(line, sizeof line, "*  2022  6  8 %2d %2d %11.8f\nPG05%14.6f%14.6f%14.6f%14.6f\n",
                  hour, minute, second, static_cast<double>(p.x / 1000),
                  static_cast<double>(p.y / 1000), static_cast<double>(p.z / 1000), 12.5);
    text += line;
  }
  return text + "EOF\n";
}

struct Sp3Case {
  const char* what;
  const char* timeSystem;
  double behindGps;
  std::set<int> missing;
  int epochs;
  double at;        // seconds after the start
  bool positioned;  // whether a position is given
};

TEST(PreciseOrbits, InterpolatesWithinTheSpanInEveryTimeSystem) {
  const NavigationFile nav = ReadNavigationFile(kNav);
  const BroadcastRecord* g05 = nullptr;
  for (const BroadcastRecord& r : nav.records)
    if (r.system == 'G' && r.number == 5) g05 = &r;
  ASSERT_NE(g05, nullptr);
  const KeplerOrbit orbit(*g05);
  const Sp3Case cases[] = {
      {"GPS time, between two epochs", "GPS", 0, {}, kEpochs, 7.3 * kSpacing, true},
      {"GPS time, near the first epoch", "GPS", 0, {}, kEpochs, 0.2 * kSpacing, true},
      {"GPS time, at an epoch", "GPS", 0, {}, kEpochs, 9 * kSpacing, true},
      {"BeiDou time", "BDT", kBeiDouBehindGps, {}, kEpochs, 7.3 * kSpacing, true},
      {"UTC", "UTC", 18, {}, kEpochs, 7.3 * kSpacing, true},
      {"before the first epoch", "GPS", 0, {}, kEpochs, -1, false},
      {"after the last epoch", "GPS", 0, {}, kEpochs, (kEpochs - 1) * kSpacing + 1, false},
      {"across a gap", "GPS", 0, {7, 8}, kEpochs, 7.3 * kSpacing, false},
      {"nine epochs", "GPS", 0, {}, 9, 4.5 * kSpacing, false},
  };
  for (const Sp3Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFile file;
    WriteText(file.path, Sp3Text(orbit, c.timeSystem, c.behindGps, c.missing, c.epochs));
    PreciseOrbits precise;
    precise.Load(file.path);
    const std::optional<xyz> p = precise.Position(SatNumber(kGpsPlace, 5), kStart + c.at);
    ASSERT_EQ(p.has_value(), c.positioned);
    if (p) {
      EXPECT_LT(static_cast<double>((*p - orbit.Position(kStart + c.at)).GetLength()),
                kMillimetreRounding);
    }
  }
}

}  // namespace
