// Satellite positions from broadcast ephemerides.
#include "orbit/BroadcastOrbits.h"

#include <algorithm>
#include <cmath>

#include "GNSS/SatNumber.h"
#include "orbit/GlonassOrbit.h"
#include "orbit/GpsSeconds.h"
#include "orbit/KeplerOrbit.h"
#include "rinex/SatSystems.h"

namespace {

// How far from its reference time an ephemeris still serves, in seconds.
// Elevation and azimuth bear an orbit error of kilometres, so the margin
// is wider than the fit intervals: GPS ephemerides follow each other every
// two hours, BeiDou's every hour, GLONASS's every half hour.
constexpr double kKeplerReach = 4 * 3600;
constexpr double kGlonassReach = 3600;

// Galileo's data-source bits: I/NAV on E1-B or E5b, F/NAV on E5a.
constexpr int kInavSources = 1 | 4;
constexpr int kFnavSources = 2;
// Galileo's health bits of the I/NAV signals (E1-B and E5b: validity and
// health) and of the F/NAV signal (E5a).
constexpr int kInavHealth = 0x1C7;
constexpr int kFnavHealth = 0x038;

bool IsFnav(const BroadcastRecord& record) {
  if (!record.message.empty()) return record.message == "FNAV";
  const int sources = static_cast<int>(record.values[kDataSources]);
  return (sources & kFnavSources) != 0 && (sources & kInavSources) == 0;
}

// Healthy, and for a Keplerian ephemeris an ellipse at all.
bool IsHealthy(const BroadcastRecord& record) {
  if (record.system == 'R') return record.values[kGloHealth] == 0;
  const double e = record.values[kEccentricity];
  if (!(record.values[kSqrtA] > 0) || !(e >= 0 && e < 1)) return false;
  const int health = static_cast<int>(record.values[kHealth]);
  if (record.system == 'E') return (health & (IsFnav(record) ? kFnavHealth : kInavHealth)) == 0;
  return health == 0;
}

}  // namespace

void BroadcastOrbits::Load(const std::string& path) {
  const NavigationFile file = ReadNavigationFile(path);
  for (const BroadcastRecord& record : file.records) Add(record, file);
  const auto glonass = std::find_if(file.records.begin(), file.records.end(),
                                    [](const BroadcastRecord& r) { return r.system == 'R'; });
  if (file.hasLeapSeconds || glonass == file.records.end()) return;
  notes_.push_back(
      path + ": no LEAP SECONDS in the header; GLONASS epochs taken as UTC with GPS - UTC = " +
      std::to_string(LeapSecondsAt(SecondsOfTicks(glonass->tocTicks))) +
      " s from the program's own table");
}

void BroadcastOrbits::Add(const BroadcastRecord& record, const NavigationFile& file) {
  const int place = SystemIndex(record.system);
  if (place < 0 || record.number < 1 || record.number > 99 || !IsHealthy(record)) return;
  Satellite& satellite = satellites_[SatNumber(place, record.number)];
  Ephemeris ephemeris{record, 0, false, std::nullopt};
  if (record.system == 'R') {
    // An epoch in UTC; without the header's count of leap seconds, the
    // program's own table gives it.
    const int leapSeconds =
        file.hasLeapSeconds ? file.leapSeconds : LeapSecondsAt(SecondsOfTicks(record.tocTicks));
    ephemeris.glonass.emplace(record, leapSeconds, kGlonassReach);
    ephemeris.referenceTime = ephemeris.glonass->ReferenceTime();
  } else {
    ephemeris.referenceTime = KeplerOrbit(record).ReferenceTime();
    ephemeris.fnav = record.system == 'E' && IsFnav(record);
    if (record.system == 'E' && !ephemeris.fnav) satellite.hasInav = true;
  }
  satellite.ephemerides.push_back(std::move(ephemeris));
}

const BroadcastOrbits::Ephemeris* BroadcastOrbits::Nearest(short sat, double gpsSeconds) const {
  const auto found = satellites_.find(sat);
  if (found == satellites_.end()) return nullptr;
  const Satellite& satellite = found->second;
  const Ephemeris* nearest = nullptr;
  double nearestAge = 0;
  for (const Ephemeris& ephemeris : satellite.ephemerides) {
    if (ephemeris.fnav && satellite.hasInav) continue;
    const double age = std::fabs(gpsSeconds - ephemeris.referenceTime);
    if (nearest == nullptr || age < nearestAge) {
      nearest = &ephemeris;
      nearestAge = age;
    }
  }
  const double reach = IsGlonassSat(sat) ? kGlonassReach : kKeplerReach;
  return nearest != nullptr && nearestAge <= reach ? nearest : nullptr;
}

std::optional<xyz> BroadcastOrbits::Position(short sat, double gpsSeconds) const {
  const Ephemeris* ephemeris = Nearest(sat, gpsSeconds);
  if (ephemeris == nullptr) return std::nullopt;
  if (ephemeris->glonass) return ephemeris->glonass->Position(gpsSeconds);
  return KeplerOrbit(ephemeris->record).Position(gpsSeconds);
}
