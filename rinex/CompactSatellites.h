// CompactSatellites: what a compact RINEX file carries on per satellite from
// one epoch to the next: an arc for each observation type and the text of
// the loss-of-lock and signal-strength flags.  A satellite carries its state
// on only from the epoch just before; one that was absent starts afresh.
#ifndef RINEX_COMPACTSATELLITES_H
#define RINEX_COMPACTSATELLITES_H

#include <string>
#include <string_view>
#include <vector>

#include "rinex/CompactFields.h"

struct CompactSatellite {
  char id[3];
  std::vector<CompactArc> arcs;  // one per observation type
  std::string flags;             // two characters per observation type
};

class CompactSatellites {
 public:
  // The satellites of the epoch before become those that may carry on.
  void StartEpoch();
  // The state of the next satellite of the epoch, `id` (three characters),
  // which has `types` observation types.  The reference is valid until the
  // next call.
  CompactSatellite& Take(std::string_view id, size_t types);

 private:
  static const size_t kTaken = ~size_t(0);
  std::vector<CompactSatellite> states_;  // reused: memory stays as large as two epochs need
  std::vector<size_t> before_;  // states of the epoch before, in its order; kTaken once carried on
  std::vector<size_t> now_;     // states of this epoch
  std::vector<size_t> free_;
  size_t searchFrom_ = 0;  // where in before_ the next satellite is most likely

  size_t CarriedOn(std::string_view id);
  size_t Fresh();
};

#endif
