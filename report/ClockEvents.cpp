// Finding the clock events among the satellites' slips.
#include "report/ClockEvents.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "report/StatisticsReport.h"

namespace {

constexpr double kLightMetresPerMillisecond = 299792.458;

// Whether column `kind` is screened against the series' level (MW).
bool IsMwColumn(const ColumnKind& kind) {
  return kind.kind == SeriesKind::Slips && kind.model == SlipModel::Level;
}

// Whether column `kind` is screened for steps of the code (multipath and
// code-minus-phase): a clock jump moves them as much as MW, the other way
// (MW takes the code with a minus, they with a plus).
bool IsCodeStepColumn(const ColumnKind& kind) { return kind.kind == SeriesKind::ArcRms; }

// One satellite's jump at an epoch: the size of its first MW slip there, and
// the threshold it crossed.
struct Jump {
  std::size_t satellite = 0;
  double size = 0;
  double threshold = 0;
  std::string epoch;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The MW slips of every satellite, by epoch (in milliseconds, so that the
// same epoch gives the same key), one per satellite.
std::map<long long, std::vector<Jump>> JumpsByEpoch(const std::vector<SatelliteStats>& satellites,
                                                    const std::vector<ColumnKind>& kinds) {
  std::map<long long, std::vector<Jump>> jumps;
  for (std::size_t s = 0; s < satellites.size(); s++)
    for (std::size_t k = 0; k < kinds.size() && k < satellites[s].columns.size(); k++) {
      if (!IsMwColumn(kinds[k])) continue;
      for (const SlipMark& mark : satellites[s].columns[k].SlipMarks()) {
        std::vector<Jump>& at = jumps[std::llround(mark.seconds * 1000)];
        const bool seen = std::any_of(at.begin(), at.end(),
                                      [s](const Jump& jump) { return jump.satellite == s; });
        if (!seen) at.push_back(Jump{s, mark.size, mark.threshold, mark.epoch});
      }
    }
  return jumps;
}

}  // namespace

double ClockEventMilliseconds(const ClockEvent& event) {
  return event.metres / kLightMetresPerMillisecond;
}

long long EpochPresence::Key(double seconds) { return std::llround(seconds * 1000); }

long EpochPresence::At(double seconds) const {
  const auto found = counts_.find(Key(seconds));
  return found == counts_.end() ? 0 : found->second;
}

std::vector<ClockEvent> FindClockEvents(std::vector<SatelliteStats>& satellites,
                                        const std::vector<ColumnKind>& kinds,
                                        const EpochPresence& presence) {
  std::vector<ClockEvent> events;
  for (const auto& [key, jumps] : JumpsByEpoch(satellites, kinds)) {
    if (static_cast<long>(jumps.size()) < kClockEventSatellites) continue;
    std::vector<double> sizes;
    for (const Jump& jump : jumps) sizes.push_back(jump.size);
    const double common = Median(sizes);
    const long agreeing = std::count_if(jumps.begin(), jumps.end(), [&](const Jump& jump) {
      return std::fabs(jump.size - common) <= jump.threshold;
    });
    const double seconds = static_cast<double>(key) / 1000;
    const long present = std::max(presence.At(seconds), static_cast<long>(jumps.size()));
    if (agreeing < kClockEventSatellites ||
        static_cast<double>(agreeing) < kClockEventShare * static_cast<double>(present))
      continue;
    events.push_back(ClockEvent{seconds, jumps.front().epoch, common, agreeing, present});
    for (SatelliteStats& satellite : satellites)
      for (std::size_t k = 0; k < kinds.size() && k < satellite.columns.size(); k++)
        if (IsMwColumn(kinds[k]))
          satellite.columns[k].TakeClockEvent(seconds, common);
        else if (IsCodeStepColumn(kinds[k]))
          satellite.columns[k].TakeClockEvent(seconds, -common);
  }
  return events;
}
