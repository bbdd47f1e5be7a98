// Whole-file combination series of the epoch records: one combination value
// per observation record, with the coefficients of the record's constellation.
#include <cmath>

#include "GNSS/GNSSLinCombs.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/SatNumber.h"
#include "GNSS/SystemConstants.h"

namespace {

// A genuine zero of L4 or L5 is stored as this small value so that it is not
// later taken as a missing one.
const long double kSmallValue = 0.0001L;
const long double kSmallValueStored = 0.0005L;

// The Galileo blocks leave out satellite number 200; the Melbourne-Wuebbena
// series takes it (IsGalileoSat).
bool IsGalileoBlockSat(short s) { return IsNumberedSatOf(kGalileoPlace, s); }

bool Present(const matrix<gnssobs>& series, long i) { return !series(i).IsNull(); }

long double KeepNonZero(long double value) {
  return std::fabs(value) < kSmallValue ? kSmallValueStored : value;
}

// Stores, for every record i that `handles` accepts, the value `combine`
// forms, or 0 (absent) when it reports the inputs missing; the indicators are
// cleared either way.
template <class Handles, class Combine>
void FillRecords(const PhsDiffData& d, matrix<gnssobs>& out, Handles handles, Combine combine) {
  for (long i = 0; i < d.nobs; i++) {
    if (!handles(d.sat(i))) continue;
    long double value = 0;
    out(i) = combine(i, value) ? value : 0.0L;
  }
}

void SizeSeries(matrix<gnssobs>& series, long nobs) { series.Resize(nobs, 1); }

// The Galileo block of a method sizes its series only when no earlier block did.
void SizeSeriesIfEmpty(matrix<gnssobs>& series, long nobs) {
  if (series.r == 0) series.Resize(nobs, 1);
}

// Loads groups of a GPS or GLONASS record's constants into GLC; false for a
// record of another system or a GLONASS slot out of the table or not yet
// set, whose values would be meaningless.
bool LoadRecordConstants(short s, unsigned groups) {
  SystemConstants constants;
  if (!GpsGlonassConstants(s, constants)) return false;
  LoadGLC(constants, groups);
  return true;
}

// Code minus phase takes each record's own wavelength, Galileo's from 201 on.
bool LoadCL1Lamb(short s) {
  if (!IsGalileoBlockSat(s)) return LoadRecordConstants(s, kPairWavelengthGroup);
  LoadGLC(kGalileoConstants, kPairWavelengthGroup);
  return true;
}

constexpr unsigned kMWGroups = kWideLaneGroup | kNarrowLaneGroup | kPairWavelengthGroup;

// Ionosphere-free code of a first code and P2 (GPS, GLONASS) or C7 (Galileo).
// Records of Galileo and above keep their value in the first block when their
// inputs are present, so that the Galileo block alone decides them.
void FormP3(PhsDiffData& d, matrix<gnssobs>& out, bool& flag, const matrix<gnssobs>& code,
            bool hasCode) {
  PhsDiffHeader& h = d.rhead;
  if (hasCode && h.iP2) {
    flag = true;
    SizeSeries(out, d.nobs);
    for (long i = 0; i < d.nobs; i++) {
      const short s = d.sat(i);
      if (!Present(code, i) || !Present(d.P2, i)) {
        out(i) = 0.0L;
      } else if (!IsGpsSat(s) && !IsGlonassSat(s)) {
        out(i) = out(i).obs;
      } else if (IsGlonassSat(s)) {
        out(i) = GNSS_P3R(code(i).obs, d.P2(i).obs);
      } else {
        LoadGLC(kGpsConstants, kIonFreeGroup);
        out(i) = GNSS_P3(code(i).obs, d.P2(i).obs);
      }
    }
  }
  if (!hasCode || !h.iC7) return;
  flag = true;
  SizeSeriesIfEmpty(out, d.nobs);
  LoadGLC(kGalileoConstants, kIonFreeGroup);
  FillRecords(d, out, IsGalileoBlockSat, [&](long i, long double& value) {
    if (!Present(code, i) || !Present(d.C7, i)) return false;
    value = GNSS_P3(code(i).obs, d.C7(i).obs);
    return true;
  });
}

// Galileo block of L3 and L4: E1 with E5b (L7), Galileo records only.
template <class Combination>
void FormGalileoPhase(PhsDiffData& d, matrix<gnssobs>& out, bool& flag, unsigned groups,
                      Combination combination) {
  if (!d.rhead.iL1 || !d.rhead.iL7) return;
  flag = true;
  SizeSeriesIfEmpty(out, d.nobs);
  LoadGLC(kGalileoConstants, groups);
  FillRecords(d, out, IsGalileoBlockSat, [&](long i, long double& value) {
    if (!Present(d.L1, i) || !Present(d.L7, i)) return false;
    value = combination(d.L1(i).obs, d.L7(i).obs);
    return true;
  });
}

// First block of L3, L4 and L5: L1 with L2 for GPS and GLONASS records, each
// with its own coefficients; records of other systems have no L1/L2 pair
// here and stay absent.
template <class Combination>
void FormL1L2(PhsDiffData& d, matrix<gnssobs>& out, bool& flag, unsigned groups,
              Combination combination) {
  if (!d.rhead.iL1 || !d.rhead.iL2) return;
  flag = true;
  SizeSeries(out, d.nobs);
  FillRecords(
      d, out, [](short) { return true; },
      [&](long i, long double& value) {
        if (!Present(d.L1, i) || !Present(d.L2, i) || !LoadRecordConstants(d.sat(i), groups))
          return false;
        value = combination(d.L1(i).obs, d.L2(i).obs);
        return true;
      });
}

long double L3Of(const long double& l1, const long double& l2) { return GNSS_L3(l1, l2); }

long double L4Of(const long double& l1, const long double& l2) { return GNSS_L4(l1, l2); }

long double L4KeptNonZero(const long double& l1, const long double& l2) {
  return KeepNonZero(GNSS_L4(l1, l2));
}

long double L5KeptNonZero(const long double& l1, const long double& l2) {
  return KeepNonZero(GNSS_L5(l1, l2));
}

// The Melbourne-Wuebbena value of one record, or false when its inputs (or
// its system's coefficients) are missing.
bool MWOfRecord(const PhsDiffData& d, long i, const matrix<gnssobs>& code, long double& value) {
  const PhsDiffHeader& h = d.rhead;
  const short s = d.sat(i);
  if (!Present(d.L1, i) || !Present(code, i)) return false;
  if (IsGpsSat(s) || IsGlonassSat(s)) {
    if (!h.iL2 || !h.iP2 || !Present(d.L2, i) || !Present(d.P2, i) ||
        !LoadRecordConstants(s, kMWGroups))
      return false;
    value = GNSS_MW(d.L1(i).obs, d.L2(i).obs, code(i).obs, d.P2(i).obs);
    return true;
  }
  if (!IsGalileoSat(s) || !h.iL7 || !h.iC7 || !Present(d.L7, i) || !Present(d.C7, i)) return false;
  LoadGLC(kGalileoConstants, kMWGroups);
  value = GNSS_MW(d.L1(i).obs, d.L7(i).obs, code(i).obs, d.C7(i).obs);
  return true;
}

}  // namespace

void PhsDiffData::SetLC_CL1() {
  if (!rhead.iL1 || !rhead.iC1) return;
  rhead.iCL1 = true;
  SizeSeries(CL1, nobs);
  FillRecords(
      *this, CL1, [](short) { return true; },
      [&](long i, long double& value) {
        if (!Present(C1, i) || !Present(L1, i) || !LoadCL1Lamb(sat(i))) return false;
        value = GNSS_CL1(C1(i).obs, L1(i).obs);
        return true;
      });
}

void PhsDiffData::SetLC_PC3() { FormP3(*this, PC3, rhead.iPC3, C1, rhead.iC1); }

void PhsDiffData::SetLC_PP3() { FormP3(*this, PP3, rhead.iPP3, P1, rhead.iP1); }

void PhsDiffData::SetLC_L3() {
  FormL1L2(*this, L3, rhead.iL3, kIonFreeGroup | kPairWavelengthGroup, L3Of);
  FormGalileoPhase(*this, L3, rhead.iL3, kIonFreeGroup | kPairWavelengthGroup, L3Of);
}

void PhsDiffData::SetLC_L4() {
  FormL1L2(*this, L4, rhead.iL4, kPairWavelengthGroup, L4KeptNonZero);
  FormGalileoPhase(*this, L4, rhead.iL4, kPairWavelengthGroup, L4Of);
}

void PhsDiffData::SetLC_L5() {
  FormL1L2(*this, LC5, rhead.iLC5, kWideLaneGroup | kPairWavelengthGroup, L5KeptNonZero);
}

void PhsDiffData::SetLC_MW(bool useC1) {
  const bool hasCode = useC1 ? rhead.iC1 : rhead.iP1;
  rhead.iMW = rhead.iL1 && (rhead.iL2 || rhead.iL7) && hasCode && (rhead.iP2 || rhead.iC7);
  if (!rhead.iMW) return;
  const matrix<gnssobs>& code = useC1 ? C1 : P1;
  SizeSeries(MW, nobs);
  FillRecords(
      *this, MW, [](short) { return true; },
      [&](long i, long double& value) { return MWOfRecord(*this, i, code, value); });
}
