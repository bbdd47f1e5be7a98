// Choosing the RINEX codes behind each single-difference type.
#include "rinex/TypeMap.h"

#include <algorithm>
#include <cstdio>

#include "rinex/PhaseAlignment.h"

namespace {

// Default priorities of tracking attributes, best first, per system and
// single-difference type; null where the system has no such signal.  Codes:
// C1 and C2 are the civil codes, P1 and P2 the P(Y) codes (GPS W before P:
// receivers under anti-spoofing track Z-tracking W), phases, Doppler and
// signal strength follow the phase's choice.  D (semi-codeless) and N
// (codeless) are P(Y) tracking too, after the direct ones.
const char* DefaultAttributes(int system, short type) {
  using H = PhsDiffHeader;
  switch (kSystems[system]) {
    case 'G':
      switch (type) {
        case H::C1:
          return "C";
        case H::P1:
          return "WPYN";
        case H::P2:
          return "WPYDN";
        case H::L1:
        case H::D1:
        case H::S1:
          return "CWPYNLXS";
        case H::C2:
          return "LXSC";
        case H::L2:
        case H::D2:
        case H::S2:
          return "WPYDNLXSC";
        case H::C5:
        case H::L5:
        case H::D5:
        case H::S5:
          return "QXI";
        default:
          return nullptr;
      }
    case 'R':
      switch (type) {
        case H::C1:
        case H::C2:
          return "C";
        case H::P1:
        case H::P2:
          return "P";
        case H::L1:
        case H::D1:
        case H::S1:
          return "CP";
        case H::L2:
        case H::D2:
        case H::S2:
          return "PC";
        default:
          return nullptr;
      }
    case 'E':
      switch (type) {
        case H::P1:
        case H::P2:
        case H::C2:
        case H::L2:
        case H::D2:
        case H::S2:
          return nullptr;
        case H::C1:
        case H::L1:
        case H::D1:
        case H::S1:
        case H::C6:
        case H::L6:
        case H::D6:
        case H::S6:
          return "CXB";
        default:
          return "QXI";  // E5a, E5b, E5
      }
    default:  // BeiDou: B1I is band 2, B1C band 1, B2a 5, B3 6, B2I and B2b 7, B2 8
      switch (type) {
        case H::P1:
        case H::P2:
          return nullptr;
        case H::C2:
        case H::L2:
        case H::D2:
        case H::S2:
          return "IQX";
        case H::C6:
        case H::L6:
        case H::D6:
        case H::S6:
        case H::C7:
        case H::L7:
        case H::D7:
        case H::S7:
          return "IQXPZD";
        default:
          return "PXD";  // B1C, B2a, B2
      }
  }
}

// The observation kind and band of a single-difference type: P1 is code on 1.
ObsCode KindAndBand(short type) {
  const char* name = PhsDiffHeader::TypeName(type);
  return {name[0] == 'P' ? 'C' : name[0], name[1], ' '};
}

// The column of a type's code with one tracking attribute in a file's list,
// or -1; a RINEX 2 file gives its namesake type whatever the attribute.
int CodeColumn(const ObsHeader& head, char system, short type, char attribute) {
  const std::vector<ObsCode>& codes = head.Types(system);
  const char* name = PhsDiffHeader::TypeName(type);
  ObsCode wanted = KindAndBand(type);
  wanted[2] = attribute;
  for (size_t k = 0; k < codes.size(); k++) {
    const bool namesake = codes[k][0] == name[0] && codes[k][1] == name[1];
    if (head.IsRinex2() ? namesake : codes[k] == wanted) return static_cast<int>(k);
  }
  return -1;
}

// The column of the best code for a type in one file's list, or -1.
int BestColumn(const ObsHeader& head, char system, short type, const std::string& attributes) {
  for (const char attribute : attributes) {
    const int column = CodeColumn(head, system, type, attribute);
    if (column >= 0) return column;
  }
  return -1;
}

// The best code that both files carry; where they carry none in common,
// each file's own best.
TypeSource ChooseSource(const ObsHeader& base, const ObsHeader& rover, char system, short type,
                        const std::string& attributes) {
  TypeSource source;
  for (const char attribute : attributes) {
    source.base = CodeColumn(base, system, type, attribute);
    source.rover = CodeColumn(rover, system, type, attribute);
    if (source.Written()) return source;
  }
  source.base = BestColumn(base, system, type, attributes);
  source.rover = BestColumn(rover, system, type, attributes);
  return source;
}

}  // namespace

bool ParseAttributePriority(const std::string& text, AttributePriority& priority,
                            std::string& reason) {
  const size_t first = text.find(':');
  const size_t second = first == std::string::npos ? first : text.find(':', first + 1);
  if (second == std::string::npos) {
    reason = "the form is SYSTEM:TYPE:ATTRIBUTES, e.g. G:L2:LXS";
    return false;
  }
  const int system = first == 1 ? SystemIndex(text[0]) : -1;
  if (system < 0) {
    reason = "the system is one of the letters G, R, E, C";
    return false;
  }
  priority.system = text[0];
  priority.type = PhsDiffHeader::TypeCode(text.substr(first + 1, second - first - 1));
  if (priority.type == PhsDiffHeader::NOTYPE ||
      DefaultAttributes(system, priority.type) == nullptr) {
    reason = "the type is none that system " + text.substr(0, 1) + " has";
    return false;
  }
  priority.attributes = text.substr(second + 1);
  for (const char c : priority.attributes)
    if (c < 'A' || c > 'Z') {
      reason = "attributes are capital letters";
      return false;
    }
  return true;
}

TypeMap::TypeMap(const ObsHeader& base, const ObsHeader& rover, const std::string& systems,
                 const std::vector<AttributePriority>& priorities, const std::vector<short>& types)
    : base_(base), rover_(rover) {
  bool any[PhsDiffHeader::NTYPES] = {};
  for (int s = 0; s < kNSystems; s++) {
    if (systems.find(kSystems[s]) == std::string::npos) continue;
    for (short type = 0; type < PhsDiffHeader::NTYPES; type++) {
      const char* defaults = DefaultAttributes(s, type);
      if (defaults == nullptr) continue;
      if (!types.empty() && std::find(types.begin(), types.end(), type) == types.end()) continue;
      std::string attributes = defaults;
      for (const AttributePriority& p : priorities)
        if (p.system == kSystems[s] && p.type == type) attributes = p.attributes;
      TypeSource& source = sources_[s][type];
      source = ChooseSource(base, rover, kSystems[s], type, attributes);
      if (source.base >= 0)
        source.baseScale = base.ScaleFactor(kSystems[s], static_cast<size_t>(source.base));
      if (source.rover >= 0)
        source.roverScale = rover.ScaleFactor(kSystems[s], static_cast<size_t>(source.rover));
      any[type] = any[type] || source.Written();
    }
  }
  for (short type = 0; type < PhsDiffHeader::NTYPES; type++)
    if (any[type]) written_.push_back(type);
}

bool TypeMap::Converts(int system) const {
  for (size_t k = 0; k < written_.size(); k++)
    if (Source(system, k).Written()) return true;
  return false;
}

std::string TypeMap::CodeName(const ObsHeader& head, int system, int column) const {
  const ObsCode& code = head.Types(kSystems[system])[column];
  std::string name(code.begin(), code.end());
  if (name.back() == ' ') name.pop_back();
  return name;
}

std::string TypeMap::PairText(int system, size_t k) const {
  const TypeSource& source = Source(system, k);
  return std::string(1, kSystems[system]) + " " + PhsDiffHeader::TypeName(written_[k]) + ": base " +
         CodeName(base_, system, source.base) + ", rover " + CodeName(rover_, system, source.rover);
}

std::vector<std::string> TypeMap::Pairs(const std::string& systems) const {
  std::vector<std::string> lines;
  for (int s = 0; s < kNSystems; s++) {
    if (systems.find(kSystems[s]) == std::string::npos) continue;
    for (size_t k = 0; k < written_.size(); k++)
      if (Source(s, k).Written()) lines.push_back(PairText(s, k));
  }
  return lines;
}

std::vector<std::string> TypeMap::ShiftedPhases() const {
  std::vector<std::string> lines;
  for (int s = 0; s < kNSystems; s++)
    for (size_t k = 0; k < written_.size(); k++) {
      const TypeSource& source = Source(s, k);
      if (!source.Written() || PhsDiffHeader::TypeName(written_[k])[0] != 'L') continue;
      const char system = kSystems[s];
      const int quarters = PhaseShiftQuarters(rover_, system, rover_.Types(system)[source.rover]) -
                           PhaseShiftQuarters(base_, system, base_.Types(system)[source.base]);
      if (quarters == 0) continue;
      char shift[32];
      std::snprintf(shift, sizeof shift, "%+.2f cycle", quarters / 4.0);
      lines.push_back(PairText(s, k) + ": " + shift);
    }
  return lines;
}
