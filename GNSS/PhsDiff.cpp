// Loading a single-difference file in two passes, and writing it back.
#include "GNSS/PhsDiff.h"

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "GNSS/PhsDiffScanner.h"
#include "GNSS/gnssobs.h"
#include "GNSS/gnssobsshort.h"
#include "PROGINC/FixedFormat.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/cfilef.h"

namespace {

const char kProgram[] = "Quintavelmor";
const int kValueWidth = PhsDiffScanner::VALUE_WIDTH;

[[noreturn]] void CannotOpen() { ProgramError(kProgram, "PhsDiff FILE CAN NOT BE OPENED!"); }

// Skips line 1 and the header records; true when it stops on the end line.
bool SkipHeader(LineReader& lines) {
  if (!lines.Next()) return false;
  while (lines.Next())
    if (PhsDiffHeader::IsEndLine(lines.line, lines.length)) return true;
  return false;
}

void AppendFormatted(std::string& row, const char* format, ...) __attribute__((format(printf, 2, 3)));

void AppendFormatted(std::string& row, const char* format, ...) {
  char field[128];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(field, sizeof field, format, args);
  va_end(args);
  if (n > 0) row.append(field, static_cast<size_t>(n) < sizeof field ? n : sizeof field - 1);
}

const char* DifferenceWord(short level) {
  if (level == 2) return "DOUBLE_DIFFERENCES";
  if (level == 3) return "TRIPLE_DIFFERENCES";
  return "SINGLE_DIFFERENCES";
}

template <size_t N>
void PrintTextRecord(std::ostream& out, const char* prefix, const char (&values)[2][N]) {
  out << prefix;
  for (int station = PhsDiffHeader::BASE; station <= PhsDiffHeader::ROVER; station++) {
    char field[N + 8];
    std::snprintf(field, sizeof field, "%3d %s", static_cast<int>(std::strlen(values[station])),
                  values[station]);
    out << field;
  }
  out << '\n';
}

void PrintHeader(std::ostream& out, PhsDiffHeader& head) {
  const xyz& b = head.X0(PhsDiffHeader::BASE);
  const xyz& r = head.X0(PhsDiffHeader::ROVER);
  const neu& db = head.Dp(PhsDiffHeader::BASE);
  const neu& dr = head.Dp(PhsDiffHeader::ROVER);
  std::string row;
  out << DifferenceWord(head.diffLevel) << '\n';
  PrintTextRecord(out, "MARKER NAME     :", head.mname);
  PrintTextRecord(out, "MARKER NUMBER   :", head.mnumber);
  PrintTextRecord(out, "RECEIVER TYPE   :", head.rectype);
  PrintTextRecord(out, "ANTENNA TYPE    :", head.anttype);
  AppendFormatted(row, "XYZ POSITION    :%14.4Lf%14.4Lf%14.4Lf  %14.4Lf%14.4Lf%14.4Lf\n",
                  b.GetX(), b.GetY(), b.GetZ(), r.GetX(), r.GetY(), r.GetZ());
  AppendFormatted(row, "DELTA N/E/U     :%12.4Lf%12.4Lf%10.4Lf  %12.4Lf%12.4Lf%10.4Lf\n",
                  db.GetN(), db.GetE(), db.GetU(), dr.GetN(), dr.GetE(), dr.GetU());
  AppendFormatted(row, "# & TYPES OF OBS:%3d ", head.nobs);
  for (long k = 0; k < head.nobs; k++) AppendFormatted(row, " %s", PhsDiffHeader::TypeName(head.obs(k)));
  AppendFormatted(row, "\nDIFFERENCE LEVEL:%3d\n", head.diffLevel);
  AppendFormatted(row, "END OF HEADER %c\n", head.HasObservations ? '1' : '0');
  out << row;
}

void PrintEpochLine(std::ostream& out, PhsDiffData& data, long e) {
  char count[8];
  std::snprintf(count, sizeof count, "%3d", data.nsat(e));
  out << count << data.epoch(e);
  std::string row;
  AppendFormatted(row, " %9.3Lf %9.3Lf %9.3Lf\n", data.dtR_B(e) * 1e6L, data.clkErB(e) * 1e6L,
                  data.clkErR(e) * 1e6L);
  out << row;
}

// The value fields follow the observation print switches: a value whose
// magnitude is at most 0.00001 (absent, or of a type without values here) is
// written as "*.***".
void PrintSatelliteLine(PhsDiffData& data, long r, std::string& row, int& precision) {
  const PhsDiffHeader& head = data.rhead;
  row.clear();
  AppendFormatted(row, "%3d", data.sat(r));
  char field[kFixedTextRoom];
  gnssobs value;
  for (long k = 0; k < head.nobs; k++) {
    value = data.StoredValue(head.obs(k), r);
    row.append(field, NollissiText(field, sizeof field, value, gnssobsns::Width, precision));
  }
  row += '\n';
}

// Leaves the observation print switches at the layout of the records, and the
// stream in the state its value writers leave it.
void PrintRecords(std::ostream& out, PhsDiffData& data) {
  gnssobsns::PrintType = gnssobsns::NOLLISSI;
  gnssobsns::Width = kValueWidth;
  gnssobsshortns::PrintType = gnssobsshortns::NOLLISSI;
  gnssobsshortns::Width = kValueWidth;
  const unsigned short decimals = mjdns::NDecSecond;
  mjdns::NDecSecond = 7;
  std::string row;
  long r = 0;
  for (long e = 0; e < data.neph; e++) {
    PrintEpochLine(out, data, e);
    int precision = static_cast<int>(out.precision());
    for (long k = 0; k < data.nsat(e); k++) {
      PrintSatelliteLine(data, r++, row, precision);
      out << row;
    }
    out.precision(precision);
  }
  mjdns::NDecSecond = decimals;
}

}  // namespace

PhsDiff::PhsDiff(PhsDiffHeader& head, PhsDiffData& data)
    : rhead(head), rdata(data), nepoch(0), nobsall(0) {
  sdfile[0] = '\0';
}

void PhsDiff::SetFile(const char* name) {
  if (std::strlen(name) >= sizeof sdfile)
    ProgramError(kProgram, "PhsDiff FILE NAME LONGER THAN 255 CHARACTERS!");
  std::strcpy(sdfile, name);
  if (!FileExists(sdfile)) CannotOpen();
}

void PhsDiff::CountRec() {
  std::ifstream in(sdfile, std::ios::binary);
  if (!in) CannotOpen();
  PhsDiffScanner scan(in, 0);
  if (SkipHeader(scan.lines) && PhsDiffHeader::EndLineHasObservations(scan.lines.line, scan.lines.length))
    rhead.HasObservations = true;
  if (!rhead.HasObservations) return;
  long epochs = 0, records = 0;
  while (scan.NextEpoch()) {
    epochs++;
    long found = 0;
    while (found < scan.Count() && scan.NextSatellite()) found++;
    records += found;
    if (records > INT_MAX || epochs > INT_MAX)
      ProgramError(kProgram, "SINGLE DIFFERENCES FILE HAS TOO MANY RECORDS!");
  }
  nepoch = static_cast<int>(epochs);
  nobsall = static_cast<int>(records);
}

void PhsDiff::ReadFile() {
  CountRec();
  rdata.SetNRecords(nepoch, nobsall);
  std::ifstream in(sdfile, std::ios::binary);
  if (!in) CannotOpen();
  in >> rhead;
  if (in.fail())
    ProgramError(kProgram, "SINGLE DIFFERENCES FILE ENDS BEFORE ITS END OF HEADER LINE!");
  in >> rdata;
}

void PhsDiff::PrintFile() { PrintFile(std::cout); }

void PhsDiff::PrintFile(std::ostream& out) {
  PrintHeader(out, rhead);
  if (rhead.HasObservations) PrintRecords(out, rdata);
  out.flush();
}

// A C2 whose values the run dropped has nothing to give: P2 then stays
// without values and unflagged.
void PhsDiff::copyC2toP2() {
  if (rhead.HasP2() || !rhead.HasC2() || rdata.C2.NRow() != rdata.nobs) return;
  rdata.P2 = rdata.C2;
  rhead.iP2 = true;
}
