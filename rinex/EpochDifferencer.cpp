// Differences of a pair of epochs, written as one epoch record.
#include "rinex/EpochDifferencer.h"

#include <algorithm>
#include <cstdio>

#include "GNSS/SatNumber.h"
#include "GNSS/SatelliteName.h"
#include "rinex/RinexTime.h"

namespace {

long double Seconds(int64_t ticks) { return static_cast<long double>(ticks) / kTicksPerSecond; }

// rover / roverFactor - base / baseFactor, of values stored multiplied by
// their files' scale factors, in thousandths: exact where that is whole,
// otherwise rounded once, half away from zero, and counted in `rounded`.
int64_t ScaledDifference(int64_t rover, int roverFactor, int64_t base, int baseFactor,
                         long& rounded) {
  const int64_t numerator = rover * baseFactor - base * roverFactor;
  const int64_t denominator = static_cast<int64_t>(roverFactor) * baseFactor;
  if (numerator % denominator == 0) return numerator / denominator;
  rounded++;
  const int64_t half = numerator < 0 ? -denominator / 2 : denominator / 2;
  return (numerator + half) / denominator;
}

}  // namespace

EpochDifferencer::EpochDifferencer(const TypeMap& map, SdWriter& writer, std::ostream* lliList)
    : map_(map), writer_(writer), lliList_(lliList), baseIndex_(PhsDiffData::NSATNUMBERS, 0) {}

void EpochDifferencer::FindPairs(const ObsEpoch& base, const ObsEpoch& rover) {
  for (size_t i = 0; i < base.sats.size(); i++) {
    const SatObs& s = base.sats[i];
    baseIndex_[SatNumber(SystemIndex(s.system), s.number)] = static_cast<int>(i) + 1;
  }
  pairs_.clear();
  for (size_t i = 0; i < rover.sats.size(); i++) {
    const SatObs& s = rover.sats[i];
    const int system = SystemIndex(s.system);
    const short sat = SatNumber(system, s.number);
    if (baseIndex_[sat] > 0 && map_.Converts(system))
      pairs_.push_back({sat, system, static_cast<size_t>(baseIndex_[sat] - 1), i});
  }
  for (const SatObs& s : base.sats) baseIndex_[SatNumber(SystemIndex(s.system), s.number)] = 0;
  std::sort(pairs_.begin(), pairs_.end(),
            [](const Pair& a, const Pair& b) { return a.sat < b.sat; });
}

bool EpochDifferencer::Difference(const Pair& pair, const ObsEpoch& base, const ObsEpoch& rover,
                                  int64_t* row) {
  const size_t baseFirst = base.sats[pair.base].first;
  const size_t roverFirst = rover.sats[pair.rover].first;
  bool any = false;
  for (size_t k = 0; k < map_.Written().size(); k++) {
    const TypeSource& source = map_.Source(pair.system, k);
    row[k] = 0;
    if (!source.Written()) continue;
    const size_t b = baseFirst + static_cast<size_t>(source.base);
    const size_t r = roverFirst + static_cast<size_t>(source.rover);
    if (base.values[b] == 0 || rover.values[r] == 0) continue;
    row[k] = ScaledDifference(rover.values[r], source.roverScale, base.values[b], source.baseScale,
                              roundedDifferences);
    if (row[k] == 0) {
      zeroDifferences[map_.Written()[k]]++;
      continue;
    }
    any = true;
    valuesOf[map_.Written()[k]]++;
    if (base.lli[b] & kReportedLli) TallyLli(pair, k, base.lli[b], false, rover.ticks);
    if (rover.lli[r] & kReportedLli) TallyLli(pair, k, rover.lli[r], true, rover.ticks);
  }
  return any;
}

void EpochDifferencer::TallyLli(const Pair& pair, size_t k, unsigned char lli, bool rover,
                                int64_t ticks) {
  (rover ? lliRover : lliBase)[pair.sat]++;
  if (lliList_ == nullptr) return;
  const int64_t day = ticks / kTicksPerDay;
  const int64_t second = ticks - day * kTicksPerDay;
  char line[128];
  std::snprintf(line, sizeof line, "%s  %s  %6lld %5lld.%07lld  %s  %-5s  %d\n",
                SatName(kSystems[pair.system], pair.sat % 100).c_str(), TicksText(ticks).c_str(),
                static_cast<long long>(day), static_cast<long long>(second / kTicksPerSecond),
                static_cast<long long>(second % kTicksPerSecond),
                PhsDiffHeader::TypeName(map_.Written()[k]), rover ? "rover" : "base", lli);
  *lliList_ << line;
}

bool EpochDifferencer::Write(const ObsEpoch& base, const ObsEpoch& rover) {
  FindPairs(base, rover);
  const size_t width = map_.Written().size();
  rows_.resize(pairs_.size() * width);
  written_.clear();
  for (const Pair& pair : pairs_) {
    int64_t* row = rows_.data() + written_.size() * width;
    if (Difference(pair, base, rover, row))
      written_.push_back(pair);
    else
      emptySatellites++;
  }
  if (written_.empty()) return false;
  const int64_t day = rover.ticks / kTicksPerDay;
  const mjd epoch(static_cast<unsigned long>(day), Seconds(rover.ticks - day * kTicksPerDay));
  writer_.Epoch(static_cast<int>(written_.size()), epoch, Seconds(rover.ticks - base.ticks),
                base.clock, rover.clock);
  for (size_t i = 0; i < written_.size(); i++) {
    writer_.Satellite(written_[i].sat);
    linesOf[written_[i].sat]++;
    for (size_t k = 0; k < width; k++) writer_.Thousandths(rows_[i * width + k]);
    writer_.EndLine();
  }
  satelliteLines += static_cast<long>(written_.size());
  return true;
}

std::vector<int> EpochDifferencer::GlonassSlotsWritten() const {
  std::vector<int> slots;
  for (short sat = 0; sat < PhsDiffData::NSATNUMBERS; sat++)
    if (IsNumberedSatOf(kGlonassPlace, sat) && linesOf[sat] > 0) slots.push_back(GlonassSlot(sat));
  return slots;
}
