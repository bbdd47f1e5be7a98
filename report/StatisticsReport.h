// Per-satellite statistics of every listing column, and their plain-text
// table with one summary line per constellation and the list of slips and
// outliers.
#ifndef REPORT_STATISTICSREPORT_H
#define REPORT_STATISTICSREPORT_H

#include <cstdio>
#include <string>
#include <vector>

#include "report/ClockEvents.h"
#include "report/CodeSteps.h"
#include "report/ListingReader.h"
#include "report/RowAngles.h"
#include "report/SeriesStats.h"
#include "report/SkyView.h"

// A stretch of time in which a satellite has rows without a gap.
struct AvailabilityRun {
  double firstSeconds = 0;
  double lastSeconds = 0;
};

struct SatelliteStats {
  std::string name;  // "G05"
  long rows = 0;
  long masked = 0;         // rows below the elevation mask
  std::string firstEpoch;  // of its first and last row, as the listing writes them
  std::string lastEpoch;
  double firstSeconds = 0;
  double lastSeconds = 0;
  std::vector<SeriesStats> columns;  // one per listing column
  std::vector<AvailabilityRun> runs;
  // Per column, the block's values of the arc-RMS columns: their arcs break
  // at the slips the screened columns find, which are settled at the block's end.
  std::vector<std::vector<PendingValue>> pending;
  CodeStepEpochs stepEpochs;  // the block's rows where such a value stepped
};

class StatisticsCollector : public ListingConsumer {
 public:
  // Settled values go to `sink` as well, when it is not null.
  explicit StatisticsCollector(const SlipSettings& slips, ArcValueSink* sink = nullptr)
      : slips_(slips), sink_(sink) {}

  void Begin(const ListingSettings& settings, const ListingColumns& columns) override;
  void Row(const ListingRow& row, const RowTime& time) override;
  void EndOfBlock() override;
  void Finish() override;

  // Rows whose satellite stands below `degrees` at the base (as `angles`
  // knows it) take no part in the statistics and the screening.
  void SetElevationMask(const RowAngles* angles, double degrees) {
    angles_ = angles;
    mask_ = degrees;
  }
  // The geometry the page and the summaries show, once it is known.
  void SetSky(const SkyView* sky) { sky_ = sky; }
  const SkyView* Sky() const { return sky_; }

  const ListingSettings& Settings() const { return settings_; }
  const SlipSettings& Slips() const { return slips_; }
  const ListingColumns& Columns() const { return columns_; }
  const std::vector<ColumnKind>& Kinds() const { return kinds_; }
  // Satellites in the order of their first block.
  const std::vector<SatelliteStats>& Satellites() const { return satellites_; }
  // The listing's interval: as its settings give it, or else the smallest
  // step seen between two rows of a satellite; 0 when neither is known.
  double Interval() const { return interval_; }
  // The epochs the span of all rows holds at the interval; 0 when not known.
  long ExpectedEpochs() const;
  // Jumps nearly all satellites share at one epoch, in time order.
  const std::vector<ClockEvent>& ClockEvents() const { return clockEvents_; }

 private:
  SatelliteStats& SatelliteNamed(std::string_view name);
  // Holds an arc-RMS column's value until its block's slips are known.
  void Pend(SatelliteStats& satellite, std::size_t column, const PendingValue& value,
            std::string_view epoch);
  void EndSatelliteBlock(std::size_t satellite);

  SlipSettings slips_;
  ArcValueSink* sink_;
  ListingSettings settings_;
  ListingColumns columns_;
  std::vector<ColumnKind> kinds_;
  std::vector<SatelliteStats> satellites_;
  std::size_t current_ = 0;  // index of the satellite of the block being read
  double interval_ = 0;
  bool anyRow_ = false;
  double firstSeconds_ = 0;
  double lastSeconds_ = 0;
  const RowAngles* angles_ = nullptr;
  double mask_ = 0;
  const SkyView* sky_ = nullptr;
  EpochPresence mwPresence_;
  std::vector<ClockEvent> clockEvents_;
};

// The totals of one constellation (the satellites whose names begin with
// `letter`), column by column.
SatelliteStats ConstellationTotals(const StatisticsCollector& statistics, char letter);

// The letters of the constellations in the listing, in order of appearance.
std::string ConstellationLetters(const StatisticsCollector& statistics);

// What the statistics and the screening were set to, one sentence a line.
std::vector<std::string> ScreeningSettings(const StatisticsCollector& statistics);

// Where the satellites' angles come from, or why there are none, and the
// notes the orbit files left; nothing before the geometry is known.
std::vector<std::string> GeometryLines(const StatisticsCollector& statistics);

// "2.5" for a number of seconds or metres: as many decimals as it needs, up to six.
std::string ShortNumber(double value);

// Writes the statistics table, the constellation summaries and the events.
void WriteStatisticsTable(std::FILE* out, const StatisticsCollector& statistics);

#endif
