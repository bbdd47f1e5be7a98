// Decimated time series for the report's plots: each satellite's column is
// kept as at most a fixed number of time buckets (minimum and maximum of each),
// so memory does not grow with the number of rows.
#ifndef REPORT_PLOTCOLLECTOR_H
#define REPORT_PLOTCOLLECTOR_H

#include <string>
#include <vector>

#include "report/ListingReader.h"

constexpr std::size_t kMaxPlotBuckets = 1000;

struct PlotBucket {
  bool used = false;
  double minimumSeconds = 0;  // when the minimum was seen
  double minimum = 0;
  double maximumSeconds = 0;
  double maximum = 0;
};

struct PlotPoint {
  double seconds;  // since midnight of the listing's first day
  double value;
};

// A drawable series: runs of points, broken where the data have gaps.
using PlotSegments = std::vector<std::vector<PlotPoint>>;

class PlotCollector : public ListingConsumer {
 public:
  void Begin(const ListingSettings& settings, const ListingColumns& columns) override;
  void Row(const ListingRow& row, const RowTime& time) override;
  void EndOfBlock() override {}
  void Finish() override {}

  // Satellites in order of appearance.
  const std::vector<std::string>& SatelliteNames() const { return satellites_; }
  // The series of satellite `s` in column `k`, in time order.
  PlotSegments Segments(std::size_t s, std::size_t k) const;
  double FirstSeconds() const { return firstSeconds_; }
  double LastSeconds() const { return lastSeconds_; }

 private:
  std::size_t SatelliteIndex(std::string_view name);
  std::size_t BucketIndex(double seconds) const;

  std::size_t columnCount_ = 0;
  double bucketStart_ = 0;  // seconds of the first bucket's start
  double bucketWidth_ = 1;
  std::size_t bucketLimit_ = kMaxPlotBuckets;
  double gapLimit_ = 0;
  bool anyRow_ = false;
  double firstSeconds_ = 0;
  double lastSeconds_ = 0;
  std::vector<std::string> satellites_;
  std::size_t current_ = 0;
  std::vector<std::vector<std::vector<PlotBucket>>> buckets_;  // [satellite][column][bucket]
};

#endif
