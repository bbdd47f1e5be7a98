// Streaming statistics of one column of one satellite: counts, mean,
// standard deviation, extremes, arcs, RMS about arc means and jump candidates.
// Memory does not grow with the number of values (only the first few jump
// epochs are kept).
#ifndef REPORT_SERIESSTATS_H
#define REPORT_SERIESSTATS_H

#include <string>
#include <string_view>
#include <vector>

#include "report/ColumnKind.h"

constexpr std::size_t kMaxJumpEpochsKept = 20;

class SeriesStats {
 public:
  explicit SeriesStats(const ColumnKind& column) : column_(column) {}

  void AddAbsent() { absent_++; }
  // A present value at `time` seconds; a step of more than `gapLimit` seconds
  // since the previous value starts a new arc.  `epoch` names the row for the
  // list of jump epochs.
  void AddPresent(double time, double value, double gapLimit, std::string_view epoch);
  // Arcs never continue across satellite blocks.
  void EndBlock() { hasPrevious_ = false; }
  // Adds another series' totals (for constellation summaries).
  void Merge(const SeriesStats& other);

  long Present() const { return present_; }
  long Absent() const { return absent_; }
  double Mean() const { return mean_; }
  double StandardDeviation() const;
  double Min() const { return min_; }
  double Max() const { return max_; }
  long Arcs() const { return arcs_; }
  double ArcRms() const;
  long Jumps() const { return jumps_; }
  const std::vector<std::string>& JumpEpochs() const { return jumpEpochs_; }
  const ColumnKind& Column() const { return column_; }

 private:
  void StartArc();
  void AddToArc(double value);
  void RecordJump(std::string_view epoch);
  bool LeavesArc(double value) const;

  ColumnKind column_;
  long present_ = 0;
  long absent_ = 0;
  double mean_ = 0;
  double squares_ = 0;  // sum of squared deviations from the running mean
  double min_ = 0;
  double max_ = 0;

  long arcs_ = 0;
  double closedArcSquares_ = 0;  // squared deviations from their arc means, closed arcs
  long arcValues_ = 0;
  double arcMean_ = 0;
  double arcSquares_ = 0;
  double beforePrevious_ = 0;  // the two values before this one in the arc
  double previous_ = 0;
  long jumps_ = 0;
  std::vector<std::string> jumpEpochs_;

  bool hasPrevious_ = false;
  double previousTime_ = 0;
};

#endif
