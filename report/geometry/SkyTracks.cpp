// The satellites' angles at the base, row by row.
#include "report/geometry/SkyTracks.h"

#include <algorithm>
#include <cmath>

#include "orbit/GpsSeconds.h"

namespace {

// Angles are computed this often per satellite and interpolated between:
// a satellite moves by less than 0.1 degree in 30 s, nearly on a straight line.
constexpr double kGridSeconds = 30;
// The sky tracks keep a point this often.
constexpr double kTrackSeconds = 60;

// `to` less `from` in degrees of azimuth, the short way round.
double AzimuthStep(double from, double to) {
  double step = to - from;
  if (step > 180) step -= 360;
  if (step < -180) step += 360;
  return step;
}

}  // namespace

SkyTracks::SkyTracks(const std::vector<std::string>& navigationFiles,
                     const std::vector<std::string>& preciseFiles) {
  for (const std::string& file : navigationFiles) geometry_.LoadNavigation(file);
  for (const std::string& file : preciseFiles) geometry_.LoadPrecise(file);
}

void SkyTracks::Begin(const ListingSettings& settings, const ListingColumns&) {
  const DataContext& context = settings.context;
  if (!geometry_.HasOrbits())
    missing_ = "Geometry: none, as no orbits were given (--nav FILE or --sp3 FILE).";
  else if (!context.hasStations)
    missing_ =
        "Geometry: none, as a listing holds no station position (report the "
        "single-difference file instead).";
  else if (context.base.position[0] == 0 && context.base.position[1] == 0 &&
           context.base.position[2] == 0)
    missing_ = "Geometry: none, as the base position in the file's header is zero.";
  station_ = xyz(context.base.position[0], context.base.position[1], context.base.position[2]);
}

SkyTracks::GridAngles SkyTracks::Compute(short sat, double gpsSeconds) const {
  GridAngles angles;
  angles.seconds = gpsSeconds;
  const double week = std::floor(gpsSeconds / kSecondsPerWeek);
  const double inWeek = gpsSeconds - week * kSecondsPerWeek;
  // GPS seconds back to a modified Julian date: GPS week 0 began on day 44244.
  const double day = std::floor(inWeek / 86400);
  const mjd epoch(static_cast<unsigned long>(44244 + week * 7 + day), inWeek - day * 86400);
  if (const std::optional<LookAngles> look = geometry_.Look(sat, epoch, station_)) {
    angles.known = true;
    angles.elevation = look->elevation;
    angles.azimuth = look->azimuth;
  }
  return angles;
}

std::size_t SkyTracks::IndexOf(std::string_view name) {
  const std::string key(name);
  auto found = index_.find(key);
  if (found == index_.end()) {
    found = index_.emplace(key, satellites_.size()).first;
    Satellite satellite;
    satellite.number = SatNumberOfName(name);
    satellites_.push_back(satellite);
    SkyTrack track;
    track.name = key;
    tracks_.push_back(track);
  }
  return found->second;
}

void SkyTracks::Row(const ListingRow& row, const RowTime& time) {
  currentKnown_ = false;
  if (!Available()) return;
  const double gps = GpsSeconds(mjd(static_cast<unsigned long>(row.mjdDay), row.secondsOfDay));
  if (!anyRow_) gpsOffset_ = gps - time.seconds;
  anyRow_ = true;
  const std::size_t index = IndexOf(row.satellite);
  Satellite& satellite = satellites_[index];
  SkyTrack& track = tracks_[index];
  if (satellite.number == 0) return;
  const double first = std::floor(gps / kGridSeconds) * kGridSeconds;
  if (satellite.before.seconds != first) {
    satellite.before =
        satellite.after.seconds == first ? satellite.after : Compute(satellite.number, first);
    satellite.after = Compute(satellite.number, first + kGridSeconds);
  }
  const GridAngles& a = satellite.before;
  const GridAngles& b = satellite.after;
  if (!a.known || !b.known) return;
  const double f = (gps - first) / kGridSeconds;
  currentElevation_ = a.elevation + f * (b.elevation - a.elevation);
  currentAzimuth_ = std::fmod(a.azimuth + f * AzimuthStep(a.azimuth, b.azimuth) + 360, 360);
  currentKnown_ = true;
  track.lowest = track.any ? std::min(track.lowest, currentElevation_) : currentElevation_;
  track.highest = track.any ? std::max(track.highest, currentElevation_) : currentElevation_;
  track.any = true;
  if (track.points.empty() || time.seconds - track.points.back().seconds >= kTrackSeconds)
    track.points.push_back(SkyPoint{time.seconds, currentElevation_, currentAzimuth_});
}

bool SkyTracks::Current(double& elevation, double& azimuth) const {
  if (!currentKnown_) return false;
  elevation = currentElevation_;
  azimuth = currentAzimuth_;
  return true;
}

SkyView SkyTracks::View(const StatisticsCollector& statistics, double elevationMask) const {
  SkyView sky;
  sky.missing = missing_;
  sky.notes = geometry_.Notes();
  sky.tracks = tracks_;
  sky.elevationMask = elevationMask;
  if (!Available() || !anyRow_) return sky;
  for (const SatelliteStats& satellite : statistics.Satellites()) {
    const auto found = index_.find(satellite.name);
    if (found == index_.end()) continue;
    const short number = satellites_[found->second].number;
    for (std::size_t k = 0; k < satellite.columns.size(); k++)
      for (const SlipEvent& event : satellite.columns[k].Events()) {
        const GridAngles angles = Compute(number, event.seconds + gpsOffset_);
        if (!angles.known) continue;
        sky.marks.push_back(SkyMark{angles.elevation, angles.azimuth,
                                    event.kind == SlipEventKind::Slip,
                                    satellite.name + " " + statistics.Columns().labels[k] + " " +
                                        EventKindName(event.kind) + " at " + event.epoch});
      }
  }
  return sky;
}
