// Cycle-slip screening of one satellite's L4 or Melbourne-Wuebbena series,
// value by value.  A value that leaves the prediction from the arc's recent
// values by more than the threshold is held until the next value tells
// whether the level moved (a slip: a new arc starts at the held value) or
// came back (an outlier, kept out of the arc).  A gap up to a limit is judged
// like any other step, the threshold grown by the drift allowed over it, so
// a slip hidden in a gap is found; after a longer gap a new pass starts
// unjudged.  Memory is fixed per series.
#ifndef REPORT_SLIPDETECTOR_H
#define REPORT_SLIPDETECTOR_H

#include <array>
#include <string>
#include <string_view>

// How a series is predicted from its recent values.
enum class SlipModel {
  Trend,  // L4: the straight line through the last values (the ionosphere drifts)
  Level,  // MW: the mean of the last values (neither geometry nor ionosphere)
};

// The threshold of a step of `step` seconds: the larger of `floorMetres` and
// four times the RMS of the arc's residuals, plus `driftMetresPerSecond` times
// the step.  Until an arc has shown its noise the RMS leans on a prior of half
// the floor, worth ten values, so a fresh arc starts at twice the floor.
struct SlipThreshold {
  double floorMetres = 0;
  double driftMetresPerSecond = 0;
};

// The screening's settings, with their defaults.
struct SlipSettings {
  // A slip of one cycle on both frequencies moves L4 by 0.054 m (GPS), on one
  // frequency by 0.19 m or more; a steady L4 at 1 s scatters by millimetres.
  double l4Metres = 0.05;
  // Ionospheric drift of L4 that the straight line does not follow, per second
  // of a step: 0.015 m more at 30 s, 0.3 m more over a ten-minute gap.
  double l4DriftMetresPerSecond = 0.0005;
  // Melbourne-Wuebbena: code noise and multipath scatter it by decimetres and
  // move it by up to a metre within seconds; one wide-lane cycle is 0.75 to
  // 0.86 m.  L4 finds the small slips; MW the large ones and those whose L1 and
  // L2 parts nearly cancel in L4 (9 and 7 cycles).
  double mwMetres = 1.0;
  // A longer gap ends a pass: the next value starts a new arc, unjudged.
  double maxGapSeconds = 600;
  // Multipath and code-minus-phase: an arc of fewer values gives no RMS.
  double minArcValues = 10;

  SlipThreshold ThresholdOf(SlipModel model) const;
};

enum class SlipEventKind { Slip, Outlier };

struct SlipEvent {
  SlipEventKind kind = SlipEventKind::Slip;
  double seconds = 0;
  double value = 0;
  double size = 0;       // the value minus the prediction of the arc before it
  long arc = 0;          // a slip: the arc it opens; an outlier: the arc it interrupts
  std::string epoch;     // the row's date as the listing writes it
  double threshold = 0;  // what the step had to exceed to be held
  double since = 0;      // the time of the last value kept before it
};

// "slip" or "outlier".
const char* EventKindName(SlipEventKind kind);

// What the screening settles, in time order.
class SlipListener {
 public:
  virtual ~SlipListener() = default;
  // The next settled value opens a new arc.
  virtual void NewArc() = 0;
  // A value kept in the current arc.
  virtual void Settled(double seconds, double value) = 0;
  virtual void Event(const SlipEvent& event) = 0;
};

class SlipDetector {
 public:
  // The prediction uses the arc's last kRecentValues values; a candidate
  // leaves it by more than kNoiseFactor times the arc's residual RMS.
  static constexpr std::size_t kRecentValues = 10;
  static constexpr double kNoiseFactor = 4;

  SlipDetector(SlipModel model, SlipThreshold threshold, double maxGapSeconds)
      : model_(model), threshold_(threshold), maxGapSeconds_(maxGapSeconds) {}

  void Add(double seconds, double value, std::string_view epoch, SlipListener& listener);
  // The end of a satellite's block: a held value cannot come back, so it is a
  // slip; the next value starts a new pass.
  void Finish(SlipListener& listener);

 private:
  struct Point {
    double seconds, value;
  };

  void StartPass();
  void Judge(double seconds, double value, std::string_view epoch, SlipListener& listener);
  void ResolveHeld(double seconds, double value, SlipListener& listener);
  void OpenArc(double seconds, double value, SlipListener& listener);
  void Keep(double seconds, double value, double residual, SlipListener& listener);
  void Remember(double seconds, double value);
  Point RecentMean() const;
  double Predict(double seconds) const;
  double Threshold(double step) const;

  SlipModel model_;
  SlipThreshold threshold_;
  double maxGapSeconds_;
  std::array<Point, kRecentValues> recent_{};  // ring of the arc's last kept values
  std::size_t recentCount_ = 0;
  std::size_t recentNext_ = 0;
  double slope_ = 0;  // Trend: metres per second, carried over a slip
  double squaredResiduals_ = 0;
  long residuals_ = 0;
  bool inPass_ = false;
  double lastSeconds_ = 0;  // the last kept value's time
  bool holding_ = false;
  SlipEvent held_;
};

#endif
