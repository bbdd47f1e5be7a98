// Choosing the RINEX codes of each single-difference type: default
// attribute priorities, a changed priority, RINEX 2 names, mixed phases.
#include "rinex/TypeMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ObsHeader Header(int version,
                 const std::vector<std::pair<char, std::vector<std::string>>>& systems) {
  ObsHeader head;
  head.version = version;
  for (const auto& [system, codes] : systems)
    for (const std::string& code : codes)
      head.types[system - 'A'].push_back({code[0], code[1], code.size() > 2 ? code[2] : ' '});
  return head;
}

using Lines = std::vector<std::string>;

TEST(TypeMap, DefaultPrioritiesPerSystemAndBand) {
  const ObsHeader base =
      Header(304, {{'G', {"C1C", "L1C", "C1W", "C2W", "L2W", "C2L", "L2L", "S2W"}},
                   {'R', {"C1C", "L1C", "C2P", "L2P", "C2C", "L2C"}},
                   {'E', {"C1X", "L1X", "C7X", "L7X"}},
                   {'C', {"C2I", "L2I", "C6I"}}});
  const ObsHeader rover = Header(305, {{'G', {"C1C", "L1C", "C2W", "L2L", "C2L", "S2L"}},
                                       {'R', {"C1C", "L1C", "C2C", "L2C"}},
                                       {'E', {"C1C", "L1C", "C7Q", "L7Q"}},
                                       {'C', {"C2I", "L2I", "C6I"}}});
  const TypeMap map(base, rover, "GREC", {}, {});
  // L2 and GLONASS L2: the best code both files carry (L2L, L2C), not each
  // file's own best (L2W, L2P); S2 and Galileo have no common code.
  EXPECT_EQ(
      map.Pairs(kSystems),
      (Lines{"G C1: base C1C, rover C1C", "G P2: base C2W, rover C2W", "G L1: base L1C, rover L1C",
             "G L2: base L2L, rover L2L", "G C2: base C2L, rover C2L", "G S2: base S2W, rover S2L",
             "R C1: base C1C, rover C1C", "R L1: base L1C, rover L1C", "R L2: base L2C, rover L2C",
             "R C2: base C2C, rover C2C", "E C1: base C1X, rover C1C", "E L1: base L1X, rover L1C",
             "E C7: base C7X, rover C7Q", "E L7: base L7X, rover L7Q", "C L2: base L2I, rover L2I",
             "C C2: base C2I, rover C2I", "C C6: base C6I, rover C6I"}));
  EXPECT_EQ(map.ShiftedPhases(), (Lines{"E L1: base L1X, rover L1C: -0.50 cycle",
                                        "E L7: base L7X, rover L7Q: +0.25 cycle"}));
  // Written types in code order; P1 has no rover code, so it is not written.
  std::vector<std::string> written;
  for (const short type : map.Written()) written.push_back(PhsDiffHeader::TypeName(type));
  EXPECT_EQ(written, (Lines{"C1", "P2", "L1", "L2", "C2", "S2", "C6", "C7", "L7"}));
  EXPECT_FALSE(map.Source(0, 7).Written());  // GPS has no C7
  EXPECT_EQ(map.Source(2, 7).base, 2);       // Galileo C7 is the base's third code

  // A changed priority, fewer systems and fewer types.
  AttributePriority civil{'G', PhsDiffHeader::L2, "LXS"};
  const TypeMap chosen(base, rover, "GR", {civil}, {PhsDiffHeader::L2});
  EXPECT_EQ(chosen.Pairs(kSystems),
            (Lines{"G L2: base L2L, rover L2L", "R L2: base L2C, rover L2C"}));
}

TEST(TypeMap, Rinex2TypesFeedTheirNamesakes) {
  const ObsHeader base = Header(211, {{'G', {"L1", "L2", "C1", "P1", "P2", "S1"}}});
  const ObsHeader rover = Header(304, {{'G', {"C1C", "L1C", "C1W", "C2W", "L2W", "S1C"}}});
  const TypeMap map(base, rover, "G", {}, {});
  EXPECT_EQ(map.Pairs(kSystems), (Lines{"G C1: base C1, rover C1C", "G P1: base P1, rover C1W",
                                        "G P2: base P2, rover C2W", "G L1: base L1, rover L1C",
                                        "G L2: base L2, rover L2W", "G S1: base S1, rover S1C"}));
  EXPECT_TRUE(map.ShiftedPhases().empty());  // RINEX 2 phases count as the reference
}

TEST(TypeMap, CodesBothFilesCarryComeFirst) {
  struct Case {
    std::vector<std::string> base, rover;
    Lines pairs;
  } cases[] = {
      {{"C2W", "L2W", "C2L", "L2L"},
       {"C2L", "L2L"},
       {"G L2: base L2L, rover L2L", "G C2: base C2L, rover C2L"}},
      {{"C2W", "L2W"}, {"C2L", "L2L"}, {"G L2: base L2W, rover L2L"}},
      // Semi-codeless and codeless P(Y) tracking feed P2 and L2.
      {{"C2D", "L2D"}, {"C2D", "L2D"}, {"G P2: base C2D, rover C2D", "G L2: base L2D, rover L2D"}},
      {{"C1N", "L1N"}, {"C1N", "L1W"}, {"G P1: base C1N, rover C1N", "G L1: base L1N, rover L1W"}},
  };
  for (const Case& c : cases) {
    const ObsHeader base = Header(304, {{'G', c.base}}), rover = Header(304, {{'G', c.rover}});
    const TypeMap map(base, rover, "G", {}, {});
    EXPECT_EQ(map.Pairs(kSystems), c.pairs) << c.pairs.front();
  }
}

// Phases of one band tracked on different components keep the shift of
// their tracking unless the file aligned them (RINEX 3.01 on, SYS / PHASE
// SHIFT); RINEX 2 phases count as the reference signal.
TEST(TypeMap, ShiftedPhasesAreThoseTheFilesDoNotAlign) {
  struct Case {
    int baseVersion;
    bool baseAligned;
    const char* baseCode;
    int roverVersion;
    bool roverAligned;
    const char* roverCode;
    const char* shift;  // empty: no warning
  } cases[] = {
      {304, false, "GL2W", 304, false, "GL2P", ""},  // both P(Y)
      {300, false, "GL2W", 300, false, "GL2L", "G L2: base L2W, rover L2L: +0.25 cycle"},
      {304, true, "GL2W", 304, true, "GL2L", ""},
      {304, true, "GL2W", 300, false, "GL2L", "G L2: base L2W, rover L2L: +0.25 cycle"},
      {304, false, "GL2L", 304, true, "GL2L", "G L2: base L2L, rover L2L: -0.25 cycle"},
      {211, false, "GL2", 300, false, "GL2X", "G L2: base L2, rover L2X: +0.25 cycle"},
      {304, true, "GL1C", 302, false, "GL1W", "G L1: base L1C, rover L1W: -0.25 cycle"},
      {304, false, "GL5I", 304, false, "GL5X", ""},
      {304, false, "RL2C", 304, false, "RL2P", "R L2: base L2C, rover L2P: -0.25 cycle"},
      {304, false, "EL1B", 304, false, "EL1C", "E L1: base L1B, rover L1C: -0.50 cycle"},
      {304, false, "CL7I", 304, false, "CL7Q", "C L7: base L7I, rover L7Q: +0.25 cycle"},
  };
  for (const Case& c : cases) {
    ObsHeader base = Header(c.baseVersion, {{c.baseCode[0], {c.baseCode + 1}}});
    ObsHeader rover = Header(c.roverVersion, {{c.roverCode[0], {c.roverCode + 1}}});
    base.phasesAligned = c.baseAligned;
    rover.phasesAligned = c.roverAligned;
    const TypeMap map(base, rover, "GREC", {}, {});
    EXPECT_EQ(map.ShiftedPhases(), *c.shift ? Lines{c.shift} : Lines{})
        << c.baseCode << " " << c.roverCode;
  }
}

TEST(TypeMap, AttributePrioritySettings) {
  struct Case {
    const char* text;
    bool ok;
    const char* reason;
  } cases[] = {{"G:L2:LXS", true, ""},
               {"E:C7:", true, ""},
               {"G:L2", false, "the form is"},
               {"J:L1:C", false, "the system is one of"},
               {"E:P2:W", false, "the type is none that system E has"},
               {"G:L9:C", false, "the type is none"},
               {"G:L2:lx", false, "attributes are capital letters"}};
  for (const Case& c : cases) {
    AttributePriority priority;
    std::string reason;
    EXPECT_EQ(ParseAttributePriority(c.text, priority, reason), c.ok) << c.text;
    EXPECT_EQ(reason.rfind(c.reason, 0), 0u) << c.text << ": " << reason;
  }
}

}  // namespace
