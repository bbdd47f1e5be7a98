// Quintavelmorc::PrintObs(k, S, obs, out): the value of one catalogue code for
// one record, written as one field of a listing row.  The catalogue names the
// inputs of each code; the formulas are here.
#include <ostream>

#include "GNSS/GNSSLinCombs.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/gnssobs.h"
#include "GNSS/gnssobsshort.h"
#include "src/ObsCatalogue.h"
#include "src/Quintavelmorc.h"

namespace {

using Q = Quintavelmorc;

constexpr int maxInputs = 4;

// A series the file does not carry reads as absent.
template <class T>
T At(const matrix<T>& series, long k) {
  return k < series.r ? series(k) : T();
}

// The record's value of an observation type; types whose values the records
// do not keep (S1, D5, C6 and the like) read as absent where they enter a
// combination.
gnssobs TypeValue(PhsDiffData& d, short type, long k) {
  const matrix<gnssobs>* series = d.ObsSeries(type);
  return series != nullptr ? At(*series, k) : gnssobs();
}

// The constellation constants are loaded for these letters only.
bool HasConstants(char S) { return S == 'G' || S == 'R' || S == 'E'; }

// Factor of a listed raw phase (1 for every other type); Galileo's L7 is its
// second frequency and shares the factor of L2.
long double UnitFactor(const Q& q, int type) {
  switch (type) {
    case Q::L1: return q.unitL1;
    case Q::L2: return q.unitL2;
    case Q::L5: return q.unitL5;
    case Q::L7: return q.unitL2;
    case Q::L8: return q.unitL8;
    default: return 1.0L;
  }
}

bool IsPhase(int type) {
  return type == Q::L1 || type == Q::L2 || type == Q::L5 || type == Q::L7 || type == Q::L8;
}

gnssobs RawValue(const Q& q, char S, int type, const gnssobs& value) {
  if (!IsPhase(type)) return value;
  // Metres need the constellation's wavelength.
  if (q.PhUnit == Q::METER && !HasConstants(S)) return gnssobs();
  return UnitFactor(q, type) * value;
}

// Combinations; x holds the code's inputs in catalogue order.  Phases enter
// in cycles whatever the phase unit.
gnssobs Combination(const Q& q, char S, int obs, const gnssobs* x) {
  if (obs == Q::P1C1 || obs == Q::P2C2) return x[0] - x[1];
  if (!HasConstants(S)) return gnssobs();
  switch (obs) {
    case Q::LGEOMFREE: return GNSS_L4(x[0], x[1]);
    case Q::PPGEOMFREE:
    case Q::PCGEOMFREE: return GNSS_P4(x[0], x[1]);
    case Q::LIONFREE: return GNSS_L3(x[0], x[1]);
    case Q::PCIONFREE:
    case Q::PPIONFREE: return GNSS_P3(x[0], x[1]);
    case Q::WIDELANEL: return GNSS_L5(x[0], x[1]);
    case Q::WIDELANEP:
    case Q::WIDELANEC: return GNSS_P5(x[0], x[1]);
    case Q::MELWUBC:
    case Q::MELWUBP: return GNSS_MW(x[0], x[1], x[2], x[3]);
    case Q::MP1:
    case Q::MC1: return (x[0] - q.mp1Fact1 * x[1]) + q.mp1Fact2 * x[2];
    case Q::MP2: return (x[0] - q.mp2Fact1 * x[1]) + q.mp2Fact2 * x[2];
    case Q::C1L1:
    case Q::P1L1: return x[0] - GLC::lamb1 * x[1];
    case Q::P2L2: return x[0] - GLC::lamb2 * x[1];
    default: return gnssobs();
  }
}

gnssobs ObsValue(Q& q, long k, char S, int obs) {
  const ObsCatalogueEntry* entry = FindObsEntry(obs);
  if (entry == nullptr) return gnssobs();
  // Galileo forms the per-system combinations with E5b as second frequency.
  const bool galileoInputs = S == 'E' && entry->scope == ObsScope::PerSystem;
  const ObsInputs& inputs = galileoInputs ? entry->galileo : entry->gpsGlonass;
  gnssobs x[maxInputs];
  for (short i = 0; i < inputs.count && i < maxInputs; i++) x[i] = TypeValue(q.rd, inputs.type[i], k);
  if (obs < kNumObsTypes) return RawValue(q, S, obs, x[0]);
  return Combination(q, S, obs, x);
}

}  // namespace

void Quintavelmorc::PrintObs(long k, char S, int obs, std::ostream& out) {
  const matrix<gnssobsshort>* doppler = rd.DopplerSeries(static_cast<short>(obs));
  if (doppler != nullptr) {
    out << At(*doppler, k);
    return;
  }
  // Types whose values the records do not keep (signal strengths, band 6,
  // the Dopplers beyond D1 and D2) are titled but write no field.
  if (IsObsType(obs) && rd.ObsSeries(static_cast<short>(obs)) == nullptr) return;
  out << ObsValue(*this, k, S, obs);
}
