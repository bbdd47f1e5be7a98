// TypeMap: which RINEX observation code of the base and of the rover feeds
// each single-difference type, per satellite system.  A type takes, in each
// file, the first code of its band whose tracking attribute stands in the
// type's priority list; RINEX 2 types feed the type of the same name.
#ifndef RINEX_TYPEMAP_H
#define RINEX_TYPEMAP_H

#include <string>
#include <vector>

#include "GNSS/PhsDiffHeader.h"
#include "rinex/ObsHeader.h"
#include "rinex/SatSystems.h"

// A changed priority of tracking attributes: system letter, the
// single-difference type's name and the attribute letters, best first (an
// empty list writes the type for no satellite of the system).
struct AttributePriority {
  char system;
  short type;
  std::string attributes;
};

// Reads "G:L2:LXS"; false with a reason when the text is not such a setting.
bool ParseAttributePriority(const std::string& text, AttributePriority& priority,
                            std::string& reason);

// The columns of one type in one system: indexes into the base's and the
// rover's type lists of that system, -1 where a file has no code for it,
// and the factors each file's values of the column were multiplied by.
struct TypeSource {
  int base = -1;
  int rover = -1;
  int baseScale = 1;
  int roverScale = 1;
  bool Written() const { return base >= 0 && rover >= 0; }
};

class TypeMap {
 public:
  // Chooses the codes of every type for the systems in `systems` (letters
  // of kSystems), narrowed to `types` when that is not empty.
  TypeMap(const ObsHeader& base, const ObsHeader& rover, const std::string& systems,
          const std::vector<AttributePriority>& priorities, const std::vector<short>& types);

  // The types written, in code order: those with both codes in some system.
  const std::vector<short>& Written() const { return written_; }
  // The source of written type k (index into Written()) for a system.
  const TypeSource& Source(int system, size_t k) const { return sources_[system][written_[k]]; }
  // Whether any written type has both codes in a system.
  bool Converts(int system) const;
  // One line per system and written type, "G L2: base L2W, rover L2L".
  // Only the systems whose letters stand in `systems` are described.
  std::vector<std::string> Pairs(const std::string& systems) const;
  // The written phases whose base and rover phases keep different
  // quarter-cycle shifts: "G L2: base L2W, rover L2L" and the rover's shift
  // against the base's, "+0.25 cycle".
  std::vector<std::string> ShiftedPhases() const;

 private:
  const ObsHeader& base_;
  const ObsHeader& rover_;
  TypeSource sources_[kNSystems][PhsDiffHeader::NTYPES];
  std::vector<short> written_;

  std::string CodeName(const ObsHeader& head, int system, int column) const;
  std::string PairText(int system, size_t k) const;
};

#endif
