// Decimated time series for the report's plots.
#include "report/PlotCollector.h"

#include <algorithm>
#include <cmath>

void PlotCollector::Begin(const ListingSettings& settings, const ListingColumns& columns) {
  columnCount_ = columns.labels.size();
  if (settings.hasWindow) {
    // The window fixes the time span: at most kMaxPlotBuckets buckets, none
    // narrower than the interval.
    bucketStart_ = settings.startSeconds;
    const double span = static_cast<double>(settings.endDay - settings.startDay) * 86400.0 +
                        settings.endSeconds - settings.startSeconds;
    bucketWidth_ = std::max({span / kMaxPlotBuckets, settings.interval, 1e-3});
    bucketLimit_ = kMaxPlotBuckets + 1;
  } else {
    // Without a window, one-minute buckets for up to about four months.
    bucketWidth_ = 60;
    bucketLimit_ = 200000;
  }
}

std::size_t PlotCollector::SatelliteIndex(std::string_view name) {
  if (current_ < satellites_.size() && satellites_[current_] == name) return current_;
  for (current_ = 0; current_ < satellites_.size(); current_++)
    if (satellites_[current_] == name) return current_;
  satellites_.emplace_back(name);
  buckets_.emplace_back(columnCount_);
  return current_;
}

std::size_t PlotCollector::BucketIndex(double seconds) const {
  const double index = std::floor((seconds - bucketStart_) / bucketWidth_);
  if (!(index > 0)) return 0;
  return std::min(static_cast<std::size_t>(std::min(index, 1e9)), bucketLimit_ - 1);
}

void PlotCollector::Row(const ListingRow& row, const RowTime& time) {
  if (std::isfinite(time.gapLimit)) gapLimit_ = time.gapLimit;
  firstSeconds_ = anyRow_ ? std::min(firstSeconds_, time.seconds) : time.seconds;
  lastSeconds_ = anyRow_ ? std::max(lastSeconds_, time.seconds) : time.seconds;
  anyRow_ = true;
  const std::size_t s = SatelliteIndex(row.satellite);
  const std::size_t b = BucketIndex(time.seconds);
  for (std::size_t k = 0; k < row.values.size(); k++) {
    if (!row.values[k].present) continue;
    std::vector<PlotBucket>& series = buckets_[s][k];
    if (series.size() <= b) series.resize(b + 1);
    PlotBucket& bucket = series[b];
    const double value = row.values[k].value;
    if (!bucket.used) {
      bucket = PlotBucket{true, time.seconds, value, time.seconds, value};
    } else if (value < bucket.minimum) {
      bucket.minimum = value;
      bucket.minimumSeconds = time.seconds;
    } else if (value > bucket.maximum) {
      bucket.maximum = value;
      bucket.maximumSeconds = time.seconds;
    }
  }
}

PlotSegments PlotCollector::Segments(std::size_t s, std::size_t k) const {
  PlotSegments segments;
  const std::vector<PlotBucket>& series = buckets_[s][k];
  const double breakAfter = std::max(gapLimit_, 1.5 * bucketWidth_);
  double previous = 0;
  for (std::size_t b = 0; b < series.size(); b++) {
    if (!series[b].used) continue;
    const PlotBucket& bucket = series[b];
    PlotPoint first{bucket.minimumSeconds, bucket.minimum};
    PlotPoint second{bucket.maximumSeconds, bucket.maximum};
    if (second.seconds < first.seconds) std::swap(first, second);
    if (segments.empty() || first.seconds - previous > breakAfter) segments.emplace_back();
    segments.back().push_back(first);
    if (second.seconds != first.seconds) segments.back().push_back(second);
    previous = second.seconds;
  }
  return segments;
}
