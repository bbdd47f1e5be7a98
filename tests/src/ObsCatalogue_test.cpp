// Tests of the observation catalogue: list names, labels, and which entries a
// file can supply for the selected constellations.
#include "src/ObsCatalogue.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "GNSS/PhsDiffHeader.h"
#include "src/Quintavelmorc.h"

namespace {

using Q = Quintavelmorc;

TEST(ObsCatalogueNames, EveryListNameGivesItsCode) {
  const struct {
    const char* name;
    int code;
  } cases[] = {
      {"C1", Q::C1},        {"S2", Q::S2},          {"D8", Q::D8},          {"S8", Q::S8},
      {"L4", Q::LGEOMFREE}, {"Pp4", Q::PPGEOMFREE}, {"Pc4", Q::PCGEOMFREE}, {"P4", Q::PCGEOMFREE},
      {"L3", Q::LIONFREE},  {"Pc3", Q::PCIONFREE},  {"P3", Q::PCIONFREE},   {"Pp3", Q::PPIONFREE},
      {"WL", Q::WIDELANEL}, {"WLL", Q::WIDELANEL},  {"WLP", Q::WIDELANEP},  {"WLC", Q::WIDELANEC},
      {"MW", Q::MELWUBC},   {"MWc", Q::MELWUBC},    {"MWp", Q::MELWUBP},    {"MP1", Q::MP1},
      {"MC1", Q::MC1},      {"MP2", Q::MP2},        {"CL1", Q::C1L1},       {"PL1", Q::P1L1},
      {"PL2", Q::P2L2},     {"PC1", Q::P1C1},       {"PC2", Q::P2C2},
  };
  for (const auto& c : cases) EXPECT_EQ(FindObsCode(c.name), c.code) << c.name;
  EXPECT_EQ(Q::P2C2, 44);
}

TEST(ObsCatalogueNames, NamesAreExactAndCaseSensitive) {
  for (const char* name : {"c1", "mw", "MWC", "pc4", "", "C1 ", "L4[+]", "MP1[P]", "C1-L1", "C9"})
    EXPECT_EQ(FindObsCode(name), -1) << '"' << name << '"';
}

TEST(ObsCatalogueLabels, CombinationsAreLabelledAsReported) {
  const char* const labels[] = {"L4",    "P4[P]", "P4[C]", "L3",    "P3[C]",  "P3[P]",  "WL[L]",
                                "WL[P]", "WL[C]", "MW[C]", "MW[P]", "MP1[P]", "MP1[C]", "MP2",
                                "C1-L1", "P1-L1", "P2-L2", "P1-C1", "P2-C2"};
  for (int code = Q::LGEOMFREE; code <= Q::P2C2; code++)
    EXPECT_STREQ(FindObsEntry(code)->label, labels[code - Q::LGEOMFREE]) << code;
  // Every raw type is labelled with its own list name.
  for (int code = 0; code < kNumObsTypes; code++)
    EXPECT_EQ(FindObsCode(FindObsEntry(code)->label), code) << code;
}

TEST(ObsCatalogueLabels, CodesOutsideTheCatalogueHaveNoEntry) {
  EXPECT_EQ(FindObsEntry(-1), nullptr);
  EXPECT_EQ(FindObsEntry(kNumObsCodes), nullptr);
  EXPECT_NE(FindObsEntry(kNumObsCodes - 1), nullptr);
}

// Formula, unit and screening of every code, one letter each, in code order:
// formula (r raw, then a-l for GeometryFreePhase ... Difference), unit (m, p
// phase, h Hz, d dB-Hz) and screening (-, a ArcRms, t SlipsByTrend, l SlipsByLevel).
TEST(ObsCatalogueAnswers, FormulaUnitAndScreeningOfEveryCode) {
  const char* const rows[kNumObsCodes] = {
      "rm-", "rm-", "rm-", "rp-", "rp-", "rm-", "rd-", "rd-", "rh-", "rh-", "rm-", "rp-",
      "rh-", "rd-", "rm-", "rp-", "rh-", "rd-", "rm-", "rp-", "rh-", "rd-", "rm-", "rp-",
      "rh-", "rd-", "amt", "bm-", "bm-", "cm-", "dm-", "dm-", "em-", "fm-", "fm-", "gml",
      "gml", "hma", "hma", "ima", "jma", "jma", "kma", "lm-", "lm-"};
  for (int code = 0; code < kNumObsCodes; code++) {
    const ObsCatalogueEntry& entry = *FindObsEntry(code);
    const char* row = rows[code];
    SCOPED_TRACE(entry.label);
    EXPECT_EQ(static_cast<int>(entry.formula), row[0] == 'r' ? 0 : row[0] - 'a' + 1);
    EXPECT_EQ(entry.unit, row[1] == 'm'   ? ObsUnit::Metres
                          : row[1] == 'p' ? ObsUnit::Phase
                          : row[1] == 'h' ? ObsUnit::Hertz
                                          : ObsUnit::DecibelHertz);
    EXPECT_EQ(entry.screening, row[2] == 'a'   ? ObsScreening::ArcRms
                               : row[2] == 't' ? ObsScreening::SlipsByTrend
                               : row[2] == 'l' ? ObsScreening::SlipsByLevel
                                               : ObsScreening::None);
    EXPECT_EQ(FindObsEntryByLabel(entry.label), &entry);
  }
  EXPECT_EQ(FindObsEntryByLabel("L4[+]"), nullptr);
}

PhsDiffHeader HeaderWith(std::initializer_list<int> types) {
  PhsDiffHeader header;
  for (int type : types) {
    switch (type) {
      case Q::C1:
        header.iC1 = true;
        break;
      case Q::P1:
        header.iP1 = true;
        break;
      case Q::P2:
        header.iP2 = true;
        break;
      case Q::L1:
        header.iL1 = true;
        break;
      case Q::L2:
        header.iL2 = true;
        break;
      case Q::C2:
        header.iC2 = true;
        break;
      case Q::S1:
        header.iS1 = true;
        break;
      case Q::C7:
        header.iC7 = true;
        break;
      case Q::L7:
        header.iL7 = true;
        break;
      default:
        ADD_FAILURE() << "type not used by these tests: " << type;
    }
  }
  return header;
}

enum Selection { NONE, GR, E, GR_E };

struct AvailabilityCase {
  const char* what;
  std::initializer_list<int> header;
  Selection selection;
  std::initializer_list<int> available;
  std::initializer_list<int> unavailable;
};

TEST(ObsCatalogueAvailability, FollowsHeaderFlagsAndSelectedConstellations) {
  const AvailabilityCase cases[] = {
      {"C1 L1 L2, GPS",
       {Q::C1, Q::L1, Q::L2},
       GR,
       {Q::LGEOMFREE, Q::C1L1, Q::MC1, Q::LIONFREE, Q::WIDELANEL, Q::L1},
       {Q::PCGEOMFREE, Q::MELWUBC, Q::MP1, Q::MP2, Q::P2L2, Q::P1C1, Q::P2}},
      {"C1 L1 L2, Galileo only",
       {Q::C1, Q::L1, Q::L2},
       E,
       {Q::C1L1, Q::L1, Q::L2},
       {Q::LGEOMFREE, Q::MC1, Q::LIONFREE}},
      {"C1 C7 L1 L7, Galileo only",
       {Q::C1, Q::C7, Q::L1, Q::L7},
       E,
       {Q::LGEOMFREE, Q::PCGEOMFREE, Q::PCIONFREE, Q::WIDELANEC, Q::MELWUBC, Q::MC1, Q::C1L1,
        Q::MP2, Q::P2L2},
       {Q::P2C2, Q::PPGEOMFREE, Q::MELWUBP, Q::MP1}},
      {"C1 C7 L1 L7, GPS only",
       {Q::C1, Q::C7, Q::L1, Q::L7},
       GR,
       {Q::C1L1, Q::C7, Q::L7},
       {Q::LGEOMFREE, Q::PCGEOMFREE, Q::MC1}},
      // Galileo takes its second frequency from E5b.
      {"P2 C2 L2 C7 L7, Galileo only",
       {Q::P2, Q::C2, Q::L2, Q::C7, Q::L7},
       E,
       {Q::P2, Q::P2L2},
       {Q::P2C2}},
      {"P2 C2 L2, GPS", {Q::P2, Q::C2, Q::L2}, GR, {Q::P2C2, Q::P2L2}, {Q::P1C1}},
      {"P1 P2 L1 L2 C1, GPS and Galileo",
       {Q::P1, Q::P2, Q::L1, Q::L2, Q::C1},
       GR_E,
       {Q::PPGEOMFREE, Q::PPIONFREE, Q::WIDELANEP, Q::MELWUBP, Q::MP1, Q::MP2, Q::P1L1, Q::P1C1},
       {Q::P2C2, Q::C2}},
      // Raw types and the cross-system differences need no selection at all.
      {"C1 P1 L1 S1, nothing selected",
       {Q::C1, Q::P1, Q::L1, Q::S1},
       NONE,
       {Q::C1, Q::P1, Q::L1, Q::S1, Q::C1L1, Q::P1L1, Q::P1C1},
       {Q::LGEOMFREE, Q::S2, Q::D1}},
  };
  for (const AvailabilityCase& c : cases) {
    const PhsDiffHeader header = HeaderWith(c.header);
    const bool gr = c.selection == GR || c.selection == GR_E;
    const bool e = c.selection == E || c.selection == GR_E;
    for (int code : c.available)
      EXPECT_TRUE(IsObsAvailable(code, header, gr, e)) << c.what << ", code " << code;
    for (int code : c.unavailable)
      EXPECT_FALSE(IsObsAvailable(code, header, gr, e)) << c.what << ", code " << code;
  }
}

TEST(ObsCatalogueAvailability, CodesOutsideTheCatalogueAreNeverAvailable) {
  const PhsDiffHeader header = HeaderWith({Q::C1, Q::L1, Q::L2});
  EXPECT_FALSE(IsObsAvailable(-1, header, true, true));
  EXPECT_FALSE(IsObsAvailable(kNumObsCodes, header, true, true));
  EXPECT_FALSE(HeaderHasObsType(header, kNumObsTypes));
}

}  // namespace
