// Settling the multipath and code-minus-phase columns, jumps of the code judged.
#include "report/CodeSteps.h"

#include <algorithm>
#include <cmath>

namespace {

// Whether a slip lies after `previous` and at or before `seconds`.
bool SlipBetween(const std::vector<double>& slips, double previous, double seconds) {
  const auto next = std::upper_bound(slips.begin(), slips.end(), previous);
  return next != slips.end() && *next <= seconds;
}

// Whether `value` continues the arc of `previous`: no gap and no slip between.
bool Continues(const PendingValue& previous, const PendingValue& value,
               const std::vector<double>& slips) {
  return value.seconds - previous.seconds <= value.gapLimit &&
         !SlipBetween(slips, previous.seconds, value.seconds);
}

bool Steps(const PendingValue& from, const PendingValue& to) {
  return std::fabs(to.value - from.value) > kCodeStepMetres;
}

}  // namespace

long long CodeStepKey(double seconds) { return std::llround(seconds * 1000); }

void SettleCodeSeries(const std::vector<PendingValue>& values, const std::vector<double>& slips,
                      const CodeStepEpochs& epochs, SeriesStats& column,
                      const SeriesOutput& output) {
  const PendingValue* previous = nullptr;  // the last value kept in an arc
  for (std::size_t i = 0; i < values.size(); i++) {
    const PendingValue& value = values[i];
    const bool continues = previous != nullptr && Continues(*previous, value, slips);
    if (!continues || !Steps(*previous, value)) {
      column.AddPresent(value.seconds, value.value, value.gapLimit, {}, output,
                        previous != nullptr && !continues);
      previous = &value;
      continue;
    }
    const PendingValue* next = i + 1 < values.size() ? &values[i + 1] : nullptr;
    const bool comesBack =
        next != nullptr && Continues(value, *next, slips) && !Steps(*previous, *next);
    const auto epoch = epochs.find(CodeStepKey(value.seconds));
    SlipEvent step;
    step.kind = comesBack ? SlipEventKind::Outlier : SlipEventKind::Slip;
    step.seconds = value.seconds;
    step.value = value.value;
    step.size = value.value - previous->value;
    step.epoch = epoch != epochs.end() ? epoch->second : std::string();
    step.threshold = kCodeStepMetres;
    step.since = previous->seconds;
    column.AddStep(step, output);
    if (!comesBack) previous = &value;
  }
}
