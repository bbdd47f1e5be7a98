// Decimated time series for the report's plots, arc by arc: each satellite's
// column keeps at most a fixed number of time buckets per arc (the minimum
// and maximum of each) and each arc's mean, so that a series can be drawn
// about its arc means, and memory does not grow with the number of rows.
#ifndef REPORT_PLOTCOLLECTOR_H
#define REPORT_PLOTCOLLECTOR_H

#include <string>
#include <vector>

#include "report/ListingReader.h"
#include "report/SeriesStats.h"

constexpr std::size_t kMaxPlotBuckets = 1000;

struct PlotBucket {
  std::size_t index = 0;  // the time bucket
  long arc = 0;
  double minimumSeconds = 0;  // when the minimum was seen
  double minimum = 0;
  double maximumSeconds = 0;
  double maximum = 0;
};

// One arc of a series: its time span and the mean removed when it is drawn.
struct PlotArc {
  double firstSeconds = 0;
  double lastSeconds = 0;
  long values = 0;
  double sum = 0;
  double Mean() const { return values > 0 ? sum / static_cast<double>(values) : 0; }
};

struct PlotPoint {
  double seconds;  // since midnight of the listing's first day
  double value;
};

// A drawable series: runs of points, broken where the data have gaps and
// where an arc ends.
using PlotSegments = std::vector<std::vector<PlotPoint>>;

// Fed with the rows (for the time span) and, as the statistics settle them,
// with each series' values and arcs.
class PlotCollector : public ListingConsumer, public ArcValueSink {
 public:
  // Series are drawn less their arcs' means, or as they are.
  explicit PlotCollector(bool lessArcMeans = true) : lessArcMeans_(lessArcMeans) {}

  void Begin(const ListingSettings& settings, const ListingColumns& columns) override;
  void Row(const ListingRow& row, const RowTime& time) override;
  void EndOfBlock() override {}
  void Finish() override {}
  void ArcValue(std::size_t satellite, std::size_t column, long arc, double seconds,
                double value) override;
  // Values below the elevation mask, in stretches without a gap, each drawn
  // less its own mean.
  void MaskedValue(std::size_t satellite, std::size_t column, double seconds,
                   double value) override;

  // The series of satellite `s` (as the statistics number them) in column
  // `k`, in time order, each arc less its mean.
  PlotSegments Segments(std::size_t s, std::size_t k) const;
  // Its values below the mask, each stretch less its mean.
  PlotSegments MaskedSegments(std::size_t s, std::size_t k) const;
  // The arcs of that series, by number; empty when it has no value.
  const std::vector<PlotArc>& Arcs(std::size_t s, std::size_t k) const;
  double FirstSeconds() const { return firstSeconds_; }
  double LastSeconds() const { return lastSeconds_; }

 private:
  struct Series {
    std::vector<PlotBucket> buckets;  // in the order the values came
    std::vector<PlotArc> arcs;
  };

  std::size_t BucketIndex(double seconds) const;
  static Series& SeriesIn(std::vector<std::vector<Series>>& all, std::size_t satellite,
                          std::size_t column, std::size_t columns);
  void Add(Series& series, long arc, double seconds, double value) const;
  PlotSegments SegmentsOf(const Series& series) const;

  bool lessArcMeans_;
  std::size_t columnCount_ = 0;
  double bucketStart_ = 0;  // seconds of the first bucket's start
  double bucketWidth_ = 1;
  std::size_t bucketLimit_ = kMaxPlotBuckets;
  double gapLimit_ = 0;
  bool anyRow_ = false;
  double firstSeconds_ = 0;
  double lastSeconds_ = 0;
  std::vector<std::vector<Series>> series_;  // [satellite][column]
  std::vector<std::vector<Series>> masked_;  // the same, below the mask
};

#endif
