// The epoch records of a single-difference file: sizing, reading, the
// satellite list, the data interval and the system tests.
#include "GNSS/PhsDiffData.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "GNSS/PhsDiffScanner.h"
#include "GNSS/SatNumber.h"
#include "PROGINC/NumField.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"

namespace {

const size_t kSatWidth = PhsDiffScanner::SAT_WIDTH;
const size_t kValueWidth = PhsDiffScanner::VALUE_WIDTH;
const long double kMicro = 1e-6L;

// A newly allocated column of n default-constructed entries (absent values,
// day 0): allocation alone initialises class elements, without a second pass.
template <class T>
void FreshColumn(matrix<T>& m, long n) {
  m.Resize(0, 0);
  m.Resize(n, 1);
}

// Where the values of one header column go: the first element of an
// observation series, of a Doppler series, or nowhere (read past).  The
// series hold one element per record, allocated before reading starts, and
// every record index is checked against the record count before it is used.
struct ColumnTarget {
  gnssobs* obs;
  gnssobsshort* doppler;
};

std::vector<ColumnTarget> ColumnTargets(PhsDiffData& data) {
  const PhsDiffHeader& head = data.rhead;
  std::vector<ColumnTarget> targets(static_cast<size_t>(head.nobs > 0 ? head.nobs : 0));
  for (size_t k = 0; k < targets.size(); k++) {
    const short code = head.obs(static_cast<long>(k));
    if (!data.KeepsType(code)) continue;
    matrix<gnssobs>* obs = data.ObsSeries(code);
    matrix<gnssobsshort>* doppler = data.DopplerSeries(code);
    targets[k] = {obs != nullptr ? obs->v : nullptr, doppler != nullptr ? doppler->v : nullptr};
  }
  return targets;
}

// Reads the six fields of an epoch line into epoch index e: count, day,
// seconds of day and three clock values in microseconds.  The count, day and
// second must be there; a clock value that is missing or no number reads as
// 0, and so do the ones after it.
void StoreEpoch(PhsDiffData& data, long e, const LineReader& lines) {
  const char* p = lines.line;
  const char* end = lines.line + lines.length;
  long count = 0, day = 0;
  double second = 0, clocks[3] = {0, 0, 0};
  if (!(ScanInt(p, end, count) && ScanInt(p, end, day) && ScanReal(p, end, second)))
    SDFileLineError(lines.lineNo, "EPOCH LINE CAN NOT BE READ");
  for (double& clock : clocks)
    if (!ScanReal(p, end, clock)) break;
  mjd time;
  time.mjday = static_cast<unsigned>(day < 0 || day > 0xFFFFFFFFL ? 0xFFFFFFFFL : day);
  time.second = second;
  if (!time.TestMJDay() || !time.TestSecond()) SDFileLineError(lines.lineNo, "EPOCH NOT VALID");
  data.epoch(e) = time;
  data.dtR_B(e) = clocks[0] * kMicro;
  data.clkErB(e) = clocks[1] * kMicro;
  data.clkErR(e) = clocks[2] * kMicro;
}

// Reads one satellite line into record r.
void StoreSatellite(PhsDiffData& data, long r, const LineReader& lines,
                    const std::vector<ColumnTarget>& targets,
                    bool (&present)[PhsDiffData::NSATNUMBERS]) {
  const long number = IntField(lines.line, lines.length, 0, kSatWidth);
  if (number < 0 || number >= PhsDiffData::NSATNUMBERS)
    SDFileLineError(lines.lineNo, "SATELLITE NUMBER NOT IN RANGE 0 TO 699");
  data.sat(r) = static_cast<short>(number);
  present[number] = true;
  for (size_t k = 0; k < targets.size(); k++) {
    if (targets[k].obs == nullptr && targets[k].doppler == nullptr) continue;
    const double value =
        DecimalField(lines.line, lines.length, kSatWidth + kValueWidth * k, kValueWidth);
    if (targets[k].obs != nullptr)
      targets[k].obs[r] = value;
    else
      targets[k].doppler[r] = value;
  }
}

void WarnShortEpoch(long lineNo, long announced, long found) {
  char warning[160];
  std::snprintf(
      warning, sizeof warning,
      "SINGLE DIFFERENCES FILE ENDS IN THE EPOCH OF LINE %ld: %ld OF %ld SATELLITE LINES READ",
      lineNo, found, announced);
  ProgramWarning(Loader().program, warning);
}

void WarnCutLine(long lineNo) {
  char warning[160];
  std::snprintf(warning, sizeof warning,
                "SINGLE DIFFERENCES FILE, LINE %ld: LAST LINE IS CUT OFF AND IS NOT READ", lineNo);
  ProgramWarning(Loader().program, warning);
}

// The series were sized from the counting pass; a file that no longer
// matches those counts (changed between the passes) is not read further.
[[noreturn]] void CountsDiffer() {
  ProgramError(Loader().program, "SINGLE DIFFERENCES FILE CHANGED WHILE IT WAS BEING READ!");
}

void CheckRoom(long index, long size) {
  if (index >= size) CountsDiffer();
}

// satList: every satellite number that occurred, ascending, without 0.
void FormSatList(PhsDiffData& data, const bool (&present)[PhsDiffData::NSATNUMBERS]) {
  long distinct = 0;
  for (int n = 1; n < PhsDiffData::NSATNUMBERS; n++) distinct += present[n] ? 1 : 0;
  data.satList.Resize(distinct, 1);
  long next = 0;
  for (int n = 1; n < PhsDiffData::NSATNUMBERS; n++)
    if (present[n]) data.satList(next++) = static_cast<short>(n);
}

// The smallest spacing of consecutive epochs; 0 with fewer than two epochs.
void SetInterval(PhsDiffData& data) {
  PhsDiffHeader& head = data.rhead;
  head.interval = 0;
  if (data.neph < 2) return;
  head.interval = static_cast<float>(data.epoch(1) - data.epoch(0));
  for (long i = 1; i < data.neph; i++) {
    const long double d = data.epoch(i) - data.epoch(i - 1);
    if (d < 0)
      ProgramError(
          Loader().program,
          "PROBLEMS WITH CONSECUTIVE EPOCHS IN SINGLE DIFFERENCES FILE (eph(i) < eph(i-1))");
    if (d < head.interval) head.interval = static_cast<float>(d);
  }
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

std::istream& operator>>(std::istream& in, PhsDiffData& data) {
  if (!data.rhead.HasObservations) return in;
  bool present[PhsDiffData::NSATNUMBERS] = {};
  data.SetData();
  const std::vector<ColumnTarget> targets = ColumnTargets(data);
  PhsDiffScanner scan(in, data.rhead.nHeadLines);
  long e = 0, r = 0;
  while (scan.NextEpoch()) {
    CheckRoom(e, data.neph);
    StoreEpoch(data, e, scan.lines);
    const long epochLine = scan.lines.lineNo;
    long found = 0;
    while (found < scan.Count() && scan.NextSatellite()) {
      CheckRoom(r, data.nobs);
      StoreSatellite(data, r++, scan.lines, targets, present);
      found++;
    }
    if (found < scan.Count()) WarnShortEpoch(epochLine, scan.Count(), found);
    data.nsat(e++) = static_cast<short>(found);
  }
  if (scan.CutLine() != 0) WarnCutLine(scan.CutLine());
  if (e != data.neph || r != data.nobs) CountsDiffer();
  FormSatList(data, present);
  SetInterval(data);
  return in;
}
