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
  EXPECT_EQ(
      map.Pairs(false),
      (Lines{"G C1: base C1C, rover C1C", "G P2: base C2W, rover C2W", "G L1: base L1C, rover L1C",
             "G L2: base L2W, rover L2L", "G C2: base C2L, rover C2L", "G S2: base S2W, rover S2L",
             "R C1: base C1C, rover C1C", "R L1: base L1C, rover L1C", "R L2: base L2P, rover L2C",
             "R C2: base C2C, rover C2C", "E C1: base C1X, rover C1C", "E L1: base L1X, rover L1C",
             "E C7: base C7X, rover C7Q", "E L7: base L7X, rover L7Q", "C L2: base L2I, rover L2I",
             "C C2: base C2I, rover C2I", "C C6: base C6I, rover C6I"}));
  EXPECT_EQ(map.Pairs(true), (Lines{"G L2: base L2W, rover L2L", "R L2: base L2P, rover L2C",
                                    "E L1: base L1X, rover L1C", "E L7: base L7X, rover L7Q"}));
  // Written types in code order; P1 has no rover code, so it is not written.
  std::vector<std::string> written;
  for (const short type : map.Written()) written.push_back(PhsDiffHeader::TypeName(type));
  EXPECT_EQ(written, (Lines{"C1", "P2", "L1", "L2", "C2", "S2", "C6", "C7", "L7"}));
  EXPECT_FALSE(map.Source(0, 7).Written());  // GPS has no C7
  EXPECT_EQ(map.Source(2, 7).base, 2);       // Galileo C7 is the base's third code

  // A changed priority, fewer systems and fewer types.
  AttributePriority civil{'G', PhsDiffHeader::L2, "LXS"};
  const TypeMap chosen(base, rover, "GR", {civil}, {PhsDiffHeader::L2});
  EXPECT_EQ(chosen.Pairs(false), (Lines{"G L2: base L2L, rover L2L", "R L2: base L2P, rover L2C"}));
}

TEST(TypeMap, Rinex2TypesFeedTheirNamesakes) {
  const ObsHeader base = Header(211, {{'G', {"L1", "L2", "C1", "P1", "P2", "S1"}}});
  const ObsHeader rover = Header(304, {{'G', {"C1C", "L1C", "C1W", "C2W", "L2W", "S1C"}}});
  const TypeMap map(base, rover, "G", {}, {});
  EXPECT_EQ(map.Pairs(false), (Lines{"G C1: base C1, rover C1C", "G P1: base P1, rover C1W",
                                     "G P2: base P2, rover C2W", "G L1: base L1, rover L1C",
                                     "G L2: base L2, rover L2W", "G S1: base S1, rover S1C"}));
  EXPECT_TRUE(map.Pairs(true).empty());  // RINEX 2 names no attribute
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
