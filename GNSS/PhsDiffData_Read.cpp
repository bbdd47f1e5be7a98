// Reading the epoch records of a single-difference file into the series: in
// one part, or in two parts at once on two threads.  Each part fills the
// epochs and records that the counting pass found in its stretch of the
// file, so the parts never write the same element; what each finds wrong is
// kept and reported after both have ended, in the order of the file, so the
// messages are those of a reading from the first line to the last.
#include <cstdio>
#include <functional>
#include <system_error>
#include <thread>
#include <vector>

#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffScanner.h"
#include "PROGINC/NumField.h"
#include "PROGINC/Prefault.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"

namespace {

const size_t kSatWidth = PhsDiffScanner::SAT_WIDTH;
const size_t kValueWidth = PhsDiffScanner::VALUE_WIDTH;
const long double kMicro = 1e-6L;

// Where the values of one header column go: the first element of an
// observation series, of a Doppler series, or nowhere (read past).  The
// series hold one element per record, allocated before reading starts, and
// every record index is checked against its part's end before it is used.
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

// The file holds more epochs or records in a stretch than the counting pass
// found there: it changed between the passes.
struct CountsDifferFault {};

// One stretch of the records, and what reading it found.
struct RecordPart {
  long firstEpoch = 0;
  long firstRecord = 0;
  long endEpoch = 0;      // one past its last epoch, as the counting pass found it
  long endRecord = 0;     // one past its last record
  bool toFileEnd = true;  // reads on to the end of the file, not to endEpoch

  long epochs = 0;   // one past the last epoch read
  long records = 0;  // one past the last record read
  bool present[PhsDiffData::NSATNUMBERS] = {};
  bool countsDiffer = false;
  SDFileFault fault{0, nullptr};  // what stopped the reading, if a line did
  long shortEpochLine = 0;        // an epoch whose satellite lines ran out
  long announced = 0;
  long found = 0;
  long cutLine = 0;
};

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
    throw SDFileFault{lines.lineNo, "EPOCH LINE CAN NOT BE READ"};
  for (double& clock : clocks)
    if (!ScanReal(p, end, clock)) break;
  mjd time;
  time.mjday = static_cast<unsigned>(day < 0 || day > 0xFFFFFFFFL ? 0xFFFFFFFFL : day);
  time.second = second;
  if (!time.TestMJDay() || !time.TestSecond()) throw SDFileFault{lines.lineNo, "EPOCH NOT VALID"};
  data.epoch(e) = time;
  data.dtR_B(e) = clocks[0] * kMicro;
  data.clkErB(e) = clocks[1] * kMicro;
  data.clkErR(e) = clocks[2] * kMicro;
}

// Reads one satellite line into record r.
void StoreSatellite(PhsDiffData& data, long r, const LineReader& lines,
                    const std::vector<ColumnTarget>& targets, RecordPart& part) {
  const long number = IntField(lines.line, lines.length, 0, kSatWidth);
  if (number < 0 || number >= PhsDiffData::NSATNUMBERS)
    throw SDFileFault{lines.lineNo, "SATELLITE NUMBER NOT IN RANGE 0 TO 699"};
  data.sat(r) = static_cast<short>(number);
  part.present[number] = true;
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

// The pages of the elements a part fills, taken before it starts, all at once.
void PrefaultPart(PhsDiffData& data, const std::vector<ColumnTarget>& targets,
                  const RecordPart& part) {
  const auto records = static_cast<size_t>(part.endRecord - part.firstRecord);
  if (data.sat.v != nullptr)
    PrefaultForWriting(data.sat.v + part.firstRecord, records * sizeof *data.sat.v);
  for (const ColumnTarget& target : targets) {
    if (target.obs != nullptr)
      PrefaultForWriting(target.obs + part.firstRecord, records * sizeof *target.obs);
    if (target.doppler != nullptr)
      PrefaultForWriting(target.doppler + part.firstRecord, records * sizeof *target.doppler);
  }
}

// Reads a part's epochs from `in`, which stands on the part's first line,
// line linesBefore + 1 of the file.
void ReadPart(PhsDiffData& data, const std::vector<ColumnTarget>& targets, std::istream& in,
              long linesBefore, RecordPart& part) {
  PrefaultPart(data, targets, part);
  PhsDiffScanner scan(in, linesBefore);
  long e = part.firstEpoch, r = part.firstRecord;
  try {
    while ((part.toFileEnd || e < part.endEpoch) && scan.NextEpoch()) {
      if (e >= part.endEpoch) throw CountsDifferFault{};
      StoreEpoch(data, e, scan.lines);
      const long epochLine = scan.lines.lineNo;
      long found = 0;
      while (found < scan.Count() && scan.NextSatellite()) {
        if (r >= part.endRecord) throw CountsDifferFault{};
        StoreSatellite(data, r++, scan.lines, targets, part);
        found++;
      }
      if (found < scan.Count()) {
        part.shortEpochLine = epochLine;
        part.announced = scan.Count();
        part.found = found;
      }
      data.nsat(e++) = static_cast<short>(found);
    }
    part.cutLine = scan.CutLine();
  } catch (const SDFileFault& fault) {
    part.fault = fault;
  } catch (const CountsDifferFault&) {
    part.countsDiffer = true;
  }
  part.epochs = e;
  part.records = r;
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

// What a part found, reported as a reading from its first line to its last
// would have: a fault ends the program; the warnings of the file's end come
// before the check that the part read what the counting pass found.
void ReportPart(const RecordPart& part) {
  if (part.fault.what != nullptr) SDFileLineError(part.fault);
  if (part.countsDiffer) CountsDiffer();
  if (part.shortEpochLine != 0) WarnShortEpoch(part.shortEpochLine, part.announced, part.found);
  if (part.cutLine != 0) WarnCutLine(part.cutLine);
  if (part.epochs != part.endEpoch || part.records != part.endRecord) CountsDiffer();
}

// satList: every satellite number that occurred, ascending, without 0.
void FormSatList(PhsDiffData& data, const RecordPart (&parts)[2]) {
  bool present[PhsDiffData::NSATNUMBERS] = {};
  long distinct = 0;
  for (int n = 1; n < PhsDiffData::NSATNUMBERS; n++) {
    present[n] = parts[0].present[n] || parts[1].present[n];
    distinct += present[n] ? 1 : 0;
  }
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

// Whether the split lies within the counts, so that both parts have room.
bool SplitFits(const RecordSplit& split, const PhsDiffData& data) {
  return split.Found() && split.epochs >= 0 && split.epochs <= data.neph && split.records >= 0 &&
         split.records <= data.nobs;
}

// Reads both parts, the second on a thread of its own when one can be had.
void ReadTwoParts(PhsDiffData& data, const std::vector<ColumnTarget>& targets, std::istream& in,
                  std::istream& rest, const RecordSplit& split, RecordPart (&parts)[2]) {
  parts[0].endEpoch = split.epochs;
  parts[0].endRecord = split.records;
  parts[0].toFileEnd = false;
  parts[1].firstEpoch = split.epochs;
  parts[1].firstRecord = split.records;
  std::thread other;
  try {
    other = std::thread(ReadPart, std::ref(data), std::cref(targets), std::ref(rest),
                        split.linesBefore, std::ref(parts[1]));
  } catch (const std::system_error&) {
    // No thread to be had: one part after the other.
  }
  ReadPart(data, targets, in, data.rhead.nHeadLines, parts[0]);
  if (other.joinable())
    other.join();
  else
    ReadPart(data, targets, rest, split.linesBefore, parts[1]);
}

}  // namespace

void ReadRecords(std::istream& in, std::istream* rest, const RecordSplit& split,
                 PhsDiffData& data) {
  if (!data.rhead.HasObservations) return;
  data.SetData();
  const std::vector<ColumnTarget> targets = ColumnTargets(data);
  // The first part takes the whole file, and the second none of it, unless
  // the file is read in two.
  RecordPart parts[2];
  for (RecordPart& part : parts) {
    part.endEpoch = data.neph;
    part.endRecord = data.nobs;
  }
  parts[1].firstEpoch = parts[1].epochs = data.neph;
  parts[1].firstRecord = parts[1].records = data.nobs;
  if (rest != nullptr && SplitFits(split, data))
    ReadTwoParts(data, targets, in, *rest, split, parts);
  else
    ReadPart(data, targets, in, data.rhead.nHeadLines, parts[0]);
  for (const RecordPart& part : parts) ReportPart(part);
  FormSatList(data, parts);
  SetInterval(data);
}

std::istream& operator>>(std::istream& in, PhsDiffData& data) {
  ReadRecords(in, nullptr, RecordSplit(), data);
  return in;
}
