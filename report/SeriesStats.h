// Streaming statistics of one column of one satellite: counts, mean,
// standard deviation, extremes, arcs, RMS about arc means, and slips and
// outliers for the screened columns.  Memory does not grow with the number
// of values (only the first few events are kept).
#ifndef REPORT_SERIESSTATS_H
#define REPORT_SERIESSTATS_H

#include <string>
#include <string_view>
#include <vector>

#include "report/ColumnKind.h"
#include "report/SlipDetector.h"

constexpr std::size_t kMaxEventsKept = 50;

// Receives each present value once its arc is settled (arcs count from 0 in
// each series); a value judged an outlier belongs to no arc and is not passed.
class ArcValueSink {
 public:
  virtual ~ArcValueSink() = default;
  virtual void ArcValue(std::size_t satellite, std::size_t column, long arc, double seconds,
                        double value) = 0;
  // A value of a row below the elevation mask, which no arc takes.
  virtual void MaskedValue(std::size_t satellite, std::size_t column, double seconds,
                           double value) = 0;
};

// Where a series' settled values go: the sink (none when null) and the
// series' satellite and column.
struct SeriesOutput {
  ArcValueSink* sink = nullptr;
  std::size_t satellite = 0;
  std::size_t column = 0;
};

// A slip of a screened series, kept whole so that slips shared by nearly all
// satellites at one epoch can be told apart as a clock event.
struct SlipMark {
  double seconds = 0;
  double size = 0;
  std::string epoch;
  double threshold = 0;  // what the step had to exceed
  double since = 0;      // the time of the last value kept before it
};

class SeriesStats {
 public:
  SeriesStats(const ColumnKind& column, const SlipSettings& slips)
      : column_(column),
        detector_(column.model, slips.ThresholdOf(column.model), slips.maxGapSeconds),
        minArcValues_(slips.minArcValues) {}

  void AddAbsent() { absent_++; }
  // A present value at `time` seconds; outside the screened columns a step of
  // more than `gapLimit` seconds since the previous value starts a new arc,
  // and so does `breakBefore` (a slip the screened columns found there).
  // `epoch` names the row in the list of events.
  void AddPresent(double time, double value, double gapLimit, std::string_view epoch,
                  const SeriesOutput& output = {}, bool breakBefore = false);
  // A present value of an arc-RMS column whose step the caller judged: an
  // outlier is counted and kept out of the arcs, a slip starts a new arc.
  void AddStep(const SlipEvent& step, const SeriesOutput& output = {});
  // Arcs never continue across satellite blocks.
  void EndBlock(const SeriesOutput& output = {});
  // Adds another series' totals (for constellation summaries); events are not merged.
  void Merge(const SeriesStats& other);

  long Present() const { return present_; }
  long Absent() const { return absent_; }
  double Mean() const { return mean_; }
  double StandardDeviation() const;
  double Min() const { return min_; }
  double Max() const { return max_; }
  long Arcs() const { return arcs_; }
  // The RMS about the arcs' means, over the arcs of at least the minimum
  // number of values; HasArcRms is false when there is none.
  double ArcRms() const;
  bool HasArcRms() const { return RmsValues() > 0; }
  long Slips() const { return slips_; }
  long Outliers() const { return outliers_; }
  // The first kMaxEventsKept slips and outliers, in time order.
  const std::vector<SlipEvent>& Events() const { return events_; }
  const ColumnKind& Column() const { return column_; }
  // Every slip of the series, in time order.
  const std::vector<SlipMark>& SlipMarks() const { return slipMarks_; }
  // Clock events at which the series had a value that jumped.
  long ClockEvents() const { return clockEvents_; }
  // A clock event of `common` (the jump all satellites share) at `seconds`,
  // taken by the slip marked there or by the first after a gap that spans
  // it: a slip whose size agrees with the jump within the threshold it
  // crossed was the jump alone and is no slip of the series; any other keeps
  // its slip, sized less the common jump.
  void TakeClockEvent(double seconds, double common);

 private:
  class Settler;

  void Count(double value);
  void StartArc();
  void Settle(double time, double value, const SeriesOutput& output);
  void Record(SlipEvent event);
  long RmsValues() const;
  bool ArcCounts(long values) const { return static_cast<double>(values) >= minArcValues_; }

  ColumnKind column_;
  SlipDetector detector_;
  long present_ = 0;
  long absent_ = 0;
  double mean_ = 0;
  double squares_ = 0;  // sum of squared deviations from the running mean
  double min_ = 0;
  double max_ = 0;

  long arcs_ = 0;
  double minArcValues_ = 1;
  double closedArcSquares_ = 0;  // squared deviations from their arc means, closed arcs long enough
  long closedArcValues_ = 0;     // the values of those arcs
  long arcValues_ = 0;
  double arcMean_ = 0;
  double arcSquares_ = 0;
  long slips_ = 0;
  long outliers_ = 0;
  std::vector<SlipEvent> events_;
  std::vector<SlipMark> slipMarks_;
  long clockEvents_ = 0;

  bool hasPrevious_ = false;
  double previousTime_ = 0;
};

#endif
