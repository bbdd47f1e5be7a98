// Cycle-slip screening: cutting each satellite's observations into ambiguity
// arcs (stretches without a data gap or a cycle slip) in the ambiguity file.
#include <cmath>
#include <string>
#include <vector>

#include "GNSS/AmbRecord.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/SatRecordIndex.h"
#include "GNSS/SystemConstants.h"
#include "GNSS/mGNSSc.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"

namespace {

// Seconds added to intMult intervals before a time step counts as a gap in
// the CL1 screening (the double value of 0.7, not the extended one).
const long double kGapMargin = 0.7;
// A satellite whose L1 wavelength is below this (an unset GLONASS slot) is
// not screened on CL1.
const long double kMinLamb = 0.01L;
// The Melbourne-Wuebbena split works in GPS wide-lane cycles whatever the
// satellite's system: the jump that separates two sub-arcs, and half of it as
// the starting sigma of each sub-arc.
const long double kWideLane = GPSc::lamWL;
const long double kHalfWideLane = GPSc::lamWL / 2;
const long double kSigMult = 3;

void RequireSeries(const PhsDiffData& d, const matrix<gnssobs>& series, const char* name) {
  if (series.r == d.nobs) return;
  const std::string message = std::string(name) + " SERIES IS NOT FORMED FOR SCREENING";
  ProgramError(kProgramName, message.c_str());
}

void RequireElev(const PhsDiffData& d, const matrix<long double>& Elev, long nCols) {
  if (d.nobs == 0 || (Elev.r == d.nobs && Elev.c >= nCols)) return;
  const std::string message = "ELEVATION TABLE MUST HAVE " + std::to_string(d.nobs) + " ROWS AND " +
                              std::to_string(nCols) + " COLUMN(S)";
  ProgramError(kProgramName, message.c_str());
}

// Counts closed arcs and writes those long enough.
struct ArcTally {
  AmbRecordWriter& out;
  long minObs;
  long nAll = 0;
  long nShort = 0;

  void Close(const AmbRecord& arc) {
    nAll++;
    if (arc.count < minObs) {
      nShort++;
      return;
    }
    out.Write(arc);
  }
  long Written() const { return nAll - nShort; }
};

matrix<long> EpochStarts(const PhsDiffData& d) {
  matrix<long> starts(d.neph, 1);
  long first = 0;
  for (long e = 0; e < d.neph; e++) {
    starts(e) = first;
    first += d.nsat(e);
  }
  return starts;
}

// Where each satellite's records and each epoch's first record lie, so that
// a satellite's records are visited without walking the whole file.
struct RecordLayout {
  SatRecordIndex bySat;
  matrix<long> epochStart;

  explicit RecordLayout(const PhsDiffData& d) : bySat(d), epochStart(EpochStarts(d)) {}
};

// Sequential cutting of satellite p's usable records: a step from one usable
// record to the next that `breaks` (time step dt in seconds, change of the
// series' value) closes the arc and opens a new one.
template <class Usable, class Breaks>
void CutSatellite(const PhsDiffData& d, const RecordLayout& layout, short p,
                  const matrix<gnssobs>& series, Usable usable, Breaks breaks, ArcTally& tally) {
  AmbRecord arc;
  arc.sat = p;
  long prevEpoch = -1;
  long prevRecord = -1;
  for (long pos = layout.bySat.First(p); pos < layout.bySat.End(p); pos++) {
    const long k = layout.bySat.record(pos);
    if (!usable(k)) continue;
    const long e = layout.bySat.epochAt(pos);
    const bool opens = prevRecord < 0 || breaks(d.epoch(e) - d.epoch(prevEpoch),
                                                series(k).obs - series(prevRecord).obs);
    if (opens && prevRecord >= 0) {
      arc.lastEpoch = prevEpoch;
      tally.Close(arc);
    }
    if (opens) {
      arc.firstEpoch = e;
      arc.firstRecord = layout.epochStart(e);
      arc.count = 0;
    }
    arc.count++;
    prevEpoch = e;
    prevRecord = k;
  }
  if (arc.count == 0) return;
  arc.lastEpoch = prevEpoch;
  tally.Close(arc);
}

// GPS and GLONASS satellites only; 0 where the wavelength is not known.
long double CL1Wavelength(short p) {
  SystemConstants constants;
  return GpsGlonassConstants(p, constants) ? constants.lamb1 : 0.0L;
}

// Index of a record of p in epoch e (whose first record is io), or -1.
template <class Accept>
long RecordOfSat(const PhsDiffData& d, short p, long e, long io, Accept accept) {
  for (long k = io; k < io + d.nsat(e); k++)
    if (d.sat(k) == p && accept(k)) return k;
  return -1;
}

// p's L4 at epoch e, or `previous` where p has no record there.
long double L4AtEpoch(const PhsDiffData& d, short p, long e, long io, long double previous) {
  const long k = RecordOfSat(d, p, e, io, [](long) { return true; });
  return k < 0 ? previous : d.L4(k).obs;
}

// First record index of epoch `to`, walking forward from epoch `from`.
long FirstRecordOfEpoch(const PhsDiffData& d, long from, long ioFrom, long to) {
  for (long e = from; e < to; e++) ioFrom += d.nsat(e);
  return ioFrom;
}

// Satellite p's L4 at three consecutive epochs, with each epoch's first
// record, sliding forward one epoch at a time.  An epoch where p has no record
// repeats the newest value.
struct L4Window {
  const PhsDiffData& d;
  short p;
  long io1, io2, io3;
  long double y1, y2, y3;

  // The first two epochs of the window are iS and iS + 1 (0 where p is missing).
  L4Window(const PhsDiffData& data, short prn, long iS, long ioS)
      : d(data),
        p(prn),
        io1(ioS),
        io2(io1 + data.nsat(iS)),
        io3(io2 + data.nsat(iS + 1)),
        y1(L4AtEpoch(data, prn, iS, io1, 0)),
        y2(L4AtEpoch(data, prn, iS + 1, io2, 0)),
        y3(y2) {}

  // Epoch i, the one after the middle, becomes the newest value.
  void Take(long i) { y3 = L4AtEpoch(d, p, i, io3, y3); }
  void Slide(long i) {
    y1 = y2;
    y2 = y3;
    io1 = io2;
    io2 = io3;
    io3 += d.nsat(i);
  }
};

// Three consecutive L4 values lie close to a straight line and change little.
bool IsSmoothTriple(long double y1, long double y2, long double y3, long double dVL4Max,
                    long double dL4Max) {
  const long double oL1 = y1 - y2;
  const long double oL3 = y3 - y2;
  const long double a = (oL3 - oL1) / 2;
  const long double b = (oL1 + oL3) / 3;
  const long double v1 = -a - b - oL1;
  const long double v2 = -b;
  const long double v3 = a - b - oL3;
  return std::fabs(v1) <= dVL4Max && std::fabs(v2) <= dVL4Max && std::fabs(v3) <= dVL4Max &&
         std::fabs(oL1) <= dL4Max && std::fabs(oL3) <= dL4Max;
}

struct L4Limits {
  long double dL4Max;   // change between neighbouring epochs at an arc's start
  long double dVL4Max;  // departure from a line at an arc's start
  long double dAL4Max;  // second difference that marks a slip
};

// Cuts the stretch iS..iL of satellite p into arcs at its slips.
void CutStretch(PhsDiffData& d, short p, long iS, long ioS, long iL, long minObs,
                const L4Limits& lim, AmbRecordWriter& out, long& nAmb) {
  long iAL = iS;
  long ioAL = ioS;
  do {
    if (!d.FindContStart(p, iS, ioS, iL, lim.dVL4Max, lim.dL4Max)) return;
    const bool slip = d.FindCSlipL4(p, iS, ioS, iL, iAL, ioAL, lim.dAL4Max);
    const long nEpochs = iAL - iS + 1;
    if (nEpochs >= minObs) {
      nAmb++;
      out.Write(AmbRecord{p, iS, ioS, iAL, nEpochs});
    }
    if (!slip) return;
    iS = iAL + 1;
    ioS = ioAL + d.nsat(iAL);
  } while (iAL < iL - minObs + 1);
}

// One present Melbourne-Wuebbena value of an arc, with its epoch.
struct MWValue {
  long double mw;
  long epoch;
  long firstRecord;  // first record of that epoch
};

void RequireArcInData(const PhsDiffData& d, const AmbRecord& arc, long k) {
  if (arc.firstEpoch >= 0 && arc.firstEpoch <= arc.lastEpoch && arc.lastEpoch < d.neph) return;
  const std::string message =
      "AMBIGUITY RECORD " + std::to_string(k) + " LIES OUTSIDE THE EPOCHS OF THE DATA";
  ProgramError(kProgramName, message.c_str());
}

// The present MW values of the arc's satellite over the arc's epochs.  Absent
// values are left out: a 0 would look like a jump of the whole MW value.
std::vector<MWValue> CollectMW(const PhsDiffData& d, const AmbRecord& arc,
                               const RecordLayout& layout) {
  const SatRecordIndex& ix = layout.bySat;
  // The satellite's records run in epoch order: find the first one of the arc.
  long pos = ix.First(arc.sat);
  const long end = ix.End(arc.sat);
  for (long hi = end; pos < hi;) {
    const long mid = pos + (hi - pos) / 2;
    if (ix.epochAt(mid) < arc.firstEpoch)
      pos = mid + 1;
    else
      hi = mid;
  }
  std::vector<MWValue> values;
  for (; pos < end; pos++) {
    const long k = ix.record(pos);
    const long e = ix.epochAt(pos);
    if (e > arc.lastEpoch) break;
    if (!d.MW(k).IsNull()) values.push_back({d.MW(k).obs, e, layout.epochStart(e)});
  }
  return values;
}

// Whether the scatter of the values stays within RMS / sqrt(n - 1).  Needs at
// least two values.
bool ScatterWithin(const std::vector<MWValue>& values, long double RMS) {
  const long double mwAvg0 = values[0].mw;
  const long double namb = values.size();
  long double t = 0;
  long double ff = 0;
  for (const MWValue& v : values) {
    t += v.mw - mwAvg0;
    ff += (v.mw - mwAvg0) * (v.mw - mwAvg0);
  }
  // Rounding can leave the sum of squares a hair below t^2/n.
  const long double variance = std::fmax(0.0L, (ff - t * t / namb) / (namb - 1));
  return std::sqrt(variance) <= RMS / std::sqrt(namb - 1);
}

// A sub-arc of the MW split with its running mean and sigma.
struct SubArc {
  size_t start;
  size_t end;
  long double mwavg;
  long double mwsig;
  long mwcount;

  SubArc(const std::vector<MWValue>& values, size_t first)
      : start(first), end(first), mwavg(values[first].mw), mwsig(kHalfWideLane), mwcount(1) {}

  bool Fits(long double value) const { return std::fabs(value - mwavg) <= kSigMult * mwsig; }

  void Accept(size_t j, long double value) {
    const long double dif = value - mwavg;
    mwcount++;
    mwavg += dif / mwcount;
    mwsig = std::sqrt(mwsig * mwsig + (dif * dif - mwsig * mwsig) / mwcount);
    end = j;
  }
};

long CloseSubArc(const std::vector<MWValue>& values, const SubArc& sub, short p, long minObs,
                 AmbRecordWriter& out) {
  if (sub.mwcount < minObs) return 0;
  const MWValue& first = values[sub.start];
  out.Write(AmbRecord{p, first.epoch, first.firstRecord, values[sub.end].epoch, sub.mwcount});
  return 1;
}

// Splits an arc whose MW values scatter too much into sub-arcs at jumps of
// the MW value, passing over single outliers.  Returns the sub-arcs written.
long SplitArc(const std::vector<MWValue>& v, short p, long minObs, AmbRecordWriter& out) {
  const size_t n = v.size();
  SubArc sub(v, 0);
  long written = 0;
  size_t j = 1;
  for (; j + 1 < n; j++) {
    if (sub.Fits(v[j].mw)) {
      sub.Accept(j, v[j].mw);
    } else if (std::fabs(v[j + 1].mw - sub.mwavg) < kSigMult * sub.mwsig) {
      sub.end = j;  // a single outlier inside the sub-arc
    } else {
      written += CloseSubArc(v, sub, p, minObs, out);
      // A value far from its successor as well is skipped.
      if (std::fabs(v[j].mw - v[j + 1].mw) >= kWideLane) j++;
      sub = SubArc(v, j);
    }
  }
  // The last value has no successor to tell an outlier from a jump: it joins
  // the sub-arc only when it fits.
  if (j == n - 1 && sub.Fits(v[j].mw)) sub.Accept(j, v[j].mw);
  return written + CloseSubArc(v, sub, p, minObs, out);
}

}  // namespace

void PhsDiffData::ScreenCL1(const matrix<long double>& Elev, long double MinElev, long MinObsAmb,
                            long double lam1Mult, long double intMult, long& NAmbAll) {
  RequireSeries(*this, CL1, "CL1");
  RequireElev(*this, Elev, 1);
  AmbRecordWriter out(AmbFile);
  ArcTally tally{out, MinObsAmb};
  const long double gapMax = intMult * rhead.interval + kGapMargin;
  const RecordLayout layout(*this);
  for (long s = 0; s < satList.r; s++) {
    const short p = satList(s);
    const long double lamb = CL1Wavelength(p);
    if (std::fabs(lamb) < kMinLamb) continue;
    const long double slipMax = lam1Mult * lamb;
    CutSatellite(
        *this, layout, p, CL1, [&](long k) { return !CL1(k).IsNull() && Elev(k, 0) > MinElev; },
        [&](long double dt, long double d) { return dt > gapMax || std::fabs(d) > slipMax; },
        tally);
  }
  out.Close();
  NAmbAll = tally.Written();
}

void PhsDiffData::ScreenL4(const matrix<long double>& Elev, long double MinElev, long MinObsAmb,
                           long double dL40, long double ddL4, long double MaxTimeGap,
                           long& NAmbAll) {
  RequireSeries(*this, L4, "L4");
  RequireElev(*this, Elev, 2);
  AmbRecordWriter out(AmbFile);
  ArcTally tally{out, MinObsAmb};
  const auto usable = [&](long k) {
    return !L4(k).IsNull() && Elev(k, 0) > MinElev && Elev(k, 1) > MinElev;
  };
  // Over one second only dL40 of change is allowed; the allowance grows with
  // the square root of the time step beyond it.
  const auto breaks = [&](long double dt, long double d) {
    return dt > MaxTimeGap || std::fabs(d) > dL40 + ddL4 * std::sqrt(std::fabs(dt - 1));
  };
  const RecordLayout layout(*this);
  for (long s = 0; s < satList.r; s++)
    CutSatellite(*this, layout, satList(s), L4, usable, breaks, tally);
  out.Close();
  NAmbAll = tally.Written();
}

void PhsDiffData::ScreenL4Linear(const matrix<long double>& Elev, long double MinElev,
                                 long MinObsAmb, long double dL40, long double ddL4,
                                 long double MaxTimeGap, long& NAmbAll) {
  RequireSeries(*this, L4, "L4");
  RequireElev(*this, Elev, 2);
  const long double s = std::sqrt(MaxTimeGap);
  const L4Limits lim{s * ddL4 + dL40, s * ddL4 / 2 + dL40 / 6, s * ddL4 + dL40 / 3};
  AmbRecordWriter out(AmbFile);
  NAmbAll = 0;
  for (long k = 0; k < satList.r; k++) {
    const short p = satList(k);
    long iS = 0;
    long ioS = 0;
    while (FirstSatObsL4(p, iS, ioS, Elev, MinElev) && iS <= neph - MinObsAmb) {
      long iL = iS;
      long ioL = ioS;
      LastSatObsL4(p, iS, ioS, iL, ioL, Elev, MinElev, MaxTimeGap);
      if (iL - iS + 1 >= MinObsAmb) CutStretch(*this, p, iS, ioS, iL, MinObsAmb, lim, out, NAmbAll);
      if (iL >= neph - 1) break;
      iS = iL + 1;
      ioS = ioL + nsat(iL);
    }
  }
  out.Close();
}

bool PhsDiffData::FirstSatObsL4(short prn, long& iS, long& ioS, const matrix<long double>& Elev,
                                long double me) {
  const auto usable = [&](long k) { return !L4(k).IsNull() && Elev(k, 0) > me && Elev(k, 1) > me; };
  for (; iS < neph; iS++) {
    if (RecordOfSat(*this, prn, iS, ioS, usable) >= 0) return true;
    ioS += nsat(iS);
  }
  return false;
}

void PhsDiffData::LastSatObsL4(short prn, long iS, long ioS, long& iL, long& ioL,
                               const matrix<long double>& Elev, long double me, long double MaxDt) {
  const auto usable = [&](long k) { return !L4(k).IsNull() && Elev(k, 0) > me && Elev(k, 1) > me; };
  iL = iS;
  ioL = ioS;
  while (iL + 1 < neph && epoch(iL + 1) - epoch(iL) <= MaxDt) {
    const long ioNext = ioL + nsat(iL);
    if (RecordOfSat(*this, prn, iL + 1, ioNext, usable) < 0) return;
    iL++;
    ioL = ioNext;
  }
}

bool PhsDiffData::FindContStart(short prn, long& iS, long& ioS, long iL, long double dVL4Max,
                                long double dL4Max) {
  if (iL < iS + 2) return false;
  L4Window w(*this, prn, iS, ioS);
  for (long i = iS + 2; i <= iL; i++) {
    w.Take(i);
    if (IsSmoothTriple(w.y1, w.y2, w.y3, dVL4Max, dL4Max)) {
      iS = i - 2;
      ioS = w.io1;
      return true;
    }
    w.Slide(i);
  }
  return false;
}

bool PhsDiffData::FindCSlipL4(short prn, long iS, long ioS, long iL, long& iAL, long& ioAL,
                              long double dAL4Max) {
  iAL = iL;
  if (iL < iS + 2) {
    ioAL = FirstRecordOfEpoch(*this, iS, ioS, iL);
    return false;
  }
  L4Window w(*this, prn, iS, ioS);
  for (long i = iS + 2; i <= iL; i++) {
    w.Take(i);
    if (std::fabs(w.y3 - 2 * w.y2 + w.y1) > dAL4Max) {
      iAL = i - 1;
      ioAL = w.io2;
      return true;
    }
    w.Slide(i);
  }
  ioAL = w.io2;
  return false;
}

void PhsDiffData::ScreenMW(long double RMS, long MinObsAmb, long& NAmbAll) {
  RequireSeries(*this, MW, "MW");
  const matrix<AmbRecord> arcs = ReadAmbRecords(AmbFile, NAmbAll);
  for (long k = 0; k < arcs.r; k++) RequireArcInData(*this, arcs(k), k);
  const RecordLayout layout(*this);
  AmbRecordWriter out(AmbFile);
  long written = 0;
  for (long k = 0; k < arcs.r; k++) {
    const std::vector<MWValue> values = CollectMW(*this, arcs(k), layout);
    // With fewer than two values the scatter cannot be judged; the arc stands.
    if (values.size() < 2 || ScatterWithin(values, RMS)) {
      out.Write(arcs(k));
      written++;
      continue;
    }
    written += SplitArc(values, arcs(k).sat, MinObsAmb, out);
  }
  out.Close();
  NAmbAll = written;
}
