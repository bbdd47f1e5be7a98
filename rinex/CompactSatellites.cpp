// Per-satellite state of compact RINEX decoding, carried from epoch to epoch.
#include "rinex/CompactSatellites.h"

#include <cstring>

void CompactSatellites::StartEpoch() {
  for (size_t state : before_)
    if (state != kTaken) free_.push_back(state);
  before_.swap(now_);
  now_.clear();
  searchFrom_ = 0;
}

CompactSatellite& CompactSatellites::Take(std::string_view id, size_t types) {
  size_t state = CarriedOn(id);
  if (state == kTaken || states_[state].arcs.size() != types) {
    if (state == kTaken) state = Fresh();
    CompactSatellite& fresh = states_[state];
    std::memcpy(fresh.id, id.data(), sizeof fresh.id);
    fresh.arcs.resize(types);
    for (CompactArc& arc : fresh.arcs) arc.Stop();
    fresh.flags.assign(2 * types, ' ');
  }
  now_.push_back(state);
  return states_[state];
}

// The state of `id` in the epoch before, if it was there.  Satellites mostly
// come in the same order, so the search starts after the last one found.
size_t CompactSatellites::CarriedOn(std::string_view id) {
  for (size_t step = 0; step < before_.size(); step++) {
    const size_t at = (searchFrom_ + step) % before_.size();
    const size_t state = before_[at];
    if (state != kTaken &&
        std::memcmp(states_[state].id, id.data(), sizeof states_[state].id) == 0) {
      before_[at] = kTaken;
      searchFrom_ = at + 1;
      return state;
    }
  }
  return kTaken;
}

size_t CompactSatellites::Fresh() {
  if (free_.empty()) {
    states_.emplace_back();
    return states_.size() - 1;
  }
  const size_t state = free_.back();
  free_.pop_back();
  return state;
}
