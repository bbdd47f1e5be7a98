// The epoch records of a single-difference file: sizing, the series of
// each type, and the system tests.  Reading is in PhsDiffData_Read.cpp.
#include "GNSS/PhsDiffData.h"

#include <cstring>

#include "GNSS/SatNumber.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"

namespace {

// A newly allocated column of n default-constructed entries (absent values,
// day 0): allocation alone initialises class elements, without a second pass.
template <class T>
void FreshColumn(matrix<T>& m, long n) {
  m.Resize(0, 0);
  m.Resize(n, 1);
}

}  // namespace

PhsDiffData::PhsDiffData(PhsDiffHeader& head)
    : neph(0), nobs(0), NBadEphSat(0), NBadEphObs(0), NOKEph(0), rhead(head) {
  AmbFile[0] = '\0';
  kept.set();
}

bool PhsDiffData::KeepsType(short code) const {
  return code >= 0 && code < PhsDiffHeader::NTYPES && kept.test(static_cast<size_t>(code));
}

void PhsDiffData::SetNRecords(long ne, long ns) {
  neph = static_cast<int>(ne);
  nobs = static_cast<int>(ns);
}

void PhsDiffData::SetData() {
  if (neph != 0) {
    nsat.Resize(neph, 1, 0);
    FreshColumn(epoch, neph);
    clkErB.Resize(neph, 1, 0.0L);
    dtR_B.Resize(neph, 1, 0.0L);
    clkErR.Resize(neph, 1, 0.0L);
  }
  if (nobs == 0) return;
  sat.Resize(nobs, 1, 0);
  for (long k = 0; k < rhead.nobs; k++) {
    const short code = rhead.obs(k);
    if (!KeepsType(code)) continue;
    if (matrix<gnssobs>* series = ObsSeries(code)) FreshColumn(*series, nobs);
    if (matrix<gnssobsshort>* series = DopplerSeries(code)) FreshColumn(*series, nobs);
  }
}

matrix<gnssobs>* PhsDiffData::ObsSeries(short code) {
  switch (code) {
    case PhsDiffHeader::C1:
      return &C1;
    case PhsDiffHeader::P1:
      return &P1;
    case PhsDiffHeader::P2:
      return &P2;
    case PhsDiffHeader::L1:
      return &L1;
    case PhsDiffHeader::L2:
      return &L2;
    case PhsDiffHeader::C2:
      return &C2;
    case PhsDiffHeader::C5:
      return &C5;
    case PhsDiffHeader::L5:
      return &L5;
    case PhsDiffHeader::C7:
      return &C7;
    case PhsDiffHeader::L7:
      return &L7;
    case PhsDiffHeader::C8:
      return &C8;
    case PhsDiffHeader::L8:
      return &L8;
    default:
      return nullptr;
  }
}

matrix<gnssobsshort>* PhsDiffData::DopplerSeries(short code) {
  if (code == PhsDiffHeader::D1) return &D1;
  if (code == PhsDiffHeader::D2) return &D2;
  return nullptr;
}

long double PhsDiffData::StoredValue(short code, long r) {
  if (const matrix<gnssobs>* series = ObsSeries(code))
    return r >= 0 && r < series->NRow() ? series->v[r].GetObs() : 0.0L;
  if (const matrix<gnssobsshort>* series = DopplerSeries(code))
    return r >= 0 && r < series->NRow() ? series->v[r].GetObs() : 0.0L;
  return 0.0L;
}

bool PhsDiffData::HasSystemObs(int system) const {
  long listed = 0;
  for (long k = 0; k < satList.NRow(); k++)
    if (IsNumberedSatOf(system, satList(k))) listed++;
  if (listed == 0) return false;
  long records = 0;
  for (long k = 0; k < nobs; k++)
    if (IsNumberedSatOf(system, sat(k))) records++;
  return static_cast<double>(records) / nobs > 0.1;
}

bool PhsDiffData::HasGPSObs() const { return HasSystemObs(kGpsPlace); }
bool PhsDiffData::HasGLONASSObs() const { return HasSystemObs(kGlonassPlace); }
bool PhsDiffData::HasGALILEOObs() const { return HasSystemObs(kGalileoPlace); }
bool PhsDiffData::HasBDSObs() const { return HasSystemObs(kBeiDouPlace); }

void PhsDiffData::SetAmbFile(const char* file) {
  if (std::strlen(file) >= sizeof AmbFile)
    ProgramError(kProgramName, "AMBIGUITY FILE NAME LONGER THAN 511 CHARACTERS!");
  std::strcpy(AmbFile, file);
}
