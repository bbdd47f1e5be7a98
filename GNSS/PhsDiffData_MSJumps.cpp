// PhsDiffData::CorrMSJumps: finds whole-millisecond receiver clock jumps
// between consecutive epochs and removes them from the L1 and L2 phases.
#include <cmath>
#include <iostream>

#include "GNSS/PhsDiffData.h"
#include "GNSS/SystemConstants.h"
#include "GNSS/mGNSSc.h"

namespace {

// Light travel in one millisecond, metres: the size of one clock jump.
constexpr long double MSm = GPSc::c * 0.001L;

// A series the file does not carry has no entries and so no present values.
bool Present(const matrix<gnssobs>& series, long k) { return k < series.r && !series(k).IsNull(); }

bool HasCodesAndPhases(const PhsDiffData& d, long k) {
  return Present(d.C1, k) && Present(d.P2, k) && Present(d.L1, k) && Present(d.L2, k);
}

// Record of `satellite` among the `count` records from `first`, or -1.
long FindRecord(const PhsDiffData& d, short satellite, long first, long count) {
  for (long k = first; k < first + count; k++)
    if (d.sat(k) == satellite) return k;
  return -1;
}

// Difference of one series between two records, rounded to double.
double Change(const matrix<gnssobs>& series, long earlier, long later) {
  return static_cast<double>(series(later).GetObs() - series(earlier).GetObs());
}

// Whole milliseconds by which code and phase drifted apart between two epochs
// (0 when no satellite passes the screening).  Satellites with a cycle slip
// (geometry-free phase change of 1 m or more) or disagreeing codes (10 m or
// more) are left out of the mean.
long double EpochJump(const PhsDiffData& d, long earlier, long nEarlier, long later, long nLater) {
  double sum = 0.0;
  long n = 0;
  for (long i = earlier; i < earlier + nEarlier; i++) {
    // Only GPS and GLONASS satellites with known wavelengths take part.
    SystemConstants k;
    if (!GpsGlonassConstants(d.sat(i), k)) continue;
    const long j = FindRecord(d, d.sat(i), later, nLater);
    if (j < 0 || !HasCodesAndPhases(d, i) || !HasCodesAndPhases(d, j)) continue;
    const double dC1 = Change(d.C1, i, j);
    const double dP2 = Change(d.P2, i, j);
    const double dL1 = static_cast<double>((d.L1(j).GetObs() - d.L1(i).GetObs()) * k.lamb1);
    const double dL2 = static_cast<double>((d.L2(j).GetObs() - d.L2(i).GetObs()) * k.lamb2);
    if (std::fabs(dL2 - dL1) < 1.0 && std::fabs(dP2 - dC1) < 10.0) {
      sum += (dC1 - dL1) + (dP2 - dL2);
      n += 2;
    }
  }
  if (n == 0) return 0.0L;
  const double dCL = sum / n;
  return std::round(dCL / MSm);  // halves away from zero
}

// Pass 1: the jump of each epoch in metres (epoch 0 never carries one).
matrix<long double> EstimateJumps(const PhsDiffData& d, long& nMSJumps) {
  matrix<long double> Lcorr(d.neph, 1, 0.0L);
  long earlier = 0;
  for (long s = 1; s < d.neph; s++) {
    const long later = earlier + d.nsat(s - 1);
    const long double MSJump = EpochJump(d, earlier, d.nsat(s - 1), later, d.nsat(s));
    if (std::fabs(MSJump) > 0.1L) {
      nMSJumps++;
      Lcorr(s) = MSJump * MSm;
    }
    earlier = later;
  }
  return Lcorr;
}

void ShiftPhase(matrix<gnssobs>& series, bool carried, long k, long double cycles) {
  if (carried && Present(series, k)) series(k) += cycles;
}

// Pass 2: every epoch's phases carry the sum of all jumps up to it.
void ApplyJumps(PhsDiffData& d, const matrix<long double>& Lcorr) {
  long double MSCorr = 0.0L;
  long first = 0;
  for (long s = 0; s < d.neph; s++) {
    MSCorr += Lcorr(s);
    for (long k = first; k < first + d.nsat(s); k++) {
      SystemConstants constants;
      if (MSCorr == 0.0L || !GpsGlonassConstants(d.sat(k), constants)) continue;
      ShiftPhase(d.L1, d.rhead.iL1, k, MSCorr / constants.lamb1);
      ShiftPhase(d.L2, d.rhead.iL2, k, MSCorr / constants.lamb2);
    }
    first += d.nsat(s);
  }
}

}  // namespace

PhsDiffData::TypeSet PhsDiffData::MSJumpTypes() {
  TypeSet types;
  for (short code : {PhsDiffHeader::C1, PhsDiffHeader::P2, PhsDiffHeader::L1, PhsDiffHeader::L2})
    types.set(static_cast<size_t>(code));
  return types;
}

void PhsDiffData::CorrMSJumps(long& nMSJumps) {
  std::cout.setf(std::ios::fixed, std::ios::floatfield);
  nMSJumps = 0;
  if (neph <= 0) return;
  const matrix<long double> Lcorr = EstimateJumps(*this, nMSJumps);
  ApplyJumps(*this, Lcorr);
}
