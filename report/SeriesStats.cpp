// Streaming statistics of one column of one satellite.
#include "report/SeriesStats.h"

#include <cmath>

void SeriesStats::AddPresent(double time, double value, double gapLimit,
                             std::string_view epoch) {
  present_++;
  const double delta = value - mean_;
  mean_ += delta / static_cast<double>(present_);
  squares_ += delta * (value - mean_);
  min_ = present_ == 1 || value < min_ ? value : min_;
  max_ = present_ == 1 || value > max_ ? value : max_;

  if (column_.kind != SeriesKind::Plain) {
    const bool gap = !hasPrevious_ || time - previousTime_ > gapLimit;
    if (gap) {
      StartArc();
    } else if (LeavesArc(value)) {
      if (column_.kind != SeriesKind::ArcRms) RecordJump(epoch);
      StartArc();
    }
    AddToArc(value);
  }
  hasPrevious_ = true;
  previousTime_ = time;
}

bool SeriesStats::LeavesArc(double value) const {
  switch (column_.kind) {
    case SeriesKind::ArcRms:
      return std::fabs(value - previous_) > column_.threshold;
    case SeriesKind::SecondDifferenceJumps:
      return arcValues_ >= 2 &&
             std::fabs(value - (2 * previous_ - beforePrevious_)) > column_.threshold;
    case SeriesKind::ArcMeanJumps:
      return std::fabs(value - arcMean_) > column_.threshold;
    case SeriesKind::Plain:
      break;
  }
  return false;
}

void SeriesStats::StartArc() {
  closedArcSquares_ += arcSquares_;
  arcValues_ = 0;
  arcMean_ = 0;
  arcSquares_ = 0;
  arcs_++;
}

void SeriesStats::AddToArc(double value) {
  arcValues_++;
  const double delta = value - arcMean_;
  arcMean_ += delta / static_cast<double>(arcValues_);
  arcSquares_ += delta * (value - arcMean_);
  beforePrevious_ = previous_;
  previous_ = value;
}

void SeriesStats::RecordJump(std::string_view epoch) {
  jumps_++;
  if (jumpEpochs_.size() < kMaxJumpEpochsKept) jumpEpochs_.emplace_back(epoch);
}

void SeriesStats::Merge(const SeriesStats& other) {
  if (other.present_ > 0) {
    const long total = present_ + other.present_;
    const double delta = other.mean_ - mean_;
    squares_ += other.squares_ + delta * delta * static_cast<double>(present_) *
                                     static_cast<double>(other.present_) /
                                     static_cast<double>(total);
    mean_ += delta * static_cast<double>(other.present_) / static_cast<double>(total);
    min_ = present_ == 0 || other.min_ < min_ ? other.min_ : min_;
    max_ = present_ == 0 || other.max_ > max_ ? other.max_ : max_;
    present_ = total;
  }
  absent_ += other.absent_;
  arcs_ += other.arcs_;
  closedArcSquares_ += other.closedArcSquares_ + other.arcSquares_;
  jumps_ += other.jumps_;
}

double SeriesStats::StandardDeviation() const {
  return present_ > 1 ? std::sqrt(squares_ / static_cast<double>(present_ - 1)) : 0;
}

double SeriesStats::ArcRms() const {
  return present_ > 0 ? std::sqrt((closedArcSquares_ + arcSquares_) / static_cast<double>(present_))
                      : 0;
}
