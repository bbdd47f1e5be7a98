// Per-satellite statistics and their plain-text table.
#include "report/StatisticsReport.h"

#include <string>

void StatisticsCollector::Begin(const ListingSettings& settings, const ListingColumns& columns) {
  settings_ = settings;
  columns_ = columns;
  kinds_.clear();
  for (const std::string& label : columns.labels)
    kinds_.push_back(ClassifyColumn(label, settings.phaseUnit));
}

SatelliteStats& StatisticsCollector::SatelliteNamed(std::string_view name) {
  if (current_ < satellites_.size() && satellites_[current_].name == name)
    return satellites_[current_];
  for (current_ = 0; current_ < satellites_.size(); current_++)
    if (satellites_[current_].name == name) return satellites_[current_];
  SatelliteStats added;
  added.name = std::string(name);
  for (const ColumnKind& kind : kinds_) added.columns.emplace_back(kind);
  satellites_.push_back(added);
  return satellites_.back();
}

void StatisticsCollector::Row(const ListingRow& row, const RowTime& time) {
  SatelliteStats& satellite = SatelliteNamed(row.satellite);
  satellite.rows++;
  for (std::size_t k = 0; k < row.values.size(); k++) {
    if (row.values[k].present)
      satellite.columns[k].AddPresent(time.seconds, row.values[k].value, time.gapLimit, row.date);
    else
      satellite.columns[k].AddAbsent();
  }
}

void StatisticsCollector::EndOfBlock() {
  if (current_ >= satellites_.size()) return;
  for (SeriesStats& column : satellites_[current_].columns) column.EndBlock();
}

SatelliteStats ConstellationTotals(const StatisticsCollector& statistics, char letter) {
  SatelliteStats totals;
  totals.name = std::string(1, letter);
  for (const ColumnKind& kind : statistics.Kinds()) totals.columns.emplace_back(kind);
  for (const SatelliteStats& satellite : statistics.Satellites()) {
    if (satellite.name.empty() || satellite.name[0] != letter) continue;
    totals.rows += satellite.rows;
    for (std::size_t k = 0; k < totals.columns.size(); k++)
      totals.columns[k].Merge(satellite.columns[k]);
  }
  return totals;
}

std::string ConstellationLetters(const StatisticsCollector& statistics) {
  std::string letters;
  for (const SatelliteStats& satellite : statistics.Satellites())
    if (!satellite.name.empty() && letters.find(satellite.name[0]) == std::string::npos)
      letters += satellite.name[0];
  return letters;
}

namespace {

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

void WriteColumnLine(std::FILE* out, const std::string& satellite, const std::string& label,
                     const SeriesStats& stats) {
  const bool any = stats.Present() > 0;
  const SeriesKind kind = stats.Column().kind;
  const bool arcs = kind != SeriesKind::Plain && any;
  const bool jumps = kind == SeriesKind::SecondDifferenceJumps || kind == SeriesKind::ArcMeanJumps;
  std::string epochs;
  for (const std::string& epoch : stats.JumpEpochs()) epochs += (epochs.empty() ? "" : ", ") + epoch;
  if (stats.Jumps() > static_cast<long>(stats.JumpEpochs().size())) epochs += ", ...";
  std::fprintf(out, "%-4s %-7s %-6s %8ld %7ld %16s %12s %16s %16s %6s %10s %6s",
               satellite.c_str(), label.c_str(), stats.Column().unit.c_str(), stats.Present(),
               stats.Absent(), any ? Fixed(stats.Mean(), 3).c_str() : "-",
               any ? Fixed(stats.StandardDeviation(), 4).c_str() : "-",
               any ? Fixed(stats.Min(), 3).c_str() : "-", any ? Fixed(stats.Max(), 3).c_str() : "-",
               arcs ? std::to_string(stats.Arcs()).c_str() : "-",
               arcs && kind == SeriesKind::ArcRms ? Fixed(stats.ArcRms(), 4).c_str() : "-",
               jumps ? std::to_string(stats.Jumps()).c_str() : "-");
  std::fprintf(out, "%s%s\n", epochs.empty() ? "" : "  ", epochs.c_str());
}

void WriteHeader(std::FILE* out, const StatisticsCollector& statistics) {
  std::fprintf(out, "# Quintavelmor-report: statistics per satellite and column\n");
  std::fprintf(out, "# listing of: %s\n", statistics.Settings().observationFile.c_str());
  std::fprintf(out,
               "# arcs break at a step longer than twice the listing interval; ARC RMS is the RMS\n"
               "# about each arc's mean (multipath and code-minus-phase columns, an arc also breaks\n"
               "# at a step above %.2f m); jump candidates: L4 second difference above %.2f m,\n"
               "# WL[L] second difference above %.2f m, MW values more than %.2f m from their arc mean\n",
               kArcJumpMetres, kL4JumpMetres, kWideLaneJumpMetres, kMelbourneWuebbenaJumpMetres);
  std::fprintf(out, "%-4s %-7s %-6s %8s %7s %16s %12s %16s %16s %6s %10s %6s  %s\n", "SAT",
               "COLUMN", "UNIT", "PRESENT", "ABSENT", "MEAN", "STD.DEV", "MIN", "MAX", "ARCS",
               "ARC RMS", "JUMPS", "JUMP EPOCHS");
}

void WriteSummary(std::FILE* out, const StatisticsCollector& statistics, char letter) {
  const SatelliteStats totals = ConstellationTotals(statistics, letter);
  long satellites = 0, present = 0, absent = 0, jumps = 0;
  for (const SatelliteStats& satellite : statistics.Satellites())
    if (!satellite.name.empty() && satellite.name[0] == letter) satellites++;
  std::string arcRms;
  for (std::size_t k = 0; k < totals.columns.size(); k++) {
    const SeriesStats& column = totals.columns[k];
    present += column.Present();
    absent += column.Absent();
    jumps += column.Jumps();
    if (column.Column().kind == SeriesKind::ArcRms && column.Present() > 0)
      arcRms += " " + statistics.Columns().labels[k] + " " + Fixed(column.ArcRms(), 4) + " m";
  }
  std::fprintf(out,
               "SUMMARY %c: %ld satellites, %ld rows, %ld values present, %ld absent, %ld jump "
               "candidates%s%s\n",
               letter, satellites, totals.rows, present, absent, jumps,
               arcRms.empty() ? "" : "; arc RMS:", arcRms.c_str());
}

}  // namespace

void WriteStatisticsTable(std::FILE* out, const StatisticsCollector& statistics) {
  WriteHeader(out, statistics);
  for (const SatelliteStats& satellite : statistics.Satellites())
    for (std::size_t k = 0; k < satellite.columns.size(); k++)
      WriteColumnLine(out, satellite.name, statistics.Columns().labels[k], satellite.columns[k]);
  for (char letter : ConstellationLetters(statistics)) WriteSummary(out, statistics, letter);
}
