// Per-satellite statistics of every listing column, and their plain-text
// table with one summary line per constellation.
#ifndef REPORT_STATISTICSREPORT_H
#define REPORT_STATISTICSREPORT_H

#include <cstdio>
#include <string>
#include <vector>

#include "report/ListingReader.h"
#include "report/SeriesStats.h"

struct SatelliteStats {
  std::string name;                 // "G05"
  long rows = 0;
  std::vector<SeriesStats> columns;  // one per listing column
};

class StatisticsCollector : public ListingConsumer {
 public:
  void Begin(const ListingSettings& settings, const ListingColumns& columns) override;
  void Row(const ListingRow& row, const RowTime& time) override;
  void EndOfBlock() override;
  void Finish() override {}

  const ListingSettings& Settings() const { return settings_; }
  const ListingColumns& Columns() const { return columns_; }
  const std::vector<ColumnKind>& Kinds() const { return kinds_; }
  // Satellites in the order of their first block.
  const std::vector<SatelliteStats>& Satellites() const { return satellites_; }

 private:
  SatelliteStats& SatelliteNamed(std::string_view name);

  ListingSettings settings_;
  ListingColumns columns_;
  std::vector<ColumnKind> kinds_;
  std::vector<SatelliteStats> satellites_;
  std::size_t current_ = 0;  // index of the satellite of the block being read
};

// The totals of one constellation (the satellites whose names begin with
// `letter`), column by column.
SatelliteStats ConstellationTotals(const StatisticsCollector& statistics, char letter);

// The letters of the constellations in the listing, in order of appearance.
std::string ConstellationLetters(const StatisticsCollector& statistics);

// Writes the statistics table and the constellation summaries.
void WriteStatisticsTable(std::FILE* out, const StatisticsCollector& statistics);

#endif
