// Tests of the observation catalogue: list names, labels, and which entries a
// file can supply for the selected constellations.
#include "catalogue/ObsCatalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "GNSS/PhsDiffHeader.h"

namespace {

using H = PhsDiffHeader;
using C = ObsCombination;

TEST(ObsCatalogueNames, EveryListNameGivesItsCode) {
  const struct {
    const char* name;
    int code;
  } cases[] = {
      {"C1", H::C1},        {"S2", H::S2},          {"D8", H::D8},          {"S8", H::S8},
      {"L4", C::LGEOMFREE}, {"Pp4", C::PPGEOMFREE}, {"Pc4", C::PCGEOMFREE}, {"P4", C::PCGEOMFREE},
      {"L3", C::LIONFREE},  {"Pc3", C::PCIONFREE},  {"P3", C::PCIONFREE},   {"Pp3", C::PPIONFREE},
      {"WL", C::WIDELANEL}, {"WLL", C::WIDELANEL},  {"WLP", C::WIDELANEP},  {"WLC", C::WIDELANEC},
      {"MW", C::MELWUBC},   {"MWc", C::MELWUBC},    {"MWp", C::MELWUBP},    {"MP1", C::MP1},
      {"MC1", C::MC1},      {"MP2", C::MP2},        {"CL1", C::C1L1},       {"PL1", C::P1L1},
      {"PL2", C::P2L2},     {"PC1", C::P1C1},       {"PC2", C::P2C2},
  };
  for (const auto& c : cases) EXPECT_EQ(FindObsCode(c.name), c.code) << c.name;
  EXPECT_EQ(C::P2C2, 44);
}

TEST(ObsCatalogueNames, NamesAreExactAndCaseSensitive) {
  for (const char* name : {"c1", "mw", "MWC", "pc4", "", "C1 ", "L4[+]", "MP1[P]", "C1-L1", "C9"})
    EXPECT_EQ(FindObsCode(name), -1) << '"' << name << '"';
}

TEST(ObsCatalogueLabels, CombinationsAreLabelledAsReported) {
  const char* const labels[] = {"L4",    "P4[P]", "P4[C]", "L3",    "P3[C]",  "P3[P]",  "WL[L]",
                                "WL[P]", "WL[C]", "MW[C]", "MW[P]", "MP1[P]", "MP1[C]", "MP2",
                                "C1-L1", "P1-L1", "P2-L2", "P1-C1", "P2-C2"};
  for (int code = C::LGEOMFREE; code <= C::P2C2; code++)
    EXPECT_STREQ(FindObsEntry(code)->label, labels[code - C::LGEOMFREE]) << code;
  // Every raw type is labelled with its own list name.
  for (int code = 0; code < kNumObsTypes; code++)
    EXPECT_EQ(FindObsCode(FindObsEntry(code)->label), code) << code;
}

TEST(ObsCatalogueLabels, CodesOutsideTheCatalogueHaveNoEntry) {
  EXPECT_EQ(FindObsEntry(-1), nullptr);
  EXPECT_EQ(FindObsEntry(kNumObsCodes), nullptr);
  EXPECT_NE(FindObsEntry(kNumObsCodes - 1), nullptr);
}

// A raw type is the input itself, in the unit its letter names, and is not
// screened.
TEST(ObsCatalogueAnswers, RawTypesInTheUnitOfTheirLetter) {
  for (int code = 0; code < kNumObsTypes; code++) {
    const ObsCatalogueEntry& entry = *FindObsEntry(code);
    SCOPED_TRACE(entry.label);
    const char letter = entry.label[0];
    const ObsUnit unit = letter == 'L'   ? ObsUnit::Phase
                         : letter == 'D' ? ObsUnit::Hertz
                         : letter == 'S' ? ObsUnit::DecibelHertz
                                         : ObsUnit::Metres;
    ASSERT_NE(std::strchr("CPLDS", letter), nullptr);
    EXPECT_EQ(entry.formula, ObsFormula::Raw);
    EXPECT_EQ(entry.unit, unit);
    EXPECT_EQ(entry.screening, ObsScreening::None);
    EXPECT_EQ(FindObsEntryByLabel(entry.label), &entry);
  }
}

// Every combination is formed in metres by its formula and screened as the
// report judges its label.
TEST(ObsCatalogueAnswers, CombinationsByLabel) {
  using F = ObsFormula;
  using S = ObsScreening;
  const struct {
    const char* label;
    F formula;
    S screening;
  } cases[] = {{"L4", F::GeometryFreePhase, S::SlipsByTrend},
               {"P4[P]", F::GeometryFreeCode, S::None},
               {"P4[C]", F::GeometryFreeCode, S::None},
               {"L3", F::IonoFreePhase, S::None},
               {"P3[C]", F::IonoFreeCode, S::None},
               {"P3[P]", F::IonoFreeCode, S::None},
               {"WL[L]", F::WideLanePhase, S::None},
               {"WL[P]", F::WideLaneCode, S::None},
               {"WL[C]", F::WideLaneCode, S::None},
               {"MW[C]", F::MelbourneWuebbena, S::SlipsByLevel},
               {"MW[P]", F::MelbourneWuebbena, S::SlipsByLevel},
               {"MP1[P]", F::MultipathFirst, S::ArcRms},
               {"MP1[C]", F::MultipathFirst, S::ArcRms},
               {"MP2", F::MultipathSecond, S::ArcRms},
               {"C1-L1", F::MinusPhase1, S::ArcRms},
               {"P1-L1", F::MinusPhase1, S::ArcRms},
               {"P2-L2", F::MinusPhase2, S::ArcRms},
               {"P1-C1", F::Difference, S::None},
               {"P2-C2", F::Difference, S::None}};
  static_assert(sizeof cases / sizeof cases[0] == kNumObsCodes - kNumObsTypes,
                "one case per combination");
  for (const auto& c : cases) {
    const ObsCatalogueEntry* entry = FindObsEntryByLabel(c.label);
    ASSERT_NE(entry, nullptr) << c.label;
    EXPECT_EQ(entry->formula, c.formula) << c.label;
    EXPECT_EQ(entry->unit, ObsUnit::Metres) << c.label;
    EXPECT_EQ(entry->screening, c.screening) << c.label;
  }
  EXPECT_EQ(FindObsEntryByLabel("L4[+]"), nullptr);
}

PhsDiffHeader HeaderWith(std::initializer_list<int> types) {
  PhsDiffHeader header;
  for (int type : types) {
    switch (type) {
      case H::C1:
        header.iC1 = true;
        break;
      case H::P1:
        header.iP1 = true;
        break;
      case H::P2:
        header.iP2 = true;
        break;
      case H::L1:
        header.iL1 = true;
        break;
      case H::L2:
        header.iL2 = true;
        break;
      case H::C2:
        header.iC2 = true;
        break;
      case H::S1:
        header.iS1 = true;
        break;
      case H::C7:
        header.iC7 = true;
        break;
      case H::L7:
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
       {H::C1, H::L1, H::L2},
       GR,
       {C::LGEOMFREE, C::C1L1, C::MC1, C::LIONFREE, C::WIDELANEL, H::L1},
       {C::PCGEOMFREE, C::MELWUBC, C::MP1, C::MP2, C::P2L2, C::P1C1, H::P2}},
      {"C1 L1 L2, Galileo only",
       {H::C1, H::L1, H::L2},
       E,
       {C::C1L1, H::L1, H::L2},
       {C::LGEOMFREE, C::MC1, C::LIONFREE}},
      {"C1 C7 L1 L7, Galileo only",
       {H::C1, H::C7, H::L1, H::L7},
       E,
       {C::LGEOMFREE, C::PCGEOMFREE, C::PCIONFREE, C::WIDELANEC, C::MELWUBC, C::MC1, C::C1L1,
        C::MP2, C::P2L2},
       {C::P2C2, C::PPGEOMFREE, C::MELWUBP, C::MP1}},
      {"C1 C7 L1 L7, GPS only",
       {H::C1, H::C7, H::L1, H::L7},
       GR,
       {C::C1L1, H::C7, H::L7},
       {C::LGEOMFREE, C::PCGEOMFREE, C::MC1}},
      // Galileo takes its second frequency from E5b.
      {"P2 C2 L2 C7 L7, Galileo only",
       {H::P2, H::C2, H::L2, H::C7, H::L7},
       E,
       {H::P2, C::P2L2},
       {C::P2C2}},
      {"P2 C2 L2, GPS", {H::P2, H::C2, H::L2}, GR, {C::P2C2, C::P2L2}, {C::P1C1}},
      {"P1 P2 L1 L2 C1, GPS and Galileo",
       {H::P1, H::P2, H::L1, H::L2, H::C1},
       GR_E,
       {C::PPGEOMFREE, C::PPIONFREE, C::WIDELANEP, C::MELWUBP, C::MP1, C::MP2, C::P1L1, C::P1C1},
       {C::P2C2, H::C2}},
      // Raw types and the cross-system differences need no selection at all.
      {"C1 P1 L1 S1, nothing selected",
       {H::C1, H::P1, H::L1, H::S1},
       NONE,
       {H::C1, H::P1, H::L1, H::S1, C::C1L1, C::P1L1, C::P1C1},
       {C::LGEOMFREE, H::S2, H::D1}},
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
  const PhsDiffHeader header = HeaderWith({H::C1, H::L1, H::L2});
  EXPECT_FALSE(IsObsAvailable(-1, header, true, true));
  EXPECT_FALSE(IsObsAvailable(kNumObsCodes, header, true, true));
}

}  // namespace
