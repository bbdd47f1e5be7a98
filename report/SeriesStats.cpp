// Streaming statistics of one column of one satellite.
#include "report/SeriesStats.h"

#include <cmath>

// Feeds what the slip screening settles into the series' arcs and output.
class SeriesStats::Settler : public SlipListener {
 public:
  Settler(SeriesStats& stats, const SeriesOutput& output) : stats_(stats), output_(output) {}
  void NewArc() override { stats_.StartArc(); }
  void Settled(double seconds, double value) override { stats_.Settle(seconds, value, output_); }
  void Event(const SlipEvent& event) override { stats_.Record(event); }

 private:
  SeriesStats& stats_;
  const SeriesOutput& output_;
};

void SeriesStats::AddPresent(double time, double value, double gapLimit, std::string_view epoch,
                             const SeriesOutput& output, bool breakBefore) {
  Count(value);
  if (column_.kind == SeriesKind::Slips) {
    Settler settler(*this, output);
    detector_.Add(time, value, epoch, settler);
    return;
  }
  if (!hasPrevious_ || time - previousTime_ > gapLimit || breakBefore) StartArc();
  hasPrevious_ = true;
  previousTime_ = time;
  Settle(time, value, output);
}

void SeriesStats::AddStep(const SlipEvent& step, const SeriesOutput& output) {
  Count(step.value);
  Record(step);
  if (step.kind == SlipEventKind::Outlier) return;
  StartArc();
  hasPrevious_ = true;
  previousTime_ = step.seconds;
  Settle(step.seconds, step.value, output);
}

void SeriesStats::Count(double value) {
  present_++;
  const double delta = value - mean_;
  mean_ += delta / static_cast<double>(present_);
  squares_ += delta * (value - mean_);
  min_ = present_ == 1 || value < min_ ? value : min_;
  max_ = present_ == 1 || value > max_ ? value : max_;
}

void SeriesStats::EndBlock(const SeriesOutput& output) {
  Settler settler(*this, output);
  detector_.Finish(settler);
  hasPrevious_ = false;
}

void SeriesStats::StartArc() {
  if (ArcCounts(arcValues_)) {
    closedArcSquares_ += arcSquares_;
    closedArcValues_ += arcValues_;
  }
  arcValues_ = 0;
  arcMean_ = 0;
  arcSquares_ = 0;
  arcs_++;
}

void SeriesStats::Settle(double time, double value, const SeriesOutput& output) {
  arcValues_++;
  const double delta = value - arcMean_;
  arcMean_ += delta / static_cast<double>(arcValues_);
  arcSquares_ += delta * (value - arcMean_);
  if (output.sink != nullptr)
    output.sink->ArcValue(output.satellite, output.column, arcs_ - 1, time, value);
}

void SeriesStats::Record(SlipEvent event) {
  const bool slip = event.kind == SlipEventKind::Slip;
  (slip ? slips_ : outliers_)++;
  // A slip opens the arc after the current one; an outlier sits in the current one.
  event.arc = slip ? arcs_ : arcs_ - 1;
  if (slip)
    slipMarks_.push_back(
        SlipMark{event.seconds, event.size, event.epoch, event.threshold, event.since});
  if (events_.size() < kMaxEventsKept) events_.push_back(std::move(event));
}

void SeriesStats::TakeClockEvent(double seconds, double common) {
  constexpr double kSameEpoch = 1e-3;
  auto takes = [seconds](const SlipMark& mark) {
    return std::fabs(mark.seconds - seconds) < kSameEpoch ||
           (mark.since < seconds - kSameEpoch && seconds < mark.seconds);
  };
  for (std::size_t m = 0; m < slipMarks_.size(); m++) {
    if (!takes(slipMarks_[m])) continue;
    clockEvents_++;
    const double at = slipMarks_[m].seconds;
    const bool jumpAlone = std::fabs(slipMarks_[m].size - common) <= slipMarks_[m].threshold;
    for (std::size_t e = 0; e < events_.size(); e++) {
      if (events_[e].kind != SlipEventKind::Slip ||
          std::fabs(events_[e].seconds - at) >= kSameEpoch)
        continue;
      if (jumpAlone)
        events_.erase(events_.begin() + static_cast<std::ptrdiff_t>(e));
      else
        events_[e].size -= common;
      break;
    }
    if (jumpAlone) {
      slips_--;
      slipMarks_.erase(slipMarks_.begin() + static_cast<std::ptrdiff_t>(m));
    } else {
      slipMarks_[m].size -= common;
    }
    return;
  }
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
  closedArcSquares_ += other.closedArcSquares_;
  closedArcValues_ += other.closedArcValues_;
  if (other.ArcCounts(other.arcValues_)) {
    closedArcSquares_ += other.arcSquares_;
    closedArcValues_ += other.arcValues_;
  }
  slips_ += other.slips_;
  outliers_ += other.outliers_;
  clockEvents_ += other.clockEvents_;
}

double SeriesStats::StandardDeviation() const {
  return present_ > 1 ? std::sqrt(squares_ / static_cast<double>(present_ - 1)) : 0;
}

long SeriesStats::RmsValues() const {
  return closedArcValues_ + (ArcCounts(arcValues_) ? arcValues_ : 0);
}

double SeriesStats::ArcRms() const {
  const long values = RmsValues();
  if (values == 0) return 0;
  const double squares = closedArcSquares_ + (ArcCounts(arcValues_) ? arcSquares_ : 0);
  return std::sqrt(squares / static_cast<double>(values));
}
