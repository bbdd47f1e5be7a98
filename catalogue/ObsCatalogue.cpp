// The observation catalogue table and its look-ups.
#include "catalogue/ObsCatalogue.h"

#include <cstring>

namespace {

using H = PhsDiffHeader;
using Q = ObsCombination;
using S = ObsScope;

constexpr ObsInputs kNone = {0, {}};

using F = ObsFormula;
using U = ObsUnit;
using K = ObsScreening;

// A raw observation type: available when the header lists it.  The label's
// letter says what it observes.
constexpr ObsCatalogueEntry Raw(short code, const char* label) {
  const U unit = label[0] == 'L'   ? U::Phase
                 : label[0] == 'D' ? U::Hertz
                 : label[0] == 'S' ? U::DecibelHertz
                                   : U::Metres;
  return {code, label, {label, nullptr}, S::AllSystems, {1, {code}}, kNone, F::Raw, unit, K::None};
}

constexpr ObsCatalogueEntry kCatalogue[kNumObsCodes] = {
    Raw(H::C1, "C1"),
    Raw(H::P1, "P1"),
    Raw(H::P2, "P2"),
    Raw(H::L1, "L1"),
    Raw(H::L2, "L2"),
    Raw(H::C2, "C2"),
    Raw(H::S1, "S1"),
    Raw(H::S2, "S2"),
    Raw(H::D1, "D1"),
    Raw(H::D2, "D2"),
    Raw(H::C5, "C5"),
    Raw(H::L5, "L5"),
    Raw(H::D5, "D5"),
    Raw(H::S5, "S5"),
    Raw(H::C6, "C6"),
    Raw(H::L6, "L6"),
    Raw(H::D6, "D6"),
    Raw(H::S6, "S6"),
    Raw(H::C7, "C7"),
    Raw(H::L7, "L7"),
    Raw(H::D7, "D7"),
    Raw(H::S7, "S7"),
    Raw(H::C8, "C8"),
    Raw(H::L8, "L8"),
    Raw(H::D8, "D8"),
    Raw(H::S8, "S8"),
    {Q::LGEOMFREE,
     "L4",
     {"L4", nullptr},
     S::PerSystem,
     {2, {H::L1, H::L2}},
     {2, {H::L1, H::L7}},
     F::GeometryFreePhase,
     U::Metres,
     K::SlipsByTrend},
    {Q::PPGEOMFREE,
     "P4[P]",
     {"Pp4", nullptr},
     S::PerSystem,
     {2, {H::P1, H::P2}},
     {2, {H::P1, H::C7}},
     F::GeometryFreeCode,
     U::Metres,
     K::None},
    {Q::PCGEOMFREE,
     "P4[C]",
     {"Pc4", "P4"},
     S::PerSystem,
     {2, {H::C1, H::P2}},
     {2, {H::C1, H::C7}},
     F::GeometryFreeCode,
     U::Metres,
     K::None},
    {Q::LIONFREE,
     "L3",
     {"L3", nullptr},
     S::PerSystem,
     {2, {H::L1, H::L2}},
     {2, {H::L1, H::L7}},
     F::IonoFreePhase,
     U::Metres,
     K::None},
    {Q::PCIONFREE,
     "P3[C]",
     {"Pc3", "P3"},
     S::PerSystem,
     {2, {H::C1, H::P2}},
     {2, {H::C1, H::C7}},
     F::IonoFreeCode,
     U::Metres,
     K::None},
    {Q::PPIONFREE,
     "P3[P]",
     {"Pp3", nullptr},
     S::PerSystem,
     {2, {H::P1, H::P2}},
     {2, {H::P1, H::C7}},
     F::IonoFreeCode,
     U::Metres,
     K::None},
    {Q::WIDELANEL,
     "WL[L]",
     {"WL", "WLL"},
     S::PerSystem,
     {2, {H::L1, H::L2}},
     {2, {H::L1, H::L7}},
     F::WideLanePhase,
     U::Metres,
     K::None},
    {Q::WIDELANEP,
     "WL[P]",
     {"WLP", nullptr},
     S::PerSystem,
     {2, {H::P1, H::P2}},
     {2, {H::P1, H::C7}},
     F::WideLaneCode,
     U::Metres,
     K::None},
    {Q::WIDELANEC,
     "WL[C]",
     {"WLC", nullptr},
     S::PerSystem,
     {2, {H::C1, H::P2}},
     {2, {H::C1, H::C7}},
     F::WideLaneCode,
     U::Metres,
     K::None},
    {Q::MELWUBC,
     "MW[C]",
     {"MW", "MWc"},
     S::PerSystem,
     {4, {H::L1, H::L2, H::C1, H::P2}},
     {4, {H::L1, H::L7, H::C1, H::C7}},
     F::MelbourneWuebbena,
     U::Metres,
     K::SlipsByLevel},
    {Q::MELWUBP,
     "MW[P]",
     {"MWp", nullptr},
     S::PerSystem,
     {4, {H::L1, H::L2, H::P1, H::P2}},
     {4, {H::L1, H::L7, H::P1, H::C7}},
     F::MelbourneWuebbena,
     U::Metres,
     K::SlipsByLevel},
    {Q::MP1,
     "MP1[P]",
     {"MP1", nullptr},
     S::PerSystem,
     {3, {H::P1, H::L1, H::L2}},
     {3, {H::P1, H::L1, H::L7}},
     F::MultipathFirst,
     U::Metres,
     K::ArcRms},
    {Q::MC1,
     "MP1[C]",
     {"MC1", nullptr},
     S::PerSystem,
     {3, {H::C1, H::L1, H::L2}},
     {3, {H::C1, H::L1, H::L7}},
     F::MultipathFirst,
     U::Metres,
     K::ArcRms},
    {Q::MP2,
     "MP2",
     {"MP2", nullptr},
     S::PerSystem,
     {3, {H::P2, H::L1, H::L2}},
     {3, {H::C7, H::L1, H::L7}},
     F::MultipathSecond,
     U::Metres,
     K::ArcRms},
    {Q::C1L1,
     "C1-L1",
     {"CL1", nullptr},
     S::AllSystems,
     {2, {H::C1, H::L1}},
     kNone,
     F::MinusPhase1,
     U::Metres,
     K::ArcRms},
    {Q::P1L1,
     "P1-L1",
     {"PL1", nullptr},
     S::AllSystems,
     {2, {H::P1, H::L1}},
     kNone,
     F::MinusPhase1,
     U::Metres,
     K::ArcRms},
    {Q::P2L2,
     "P2-L2",
     {"PL2", nullptr},
     S::PerSystem,
     {2, {H::P2, H::L2}},
     {2, {H::C7, H::L7}},
     F::MinusPhase2,
     U::Metres,
     K::ArcRms},
    {Q::P1C1,
     "P1-C1",
     {"PC1", nullptr},
     S::AllSystems,
     {2, {H::P1, H::C1}},
     kNone,
     F::Difference,
     U::Metres,
     K::None},
    {Q::P2C2,
     "P2-C2",
     {"PC2", nullptr},
     S::GpsGlonass,
     {2, {H::P2, H::C2}},
     kNone,
     F::Difference,
     U::Metres,
     K::None},
};

// Each entry stands at the position of its code, so a code indexes the table.
constexpr bool CodesMatchPositions() {
  for (int i = 0; i < kNumObsCodes; i++)
    if (kCatalogue[i].code != i) return false;
  return true;
}
static_assert(CodesMatchPositions(), "catalogue entries out of code order");

// Presence flags of the header, indexed by observation-type code.
bool PhsDiffHeader::*const kTypeFlags[kNumObsTypes] = {
    &PhsDiffHeader::iC1, &PhsDiffHeader::iP1, &PhsDiffHeader::iP2, &PhsDiffHeader::iL1,
    &PhsDiffHeader::iL2, &PhsDiffHeader::iC2, &PhsDiffHeader::iS1, &PhsDiffHeader::iS2,
    &PhsDiffHeader::iD1, &PhsDiffHeader::iD2, &PhsDiffHeader::iC5, &PhsDiffHeader::iL5,
    &PhsDiffHeader::iD5, &PhsDiffHeader::iS5, &PhsDiffHeader::iC6, &PhsDiffHeader::iL6,
    &PhsDiffHeader::iD6, &PhsDiffHeader::iS6, &PhsDiffHeader::iC7, &PhsDiffHeader::iL7,
    &PhsDiffHeader::iD7, &PhsDiffHeader::iS7, &PhsDiffHeader::iC8, &PhsDiffHeader::iL8,
    &PhsDiffHeader::iD8, &PhsDiffHeader::iS8,
};

bool HeaderHasAll(const PhsDiffHeader& header, const ObsInputs& inputs) {
  for (short k = 0; k < inputs.count; k++)
    if (!HeaderHasObsType(header, inputs.type[k])) return false;
  return true;
}

}  // namespace

const ObsCatalogueEntry* FindObsEntry(int code) {
  if (code < 0 || code >= kNumObsCodes) return nullptr;
  return &kCatalogue[code];
}

const ObsCatalogueEntry* FindObsEntryByLabel(const char* label) {
  for (const ObsCatalogueEntry& entry : kCatalogue)
    if (std::strcmp(entry.label, label) == 0) return &entry;
  return nullptr;
}

int FindObsCode(const char* name) {
  for (const ObsCatalogueEntry& entry : kCatalogue)
    for (const char* listName : entry.names)
      if (listName != nullptr && std::strcmp(listName, name) == 0) return entry.code;
  return -1;
}

bool HeaderHasObsType(const PhsDiffHeader& header, int type) {
  if (!IsObsType(type)) return false;
  return header.*kTypeFlags[type];
}

bool IsObsAvailable(int code, const PhsDiffHeader& header, bool gpsOrGlonass, bool galileo) {
  const ObsCatalogueEntry* entry = FindObsEntry(code);
  if (entry == nullptr) return false;
  switch (entry->scope) {
    case ObsScope::AllSystems:
      return HeaderHasAll(header, entry->gpsGlonass);
    case ObsScope::GpsGlonass:
      return gpsOrGlonass && HeaderHasAll(header, entry->gpsGlonass);
    case ObsScope::PerSystem:
      return (gpsOrGlonass && HeaderHasAll(header, entry->gpsGlonass)) ||
             (galileo && HeaderHasAll(header, entry->galileo));
  }
  return false;
}
