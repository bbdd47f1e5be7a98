// Per-satellite statistics of every listing column, and their plain-text
// table with one summary line per constellation and the list of slips and
// outliers.
#ifndef REPORT_STATISTICSREPORT_H
#define REPORT_STATISTICSREPORT_H

#include <cstdio>
#include <string>
#include <vector>

#include "report/ClockEvents.h"
#include "report/ListingReader.h"
#include "report/SeriesStats.h"

struct SatelliteStats {
  std::string name;  // "G05"
  long rows = 0;
  std::vector<SeriesStats> columns;  // one per listing column
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

  const ListingSettings& Settings() const { return settings_; }
  const SlipSettings& Slips() const { return slips_; }
  const ListingColumns& Columns() const { return columns_; }
  const std::vector<ColumnKind>& Kinds() const { return kinds_; }
  // Satellites in the order of their first block.
  const std::vector<SatelliteStats>& Satellites() const { return satellites_; }
  // The listing's interval: as its settings give it, or else the smallest
  // step seen between two rows of a satellite; 0 when neither is known.
  double Interval() const { return interval_; }
  // Jumps nearly all satellites share at one epoch, in time order.
  const std::vector<ClockEvent>& ClockEvents() const { return clockEvents_; }

 private:
  SatelliteStats& SatelliteNamed(std::string_view name);
  void EndSatelliteBlock(std::size_t satellite);

  SlipSettings slips_;
  ArcValueSink* sink_;
  ListingSettings settings_;
  ListingColumns columns_;
  std::vector<ColumnKind> kinds_;
  std::vector<SatelliteStats> satellites_;
  std::size_t current_ = 0;  // index of the satellite of the block being read
  double interval_ = 0;
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

// "2.5" for a number of seconds or metres: as many decimals as it needs, up to six.
std::string ShortNumber(double value);

// Writes the statistics table, the constellation summaries and the events.
void WriteStatisticsTable(std::FILE* out, const StatisticsCollector& statistics);

#endif
