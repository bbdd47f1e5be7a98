// Units and screening of the listing's columns.
#include "report/ColumnKind.h"

namespace {

bool IsOneOf(const std::string& label, std::initializer_list<const char*> names) {
  for (const char* name : names)
    if (label == name) return true;
  return false;
}

std::string UnitOf(const std::string& label, const std::string& phaseUnit) {
  if (label.size() == 2 && label[0] == 'L' && label[1] != '3' && label[1] != '4')
    return phaseUnit == "METER" ? "m" : "cycles";
  if (label.size() == 2 && label[0] == 'D') return "Hz";
  if (label.size() == 2 && label[0] == 'S') return "dB-Hz";
  return "m";
}

}  // namespace

ColumnKind ClassifyColumn(const std::string& label, const std::string& phaseUnit) {
  ColumnKind column;
  column.unit = UnitOf(label, phaseUnit);
  column.zeroIsAbsent = column.unit == "Hz";
  if (IsOneOf(label, {"MP1[P]", "MP1[C]", "MP2", "C1-L1", "P1-L1", "P2-L2"})) {
    column.kind = SeriesKind::ArcRms;
  } else if (label == "L4") {
    column.kind = SeriesKind::Slips;
    column.model = SlipModel::Trend;
  } else if (IsOneOf(label, {"MW[C]", "MW[P]"})) {
    column.kind = SeriesKind::Slips;
    column.model = SlipModel::Level;
  }
  return column;
}
