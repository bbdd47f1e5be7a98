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

void PlotCollector::Row(const ListingRow&, const RowTime& time) {
  if (std::isfinite(time.gapLimit)) gapLimit_ = time.gapLimit;
  firstSeconds_ = anyRow_ ? std::min(firstSeconds_, time.seconds) : time.seconds;
  lastSeconds_ = anyRow_ ? std::max(lastSeconds_, time.seconds) : time.seconds;
  anyRow_ = true;
}

std::size_t PlotCollector::BucketIndex(double seconds) const {
  const double index = std::floor((seconds - bucketStart_) / bucketWidth_);
  if (!(index > 0)) return 0;
  return std::min(static_cast<std::size_t>(std::min(index, 1e9)), bucketLimit_ - 1);
}

PlotCollector::Series& PlotCollector::SeriesIn(std::vector<std::vector<Series>>& all,
                                               std::size_t satellite, std::size_t column,
                                               std::size_t columns) {
  while (all.size() <= satellite) all.emplace_back(columns);
  return all[satellite][column];
}

void PlotCollector::ArcValue(std::size_t satellite, std::size_t column, long arc, double seconds,
                             double value) {
  Add(SeriesIn(series_, satellite, column, columnCount_), arc, seconds, value);
}

void PlotCollector::MaskedValue(std::size_t satellite, std::size_t column, double seconds,
                                double value) {
  Series& series = SeriesIn(masked_, satellite, column, columnCount_);
  const bool apart =
      series.arcs.empty() || std::fabs(seconds - series.arcs.back().lastSeconds) > gapLimit_;
  const std::size_t stretch = series.arcs.size() - (apart ? 0 : 1);
  Add(series, static_cast<long>(stretch), seconds, value);
}

void PlotCollector::Add(Series& series, long arc, double seconds, double value) const {
  const std::size_t arcIndex = static_cast<std::size_t>(std::max(arc, 0L));
  if (series.arcs.size() <= arcIndex) series.arcs.resize(arcIndex + 1);
  PlotArc& arcTotals = series.arcs[arcIndex];
  if (arcTotals.values == 0) arcTotals.firstSeconds = seconds;
  arcTotals.lastSeconds = seconds;
  arcTotals.values++;
  arcTotals.sum += value;

  const std::size_t index = BucketIndex(seconds);
  std::vector<PlotBucket>& buckets = series.buckets;
  if (buckets.empty() || buckets.back().index != index || buckets.back().arc != arc) {
    buckets.push_back(PlotBucket{index, arc, seconds, value, seconds, value});
    return;
  }
  PlotBucket& bucket = buckets.back();
  if (value < bucket.minimum) {
    bucket.minimum = value;
    bucket.minimumSeconds = seconds;
  } else if (value > bucket.maximum) {
    bucket.maximum = value;
    bucket.maximumSeconds = seconds;
  }
}

const std::vector<PlotArc>& PlotCollector::Arcs(std::size_t s, std::size_t k) const {
  static const std::vector<PlotArc> kNone;
  return s < series_.size() ? series_[s][k].arcs : kNone;
}

PlotSegments PlotCollector::Segments(std::size_t s, std::size_t k) const {
  return s < series_.size() ? SegmentsOf(series_[s][k]) : PlotSegments();
}

PlotSegments PlotCollector::MaskedSegments(std::size_t s, std::size_t k) const {
  return s < masked_.size() ? SegmentsOf(masked_[s][k]) : PlotSegments();
}

PlotSegments PlotCollector::SegmentsOf(const Series& series) const {
  PlotSegments segments;
  // A satellite's blocks may come apart in the listing: time order first.
  std::vector<PlotBucket> buckets = series.buckets;
  std::stable_sort(buckets.begin(), buckets.end(),
                   [](const PlotBucket& a, const PlotBucket& b) { return a.index < b.index; });
  const double breakAfter = std::max(gapLimit_, 1.5 * bucketWidth_);
  double previous = 0;
  long previousArc = -1;
  for (const PlotBucket& bucket : buckets) {
    const double mean =
        lessArcMeans_ ? series.arcs[static_cast<std::size_t>(std::max(bucket.arc, 0L))].Mean() : 0;
    PlotPoint first{bucket.minimumSeconds, bucket.minimum - mean};
    PlotPoint second{bucket.maximumSeconds, bucket.maximum - mean};
    if (second.seconds < first.seconds) std::swap(first, second);
    if (segments.empty() || bucket.arc != previousArc || first.seconds - previous > breakAfter)
      segments.emplace_back();
    segments.back().push_back(first);
    if (second.seconds != first.seconds) segments.back().push_back(second);
    previous = second.seconds;
    previousArc = bucket.arc;
  }
  return segments;
}
