// The value of one catalogue code for one record of a satellite.  The
// catalogue names the inputs and the formula of each code; the formulas'
// arithmetic is here.
#include "catalogue/ObsColumn.h"

#include <algorithm>

#include "GNSS/GNSSLinCombs.h"
#include "GNSS/PhsDiffData.h"
#include "PROGINC/Portability.h"
#include "catalogue/ObsCatalogue.h"

namespace {

using H = PhsDiffHeader;

// A series the file does not carry reads as absent.
template <class T>
T At(const matrix<T>& series, long k) {
  return k >= 0 && k < series.r ? series.v[k] : T();
}

// The constellation constants are loaded for these letters only.
bool HasConstants(char S) { return S == 'G' || S == 'R' || S == 'E'; }

// Factor of a listed raw phase (1 for every other type); Galileo's L7 is its
// second frequency and shares the factor of L2.
long double UnitFactor(const RowFactors& f, int type) {
  switch (type) {
    case H::L1:
      return f.unitL1;
    case H::L2:
      return f.unitL2;
    case H::L5:
      return f.unitL5;
    case H::L7:
      return f.unitL2;
    case H::L8:
      return f.unitL8;
    default:
      return 1.0L;
  }
}

gnssobs RawValue(const RowFactors& f, char S, int type, const gnssobs& value) {
  const ObsCatalogueEntry* entry = FindObsEntry(type);
  if (entry == nullptr || entry->unit != ObsUnit::Phase) return value;
  // Metres need the constellation's wavelength.
  if (f.metres && !HasConstants(S)) return gnssobs();
  return UnitFactor(f, type) * value;
}

// Combinations; x points to the code's inputs in catalogue order.  Phases
// enter in cycles whatever the phase unit.
gnssobs Combination(const RowFactors& f, char S, ObsFormula formula, const gnssobs* const* x) {
  if (formula == ObsFormula::Difference) return *x[0] - *x[1];
  if (!HasConstants(S)) return gnssobs();
  switch (formula) {
    case ObsFormula::GeometryFreePhase:
      return GNSS_L4(*x[0], *x[1]);
    case ObsFormula::GeometryFreeCode:
      return GNSS_P4(*x[0], *x[1]);
    case ObsFormula::IonoFreePhase:
      return GNSS_L3(*x[0], *x[1]);
    case ObsFormula::IonoFreeCode:
      return GNSS_P3(*x[0], *x[1]);
    case ObsFormula::WideLanePhase:
      return GNSS_L5(*x[0], *x[1]);
    case ObsFormula::WideLaneCode:
      return GNSS_P5(*x[0], *x[1]);
    case ObsFormula::MelbourneWuebbena:
      return GNSS_MW(*x[0], *x[1], *x[2], *x[3]);
    case ObsFormula::MultipathFirst:
      return (*x[0] - f.mp1Fact1 * *x[1]) + f.mp1Fact2 * *x[2];
    case ObsFormula::MultipathSecond:
      return (*x[0] - f.mp2Fact1 * *x[1]) + f.mp2Fact2 * *x[2];
    case ObsFormula::MinusPhase1:
      return *x[0] - GLC::lamb1 * *x[1];
    case ObsFormula::MinusPhase2:
      return *x[0] - GLC::lamb2 * *x[1];
    default:
      return gnssobs();
  }
}

// The series of a code's inputs; types whose values the records do not keep
// (S1, D5, C6 and the like) have none and read as absent, so their titled
// columns hold the absent value and every later value stays under its title.
void ResolveInputs(PhsDiffData& data, char letter, const ObsCatalogueEntry& entry,
                   ObsColumn& column) {
  // Galileo forms the per-system combinations with E5b as second frequency.
  const bool galileoInputs = letter == 'E' && entry.scope == ObsScope::PerSystem;
  const ObsInputs& inputs = galileoInputs ? entry.galileo : entry.gpsGlonass;
  for (short i = 0; i < inputs.count && i < ObsColumn::kMaxInputs; i++)
    column.input[column.nInputs++] = data.ObsSeries(inputs.type[i]);
}

}  // namespace

ObsColumn MakeObsColumn(PhsDiffData& data, char letter, int obs) {
  ObsColumn column{ObsColumn::VALUE,
                   obs,
                   ObsFormula::Raw,
                   letter,
                   nullptr,
                   0,
                   {nullptr, nullptr, nullptr, nullptr}};
  column.doppler = data.DopplerSeries(static_cast<short>(obs));
  if (column.doppler != nullptr) {
    column.kind = ObsColumn::DOPPLER;
    return column;
  }
  const ObsCatalogueEntry* entry = FindObsEntry(obs);
  if (entry == nullptr) return column;
  column.formula = entry->formula;
  ResolveInputs(data, letter, *entry, column);
  return column;
}

gnssobs ColumnValue(const RowFactors& factors, const ObsColumn& column, long k) {
  // Inputs are read in place; a missing series or record reads as absent.
  static const gnssobs absent;
  const gnssobs* x[ObsColumn::kMaxInputs] = {&absent, &absent, &absent, &absent};
  for (short i = 0; i < column.nInputs; i++) {
    const matrix<gnssobs>* series = column.input[i];
    if (series != nullptr && k >= 0 && k < series->r) x[i] = series->v + k;
  }
  if (column.formula == ObsFormula::Raw) return RawValue(factors, column.letter, column.obs, *x[0]);
  return Combination(factors, column.letter, column.formula, x);
}

gnssobsshort ColumnDoppler(const ObsColumn& column, long k) { return At(*column.doppler, k); }

namespace {

template <class T>
void Prefetch(const matrix<T>* series, long k) {
  if (series == nullptr || k < 0 || k >= series->r) return;
  const char* entry = reinterpret_cast<const char*>(series->v + k);
  PrefetchForRead(entry);
  PrefetchForRead(entry + sizeof(T) - 1);
}

template <class T>
void AddOnce(std::vector<const matrix<T>*>& series, const matrix<T>* one) {
  if (one != nullptr && std::find(series.begin(), series.end(), one) == series.end())
    series.push_back(one);
}

}  // namespace

RowSeries SeriesOfRow(const std::vector<ObsColumn>& columns) {
  RowSeries series;
  for (const ObsColumn& column : columns) {
    AddOnce(series.doppler, column.doppler);
    for (short i = 0; i < column.nInputs; i++) AddOnce(series.values, column.input[i]);
  }
  return series;
}

void PrefetchRow(const RowSeries& series, long k) {
  for (const matrix<gnssobs>* values : series.values) Prefetch(values, k);
  for (const matrix<gnssobsshort>* doppler : series.doppler) Prefetch(doppler, k);
}
