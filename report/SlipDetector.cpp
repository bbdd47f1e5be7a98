// Cycle-slip screening of one series.
#include "report/SlipDetector.h"

#include <algorithm>
#include <cmath>

namespace {

// The prior of the residual RMS (a share of the floor) and its weight in values.
constexpr double kPriorShareOfFloor = 0.5;
constexpr double kPriorValues = 10;
// Trend: fewer values than this give no slope of their own (the last one is kept).
constexpr std::size_t kValuesForSlope = 3;

}  // namespace

const char* EventKindName(SlipEventKind kind) {
  return kind == SlipEventKind::Slip ? "slip" : "outlier";
}

SlipThreshold SlipSettings::ThresholdOf(SlipModel model) const {
  if (model == SlipModel::Trend) return SlipThreshold{l4Metres, l4DriftMetresPerSecond};
  return SlipThreshold{mwMetres, 0};
}

void SlipDetector::Add(double seconds, double value, std::string_view epoch,
                       SlipListener& listener) {
  const double latest = holding_ ? held_.seconds : lastSeconds_;
  if (inPass_ && seconds - latest > maxGapSeconds_) Finish(listener);
  if (!inPass_) {
    StartPass();
    OpenArc(seconds, value, listener);
    return;
  }
  if (holding_) ResolveHeld(seconds, value, listener);
  Judge(seconds, value, epoch, listener);
}

void SlipDetector::Finish(SlipListener& listener) {
  if (holding_) {
    holding_ = false;
    held_.kind = SlipEventKind::Slip;
    listener.Event(held_);
    OpenArc(held_.seconds, held_.value, listener);
  }
  inPass_ = false;
}

void SlipDetector::StartPass() {
  inPass_ = true;
  slope_ = 0;
  squaredResiduals_ = 0;
  residuals_ = 0;
}

void SlipDetector::Judge(double seconds, double value, std::string_view epoch,
                         SlipListener& listener) {
  const double residual = value - Predict(seconds);
  const double threshold = Threshold(seconds - lastSeconds_);
  if (std::fabs(residual) <= threshold) {
    Keep(seconds, value, residual, listener);
    return;
  }
  holding_ = true;
  held_ = SlipEvent{SlipEventKind::Slip, seconds,   value,       residual, 0,
                    std::string(epoch),  threshold, lastSeconds_};
}

// The value after a held one decides: nearer the old arc's prediction, the
// held value was an outlier; nearer the held value's level, it was a slip.
void SlipDetector::ResolveHeld(double seconds, double value, SlipListener& listener) {
  holding_ = false;
  const double fromOld = std::fabs(value - Predict(seconds));
  const double slope = model_ == SlipModel::Trend ? slope_ : 0;
  const double fromHeld = std::fabs(value - (held_.value + slope * (seconds - held_.seconds)));
  held_.kind = fromOld <= fromHeld ? SlipEventKind::Outlier : SlipEventKind::Slip;
  listener.Event(held_);
  if (held_.kind == SlipEventKind::Slip) OpenArc(held_.seconds, held_.value, listener);
}

// A new arc keeps the pass's slope and noise: a slip changes the ambiguity,
// not the ionosphere or the receivers.
void SlipDetector::OpenArc(double seconds, double value, SlipListener& listener) {
  recentCount_ = 0;
  recentNext_ = 0;
  Remember(seconds, value);
  listener.NewArc();
  listener.Settled(seconds, value);
}

void SlipDetector::Keep(double seconds, double value, double residual, SlipListener& listener) {
  squaredResiduals_ += residual * residual;
  residuals_++;
  Remember(seconds, value);
  listener.Settled(seconds, value);
}

void SlipDetector::Remember(double seconds, double value) {
  recent_[recentNext_] = Point{seconds, value};
  recentNext_ = (recentNext_ + 1) % kRecentValues;
  recentCount_ = std::min(recentCount_ + 1, kRecentValues);
  lastSeconds_ = seconds;
  if (model_ != SlipModel::Trend || recentCount_ < kValuesForSlope) return;
  const Point mean = RecentMean();
  double products = 0, squares = 0;
  for (std::size_t i = 0; i < recentCount_; i++) {
    const double dt = recent_[i].seconds - mean.seconds;
    products += dt * (recent_[i].value - mean.value);
    squares += dt * dt;
  }
  if (squares > 0) slope_ = products / squares;
}

SlipDetector::Point SlipDetector::RecentMean() const {
  Point mean{0, 0};
  for (std::size_t i = 0; i < recentCount_; i++) {
    mean.seconds += recent_[i].seconds;
    mean.value += recent_[i].value;
  }
  const double count = static_cast<double>(recentCount_);
  return Point{mean.seconds / count, mean.value / count};
}

double SlipDetector::Predict(double seconds) const {
  const Point mean = RecentMean();
  if (model_ == SlipModel::Level) return mean.value;
  return mean.value + slope_ * (seconds - mean.seconds);
}

double SlipDetector::Threshold(double step) const {
  const double prior = kPriorShareOfFloor * threshold_.floorMetres;
  const double rms = std::sqrt((kPriorValues * prior * prior + squaredResiduals_) /
                               (kPriorValues + static_cast<double>(residuals_)));
  return std::max(threshold_.floorMetres, kNoiseFactor * rms) +
         threshold_.driftMetresPerSecond * step;
}
