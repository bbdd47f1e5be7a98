// Per-satellite statistics and their plain-text table.
#include "report/StatisticsReport.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "report/FixedText.h"
#include "report/SatelliteSummary.h"

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
  for (const ColumnKind& kind : kinds_) added.columns.emplace_back(kind, slips_);
  added.pending.resize(kinds_.size());
  satellites_.push_back(added);
  return satellites_.back();
}

void StatisticsCollector::Row(const ListingRow& row, const RowTime& time) {
  if (std::isfinite(time.gapLimit)) interval_ = time.gapLimit / 2;
  SatelliteStats& satellite = SatelliteNamed(row.satellite);
  if (satellite.rows == 0 || time.seconds < satellite.firstSeconds) {
    satellite.firstSeconds = time.seconds;
    satellite.firstEpoch = std::string(row.date);
  }
  if (satellite.rows == 0 || time.seconds >= satellite.lastSeconds) {
    satellite.lastSeconds = time.seconds;
    satellite.lastEpoch = std::string(row.date);
  }
  if (satellite.runs.empty() || time.seconds - satellite.runs.back().lastSeconds > time.gapLimit ||
      time.seconds < satellite.runs.back().lastSeconds)
    satellite.runs.push_back(AvailabilityRun{time.seconds, time.seconds});
  else
    satellite.runs.back().lastSeconds = time.seconds;
  firstSeconds_ = anyRow_ ? std::min(firstSeconds_, time.seconds) : time.seconds;
  lastSeconds_ = anyRow_ ? std::max(lastSeconds_, time.seconds) : time.seconds;
  anyRow_ = true;
  satellite.rows++;
  double elevation = 0, azimuth = 0;
  if (angles_ != nullptr && mask_ > 0 && angles_->Current(elevation, azimuth) &&
      elevation < mask_) {
    satellite.masked++;
    for (std::size_t k = 0; sink_ != nullptr && k < row.values.size(); k++)
      if (row.values[k].present) sink_->MaskedValue(current_, k, time.seconds, row.values[k].value);
    return;
  }
  bool mwValue = false;
  for (std::size_t k = 0; k < row.values.size(); k++) {
    if (row.values[k].present && kinds_[k].model == SlipModel::Level &&
        kinds_[k].kind == SeriesKind::Slips)
      mwValue = true;
    if (row.values[k].present && kinds_[k].kind == SeriesKind::ArcRms)
      Pend(satellite, k, PendingValue{time.seconds, row.values[k].value, time.gapLimit}, row.date);
    else if (row.values[k].present)
      satellite.columns[k].AddPresent(time.seconds, row.values[k].value, time.gapLimit, row.date,
                                      SeriesOutput{sink_, current_, k});
    else
      satellite.columns[k].AddAbsent();
  }
  if (mwValue) mwPresence_.Add(time.seconds);
}

void StatisticsCollector::Pend(SatelliteStats& satellite, std::size_t column,
                               const PendingValue& value, std::string_view epoch) {
  std::vector<PendingValue>& pending = satellite.pending[column];
  if (!pending.empty() && std::fabs(value.value - pending.back().value) > kCodeStepMetres)
    satellite.stepEpochs[CodeStepKey(value.seconds)] = std::string(epoch);
  pending.push_back(value);
}

namespace {

// The times of every slip the satellite's screened columns found, in order.
std::vector<double> SlipTimes(const std::vector<SeriesStats>& columns) {
  std::vector<double> times;
  for (const SeriesStats& column : columns)
    for (const SlipMark& mark : column.SlipMarks()) times.push_back(mark.seconds);
  std::sort(times.begin(), times.end());
  return times;
}

}  // namespace

// The screened columns settle first; the arc-RMS columns then break their
// arcs at the slips found, at gaps and at jumps of the code.
void StatisticsCollector::EndSatelliteBlock(std::size_t satellite) {
  SatelliteStats& stats = satellites_[satellite];
  std::vector<SeriesStats>& columns = stats.columns;
  for (std::size_t k = 0; k < columns.size(); k++)
    if (kinds_[k].kind != SeriesKind::ArcRms)
      columns[k].EndBlock(SeriesOutput{sink_, satellite, k});
  const std::vector<double> slips = SlipTimes(columns);
  for (std::size_t k = 0; k < columns.size(); k++) {
    if (kinds_[k].kind != SeriesKind::ArcRms) continue;
    const SeriesOutput output{sink_, satellite, k};
    SettleCodeSeries(stats.pending[k], slips, stats.stepEpochs, columns[k], output);
    stats.pending[k].clear();
    stats.pending[k].shrink_to_fit();
    columns[k].EndBlock(output);
  }
  stats.stepEpochs.clear();
}

long StatisticsCollector::ExpectedEpochs() const {
  if (settings_.context.epochsExpected > 0) return settings_.context.epochsExpected;
  return anyRow_ ? ::ExpectedEpochs(firstSeconds_, lastSeconds_, interval_) : 0;
}

void StatisticsCollector::EndOfBlock() {
  if (current_ < satellites_.size()) EndSatelliteBlock(current_);
}

// A listing need not end with an empty line: the last blocks end here.
// Then the slips all satellites share are told apart as clock events.
void StatisticsCollector::Finish() {
  for (std::size_t s = 0; s < satellites_.size(); s++) EndSatelliteBlock(s);
  clockEvents_ = FindClockEvents(satellites_, kinds_, mwPresence_);
}

SatelliteStats ConstellationTotals(const StatisticsCollector& statistics, char letter) {
  SatelliteStats totals;
  totals.name = std::string(1, letter);
  for (const ColumnKind& kind : statistics.Kinds())
    totals.columns.emplace_back(kind, statistics.Slips());
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

std::vector<std::string> GeometryLines(const StatisticsCollector& statistics) {
  const SkyView* sky = statistics.Sky();
  if (sky == nullptr) return {};
  std::vector<std::string> lines;
  if (!sky->missing.empty())
    lines.push_back(sky->missing);
  else
    lines.push_back("Geometry: elevation and azimuth at the base" +
                    (sky->elevationMask > 0 ? ", values below " + ShortNumber(sky->elevationMask) +
                                                  " deg take no part in statistics and screening"
                                            : std::string()) +
                    ".");
  lines.insert(lines.end(), sky->notes.begin(), sky->notes.end());
  return lines;
}

std::string ShortNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

namespace {

std::string IntervalSentence(const StatisticsCollector& statistics) {
  if (statistics.Interval() <= 0) return "Listing interval: unknown (no satellite has two rows).";
  return "Listing interval: " + ShortNumber(statistics.Interval()) + " s, " +
         (statistics.Settings().context.hasStations ? "the single-difference file's interval."
          : statistics.Settings().interval > 0
              ? "from the listing's settings."
              : "the smallest step between two rows of a satellite.");
}

std::string L4Sentence(const SlipSettings& slips, double interval) {
  std::string sentence =
      "L4: a value is held when it leaves the straight line through the arc's "
      "last " +
      std::to_string(SlipDetector::kRecentValues) + " values by more than max(" +
      ShortNumber(slips.l4Metres) + " m, " + ShortNumber(SlipDetector::kNoiseFactor) +
      " x the arc's residual RMS) + " + ShortNumber(slips.l4DriftMetresPerSecond) +
      " m/s x the step";
  if (interval > 0)
    sentence += " (at least " +
                ShortNumber(slips.l4Metres + slips.l4DriftMetresPerSecond * interval) +
                " m at the interval)";
  return sentence + ".";
}

}  // namespace

std::vector<std::string> ScreeningSettings(const StatisticsCollector& statistics) {
  const SlipSettings& slips = statistics.Slips();
  const std::string maxGap = ShortNumber(slips.maxGapSeconds) + " s";
  return {
      IntervalSentence(statistics),
      "Arcs break where two values of a satellite lie more than twice the interval apart; in L4 "
      "and MW instead at slips and after gaps longer than " +
          maxGap + " (a new pass).",
      "ARC RMS: the RMS about each arc's mean, in the multipath and code-minus-phase columns, "
      "where an arc also breaks at the satellite's slips in L4 and MW (clock events among "
      "them); a step above " +
          ShortNumber(kCodeStepMetres) +
          " m that none explains is a jump of the code, an outlier of the column when the next "
          "value comes back, else a slip of it; arcs of fewer than " +
          ShortNumber(slips.minArcValues) + " values give no RMS.",
      L4Sentence(slips, statistics.Interval()),
      "MW[C], MW[P]: a value is held when it leaves the mean of the arc's last " +
          std::to_string(SlipDetector::kRecentValues) + " values by more than max(" +
          ShortNumber(slips.mwMetres) + " m, " + ShortNumber(SlipDetector::kNoiseFactor) +
          " x the arc's residual RMS).",
      "A held value is a slip (a new arc starts at it) when the next value stays near its level, "
      "and an outlier when the next value comes back; a gap of up to " +
          maxGap + " is judged the same way. SIZE: the value minus the arc's prediction.",
      std::string("WL[L] and the code-minus-phase columns keep the receivers' clock jitter: they "
                  "are not screened for slips (the code-minus-phase ones only for jumps of the "
                  "code)."),
  };
}

namespace {

void WriteColumnLine(std::FILE* out, const std::string& satellite, const std::string& label,
                     const SeriesStats& stats) {
  const bool any = stats.Present() > 0;
  const SeriesKind kind = stats.Column().kind;
  // A column without values was not screened: it shows no count of slips.
  // Multipath and code-minus-phase columns count their jumps of the code.
  const bool screened = any && kind != SeriesKind::Plain;
  std::fprintf(
      out, "%-4s %-7s %-6s %8ld %7ld %16s %12s %16s %16s %6s %10s %6s %8s\n", satellite.c_str(),
      label.c_str(), stats.Column().unit.c_str(), stats.Present(), stats.Absent(),
      any ? FixedText(stats.Mean(), 3).c_str() : "-",
      any ? FixedText(stats.StandardDeviation(), 4).c_str() : "-",
      any ? FixedText(stats.Min(), 3).c_str() : "-", any ? FixedText(stats.Max(), 3).c_str() : "-",
      any ? std::to_string(stats.Arcs()).c_str() : "-",
      stats.HasArcRms() && kind == SeriesKind::ArcRms ? FixedText(stats.ArcRms(), 4).c_str() : "-",
      screened ? std::to_string(stats.Slips()).c_str() : "-",
      screened ? std::to_string(stats.Outliers()).c_str() : "-");
}

void WriteHeader(std::FILE* out, const StatisticsCollector& statistics) {
  std::fprintf(out, "# Quintavelmor-report: statistics per satellite and column\n");
  const ListingSettings& settings = statistics.Settings();
  std::fprintf(out, "# %s: %s\n",
               settings.context.hasStations ? "single differences of" : "listing of",
               settings.observationFile.c_str());
  for (const std::string& line : ContextLines(settings.context))
    std::fprintf(out, "# %s\n", line.c_str());
  for (const std::string& line : GeometryLines(statistics))
    std::fprintf(out, "# %s\n", line.c_str());
  for (const std::string& sentence : ScreeningSettings(statistics))
    std::fprintf(out, "# %s\n", sentence.c_str());
  std::fprintf(out, "%-4s %-7s %-6s %8s %7s %16s %12s %16s %16s %6s %10s %6s %8s\n", "SAT",
               "COLUMN", "UNIT", "PRESENT", "ABSENT", "MEAN", "STD.DEV", "MIN", "MAX", "ARCS",
               "ARC RMS", "SLIPS", "OUTLIERS");
}

// " L4 8, MW[C] 5" for the screened columns, by slips or by outliers.
std::string ScreenedCounts(const StatisticsCollector& statistics, const SatelliteStats& totals,
                           SlipEventKind kind) {
  std::string counts;
  for (std::size_t k = 0; k < totals.columns.size(); k++) {
    const SeriesStats& column = totals.columns[k];
    if (column.Column().kind != SeriesKind::Slips || column.Present() == 0) continue;
    counts += (counts.empty() ? " " : ", ") + statistics.Columns().labels[k] + " " +
              std::to_string(kind == SlipEventKind::Slip ? column.Slips() : column.Outliers());
  }
  return counts;
}

void WriteSummary(std::FILE* out, const StatisticsCollector& statistics, char letter) {
  const SatelliteStats totals = ConstellationTotals(statistics, letter);
  long satellites = 0, present = 0, absent = 0;
  for (const SatelliteStats& satellite : statistics.Satellites())
    if (!satellite.name.empty() && satellite.name[0] == letter) satellites++;
  std::string arcRms;
  for (std::size_t k = 0; k < totals.columns.size(); k++) {
    const SeriesStats& column = totals.columns[k];
    present += column.Present();
    absent += column.Absent();
    if (column.Column().kind == SeriesKind::ArcRms && column.HasArcRms())
      arcRms += " " + statistics.Columns().labels[k] + " " + FixedText(column.ArcRms(), 4) + " m";
  }
  const std::string slips = ScreenedCounts(statistics, totals, SlipEventKind::Slip);
  std::fprintf(out,
               "SUMMARY %c: %ld satellites, %ld rows, %ld values present, %ld absent%s%s%s%s%s%s\n",
               letter, satellites, totals.rows, present, absent,
               slips.empty() ? "" : "; slips:", slips.c_str(), slips.empty() ? "" : "; outliers:",
               ScreenedCounts(statistics, totals, SlipEventKind::Outlier).c_str(),
               arcRms.empty() ? "" : "; arc RMS:", arcRms.c_str());
}

void WriteEvents(std::FILE* out, const StatisticsCollector& statistics) {
  std::fprintf(out, "# slips and outliers (at most %zu of each satellite and column)\n",
               kMaxEventsKept);
  std::fprintf(out, "%-4s %-7s %-7s %-22s %12s  %s\n", "SAT", "COLUMN", "KIND", "EPOCH", "SIZE",
               "UNIT");
  for (const SatelliteStats& satellite : statistics.Satellites()) {
    for (std::size_t k = 0; k < satellite.columns.size(); k++) {
      const SeriesStats& stats = satellite.columns[k];
      const char* label = statistics.Columns().labels[k].c_str();
      for (const SlipEvent& event : stats.Events())
        std::fprintf(out, "%-4s %-7s %-7s %-22s %12.3f  %s\n", satellite.name.c_str(), label,
                     EventKindName(event.kind), event.epoch.c_str(), event.size,
                     stats.Column().unit.c_str());
      const long unlisted =
          stats.Slips() + stats.Outliers() - static_cast<long>(stats.Events().size());
      if (unlisted > 0)
        std::fprintf(out, "%-4s %-7s %ld more not listed\n", satellite.name.c_str(), label,
                     unlisted);
    }
  }
}

void WriteSatelliteSummaries(std::FILE* out, const StatisticsCollector& statistics) {
  std::fprintf(out,
               "# per satellite: first and last row, %% of the epochs expected, arcs, slips and "
               "outliers of the screened columns, clock events, multipath RMS (m)\n");
  std::fprintf(out, "%-4s %-22s %-22s %8s %7s %5s %5s %8s %5s %8s %8s %11s\n", "SAT", "FIRST",
               "LAST", "ROWS", "%EXP", "ARCS", "SLIPS", "OUTLIERS", "CLOCK", "MP1 RMS", "MP2 RMS",
               "ELEVATION");
  for (const SatelliteSummary& satellite : SatelliteSummaries(statistics))
    std::fprintf(out, "%-4s %-22s %-22s %8ld %7s %5s %5s %8s %5ld %8s %8s %11s\n",
                 satellite.name.c_str(), satellite.firstEpoch.c_str(), satellite.lastEpoch.c_str(),
                 satellite.rows, FigureText(satellite.percentOfExpected, 1).c_str(),
                 CountText(satellite.arcs).c_str(), CountText(satellite.slips).c_str(),
                 CountText(satellite.outliers).c_str(), satellite.clockEvents,
                 FigureText(satellite.mp1Rms, 4).c_str(), FigureText(satellite.mp2Rms, 4).c_str(),
                 ElevationRangeText(satellite).c_str());
}

void WriteClockEvents(std::FILE* out, const StatisticsCollector& statistics) {
  std::fprintf(out,
               "# clock events: MW jumps shared by at least %ld satellites and %.0f %% of those "
               "with a value, not counted as their slips\n",
               kClockEventSatellites, 100 * kClockEventShare);
  std::fprintf(out, "%-5s %-22s %16s %12s %10s %8s\n", "CLOCK", "EPOCH", "SIZE (m)", "SIZE (ms)",
               "AGREEING", "PRESENT");
  for (const ClockEvent& event : statistics.ClockEvents())
    std::fprintf(out, "%-5s %-22s %16.3f %12.6f %10ld %8ld\n", "jump", event.epoch.c_str(),
                 event.metres, ClockEventMilliseconds(event), event.satellites, event.present);
}

}  // namespace

void WriteStatisticsTable(std::FILE* out, const StatisticsCollector& statistics) {
  WriteHeader(out, statistics);
  for (const SatelliteStats& satellite : statistics.Satellites())
    for (std::size_t k = 0; k < satellite.columns.size(); k++)
      WriteColumnLine(out, satellite.name, statistics.Columns().labels[k], satellite.columns[k]);
  for (char letter : ConstellationLetters(statistics)) WriteSummary(out, statistics, letter);
  WriteSatelliteSummaries(out, statistics);
  WriteEvents(out, statistics);
  WriteClockEvents(out, statistics);
}
