// The per-satellite and per-system headline figures.
#include "report/SatelliteSummary.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "report/FixedText.h"

namespace {

// The RMS of the column labelled with one of `labels` (the first that has
// one), or -1.
double RmsOf(const StatisticsCollector& statistics, const std::vector<SeriesStats>& columns,
             std::initializer_list<const char*> labels) {
  for (const char* label : labels)
    for (std::size_t k = 0; k < columns.size(); k++)
      if (statistics.Columns().labels[k] == label && columns[k].HasArcRms())
        return columns[k].ArcRms();
  return -1;
}

}  // namespace

std::vector<SatelliteSummary> SatelliteSummaries(const StatisticsCollector& statistics) {
  std::vector<SatelliteSummary> summaries;
  const long expected = statistics.ExpectedEpochs();
  for (const SatelliteStats& satellite : statistics.Satellites()) {
    SatelliteSummary summary;
    summary.name = satellite.name;
    summary.firstEpoch = satellite.firstEpoch;
    summary.lastEpoch = satellite.lastEpoch;
    summary.rows = satellite.rows;
    if (expected > 0)
      summary.percentOfExpected =
          100.0 * static_cast<double>(satellite.rows) / static_cast<double>(expected);
    std::set<long long> slipEpochs;
    for (const SeriesStats& column : satellite.columns) {
      if (column.Column().kind == SeriesKind::Plain || column.Present() == 0) continue;
      // Arcs are those of L4 and MW; the jumps of the code count as slips and outliers.
      if (column.Column().kind == SeriesKind::Slips)
        summary.arcs = std::max(summary.arcs, column.Arcs());
      summary.outliers = std::max(summary.outliers, 0L) + column.Outliers();
      summary.clockEvents = std::max(summary.clockEvents, column.ClockEvents());
      for (const SlipMark& mark : column.SlipMarks())
        slipEpochs.insert(std::llround(mark.seconds * 1000));
      summary.slips = static_cast<long>(slipEpochs.size());
    }
    summary.mp1Rms = RmsOf(statistics, satellite.columns, {"MP1[P]", "MP1[C]"});
    summary.mp2Rms = RmsOf(statistics, satellite.columns, {"MP2"});
    const SkyTrack* track =
        statistics.Sky() != nullptr ? TrackOf(*statistics.Sky(), satellite.name) : nullptr;
    if (track != nullptr && track->any) {
      summary.hasElevation = true;
      summary.lowestElevation = track->lowest;
      summary.highestElevation = track->highest;
    }
    summaries.push_back(summary);
  }
  return summaries;
}

std::vector<SystemSummary> SystemSummaries(const StatisticsCollector& statistics) {
  std::vector<SystemSummary> systems;
  const std::vector<SatelliteSummary> satellites = SatelliteSummaries(statistics);
  for (char letter : ConstellationLetters(statistics)) {
    SystemSummary system;
    system.letter = letter;
    for (const SatelliteSummary& satellite : satellites) {
      if (satellite.name.empty() || satellite.name[0] != letter) continue;
      system.satellites++;
      system.rows += satellite.rows;
      if (satellite.slips >= 0) system.slips = std::max(system.slips, 0L) + satellite.slips;
      if (satellite.outliers >= 0)
        system.outliers = std::max(system.outliers, 0L) + satellite.outliers;
    }
    const SatelliteStats totals = ConstellationTotals(statistics, letter);
    system.mp1Rms = RmsOf(statistics, totals.columns, {"MP1[P]", "MP1[C]"});
    system.mp2Rms = RmsOf(statistics, totals.columns, {"MP2"});
    systems.push_back(system);
  }
  return systems;
}

std::string FigureText(double value, int decimals) {
  return value < 0 ? "-" : FixedText(value, decimals);
}

std::string CountText(long count) { return count < 0 ? "-" : std::to_string(count); }

std::string ElevationRangeText(const SatelliteSummary& satellite) {
  if (!satellite.hasElevation) return "-";
  return FixedText(satellite.lowestElevation, 1) + "-" + FixedText(satellite.highestElevation, 1);
}
