// Units and screening of the listing's columns.
#include "report/ColumnKind.h"

#include "catalogue/ListingLayout.h"
#include "catalogue/ObsCatalogue.h"

namespace {

std::string UnitName(ObsUnit unit, const std::string& phaseUnit) {
  switch (unit) {
    case ObsUnit::Phase:
      return phaseUnit == kPhaseUnitMetres ? "m" : "cycles";
    case ObsUnit::Hertz:
      return "Hz";
    case ObsUnit::DecibelHertz:
      return "dB-Hz";
    default:
      return "m";
  }
}

}  // namespace

ColumnKind ClassifyColumn(const std::string& label, const std::string& phaseUnit) {
  ColumnKind column;
  column.unit = "m";
  // A column the catalogue does not know is taken as metres, unscreened.
  const ObsCatalogueEntry* entry = FindObsEntryByLabel(label.c_str());
  if (entry == nullptr) return column;
  column.unit = UnitName(entry->unit, phaseUnit);
  column.zeroIsAbsent = entry->unit == ObsUnit::Hertz;
  column.raw = IsObsType(entry->code);
  switch (entry->screening) {
    case ObsScreening::ArcRms:
      column.kind = SeriesKind::ArcRms;
      break;
    case ObsScreening::SlipsByTrend:
      column.kind = SeriesKind::Slips;
      column.model = SlipModel::Trend;
      break;
    case ObsScreening::SlipsByLevel:
      column.kind = SeriesKind::Slips;
      column.model = SlipModel::Level;
      break;
    default:
      break;
  }
  return column;
}
