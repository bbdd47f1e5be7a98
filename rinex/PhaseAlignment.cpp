// Quarter-cycle groups of the phases and GLONASS code-phase biases.
#include "rinex/PhaseAlignment.h"

#include <cstdio>
#include <cstring>

namespace {

// The correction that aligns a phase to its band's reference signal, in
// quarter cycles, by system, band and tracking attribute (the alignment
// table of RINEX 3): GPS L1 C/A, L2 P(Y) and L5 I; GLONASS C/A; Galileo E1
// and E6 B and the I components of E5a, E5b and E5; BeiDou B1I, B2I and B3I
// I.  The I+Q and similar combinations (X) sit on the reference.
struct Alignment {
  char system;
  char band;
  const char* attributes;
  int quarters;
};

const Alignment kAlignments[] = {
    {'G', '1', "PWYMNSLX", 1}, {'G', '2', "C", 1},  {'G', '2', "SLX", -1}, {'G', '5', "Q", -1},
    {'R', '1', "P", 1},        {'R', '2', "P", 1},  {'E', '1', "C", 2},    {'E', '6', "C", 2},
    {'E', '5', "Q", -1},       {'E', '7', "Q", -1}, {'E', '8', "Q", -1},   {'C', '2', "Q", -1},
    {'C', '6', "Q", -1},       {'C', '7', "Q", -1},
};

std::string Code(const ObsCode& code) { return std::string(code.begin(), code.end()); }

}  // namespace

int PhaseShiftQuarters(const ObsHeader& head, char system, const ObsCode& code) {
  if (head.phasesAligned || code[0] != 'L' || code[2] == ' ') return 0;
  for (const Alignment& a : kAlignments)
    if (a.system == system && a.band == code[1] && std::strchr(a.attributes, code[2]) != nullptr)
      return -a.quarters;
  return 0;
}

std::vector<std::string> GlonassBiasDifferences(const ObsHeader& base, const ObsHeader& rover) {
  std::vector<std::string> differences;
  for (const GlonassBias& b : base.glonassBiases)
    for (const GlonassBias& r : rover.glonassBiases)
      if (b.code == r.code && b.metres != r.metres) {
        char text[96];
        std::snprintf(text, sizeof text, "%s base %.3f m, rover %.3f m", Code(b.code).c_str(),
                      b.metres, r.metres);
        differences.emplace_back(text);
      }
  return differences;
}
