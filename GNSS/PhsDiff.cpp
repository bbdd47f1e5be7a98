// Loading a single-difference file in two passes, and writing it back.
#include "GNSS/PhsDiff.h"

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#include "GNSS/PhsDiffScanner.h"
#include "GNSS/SdWriter.h"
#include "GNSS/gnssobs.h"
#include "GNSS/gnssobsshort.h"
#include "PROGINC/CompressedInput.h"
#include "PROGINC/NextStep.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "PROGINC/cfilef.h"

namespace {

const int kValueWidth = PhsDiffScanner::VALUE_WIDTH;

[[noreturn]] void CannotOpen() {
  ProgramError(Loader().program, "PhsDiff FILE CAN NOT BE OPENED!");
}

// Skips line 1 and the header records; true when it stops on the end line.
bool SkipHeader(LineReader& lines) {
  if (!lines.Next()) return false;
  while (lines.Next())
    if (PhsDiffHeader::IsEndLine(lines.line, lines.length)) return true;
  return false;
}

// Leaves the observation print switches at the layout of the records, and the
// stream in the state its value writers leave it.
void PrintRecords(SdWriter& writer, PhsDiffData& data) {
  gnssobsns::PrintType = gnssobsns::NOLLISSI;
  gnssobsns::Width = kValueWidth;
  gnssobsshortns::PrintType = gnssobsshortns::NOLLISSI;
  gnssobsshortns::Width = kValueWidth;
  const PhsDiffHeader& head = data.rhead;
  long r = 0;
  for (long e = 0; e < data.neph; e++) {
    writer.Epoch(data.nsat(e), data.epoch(e), data.dtR_B(e), data.clkErB(e), data.clkErR(e));
    for (long k = 0; k < data.nsat(e); k++, r++) {
      writer.Satellite(data.sat(r));
      for (long t = 0; t < head.nobs; t++) writer.Value(data.StoredValue(head.obs(t), r));
      writer.EndLine();
    }
  }
}

// The byte from which the first pass looks for the epoch line that divides
// the records; negative for none.
std::streamoff SplitSearchStart(const PhsDiff& loader) {
  if (loader.input.ReadsCopy()) return -1;
  if (loader.splitFrom >= 0) return loader.splitFrom;
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(loader.sdfile, ec);
  if (ec || size < static_cast<std::uintmax_t>(PhsDiff::kTwoPartsBytes)) return -1;
  return static_cast<std::streamoff>(size / 2);
}

}  // namespace

PhsDiff::PhsDiff(PhsDiffHeader& head, PhsDiffData& data)
    : rhead(head), rdata(data), nepoch(0), nobsall(0), splitFrom(-1) {
  sdfile[0] = '\0';
}

void PhsDiff::SetFile(const char* name) {
  if (std::strlen(name) >= sizeof sdfile)
    ProgramError(Loader().program, "PhsDiff FILE NAME LONGER THAN 255 CHARACTERS!");
  std::strcpy(sdfile, name);
  if (!FileExists(sdfile)) CannotOpen();
}

void PhsDiff::CountRec() {
  if (!input.Open(sdfile)) CannotOpen();
  const Compression form = CompressionOf(input.Stream());
  if (form != Compression::NONE)
    CompressedInputError(Loader().program, "SINGLE-DIFFERENCE FILE", form, sdfile, "-o",
                         kCompressedToConverter);
  PhsDiffScanner scan(input.Stream(), 0);
  if (SkipHeader(scan.lines) &&
      PhsDiffHeader::EndLineHasObservations(scan.lines.line, scan.lines.length))
    rhead.HasObservations = true;
  if (!rhead.HasObservations) return;
  split = RecordSplit();
  const std::streamoff splitSearch = SplitSearchStart(*this);
  long epochs = 0, records = 0;
  try {
    while (scan.NextEpoch()) {
      if (splitSearch >= 0 && !split.Found() && scan.lines.offset >= splitSearch)
        split = {scan.lines.offset, scan.lines.lineNo - 1, epochs, records};
      epochs++;
      long found = 0;
      while (found < scan.Count() && scan.NextSatellite()) found++;
      records += found;
      if (records > INT_MAX || epochs > INT_MAX)
        ProgramError(Loader().program, "SINGLE DIFFERENCES FILE HAS TOO MANY RECORDS!");
    }
  } catch (const SDFileFault& fault) {
    SDFileLineError(fault);
  }
  nepoch = static_cast<int>(epochs);
  nobsall = static_cast<int>(records);
}

void PhsDiff::ReadFile() {
  CountRec();
  rdata.SetNRecords(nepoch, nobsall);
  if (!input.Open(sdfile)) CannotOpen();
  std::istream& in = input.Stream();
  in >> rhead;
  if (in.fail())
    ProgramError(Loader().program, "SINGLE DIFFERENCES FILE ENDS BEFORE ITS END OF HEADER LINE!");
  // The second part is read through a stream of its own.
  std::ifstream rest;
  if (split.Found()) {
    rest.open(sdfile, std::ios::binary);
    rest.seekg(split.offset);
  }
  ReadRecords(in, rest.is_open() && rest.good() ? &rest : nullptr, split, rdata);
  input.Release();
}

void PhsDiff::PrintFile() { PrintFile(std::cout); }

void PhsDiff::PrintFile(std::ostream& out) {
  SdWriter writer(out);
  writer.Header(rhead, false);
  if (rhead.HasObservations) PrintRecords(writer, rdata);
  writer.Finish();
  out.flush();
}

// A C2 whose values the run dropped has nothing to give: P2 then stays
// without values and unflagged.
void PhsDiff::copyC2toP2() {
  if (rhead.HasP2() || !rhead.HasC2() || rdata.C2.NRow() != rdata.nobs) return;
  rdata.P2 = rdata.C2;
  rhead.iP2 = true;
}
