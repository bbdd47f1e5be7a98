// Quintavelmorc::PrintObs and TestEpoch: the listing, satellite by satellite,
// of the chosen observations and combinations at the listed epochs.
#include <cmath>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "GNSS/GLNSat.h"
#include "GNSS/GNSSLinCombs.h"
#include "GNSS/SatNumber.h"
#include "GNSS/SatRecordIndex.h"
#include "GNSS/SystemConstants.h"
#include "GNSS/TimeConverse.h"
#include "GNSS/gnssobs.h"
#include "GNSS/gnssobsshort.h"
#include "GNSS/mGNSSc.h"
#include "GNSS/mjd.h"
#include "GNSS/ymdhms.h"
#include "PROGINC/FixedFormat.h"
#include "PROGINC/OutBlock.h"
#include "PROGINC/OutputCheck.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "src/ListingLayout.h"
#include "src/ObsColumn.h"
#include "src/Quintavelmorc.h"
#include "src/SatelliteName.h"

namespace {

using Q = Quintavelmorc;

// A GLONASS satellite that cannot be listed, and why.
void WarnGlonassNotListed(const char* reason, short sat) {
  char message[128];
  std::snprintf(message, sizeof message, "%s (SATELLITE R%02d NOT LISTED)!", reason,
                GlonassSlot(sat));
  ProgramWarning(kProgramName, message);
}

void WriteSummary(char letter, unsigned short number, long rows, int nObsReal) {
  std::cerr << "  SAT: " << letter;
  WriteSatNumber(std::cerr, number);
  std::cerr << std::setw(10) << rows << " x " << nObsReal << " observations" << std::endl;
}

// Loads a satellite's constants into GLC.  In metres the raw phases take the
// system's wavelengths; the factors of carriers it lacks keep their value.
void LoadConstants(Q& q, const SystemConstants& constants) {
  LoadGLC(constants, kAllGlcGroups);
  if (q.PhUnit != Q::METER) return;
  q.unitL1 = constants.lamb1;
  q.unitL2 = constants.lamb2;
  if (constants.lamb5 != 0.0L) q.unitL5 = constants.lamb5;
  if (constants.lamb8 != 0.0L) q.unitL8 = constants.lamb8;
}

void SetMultipathFactors(Q& q) {
  const long double alpha = GLC::alpha;
  q.mp1Fact1 = (1.0L + 2.0L / (alpha - 1.0L)) * GLC::lamb1;
  q.mp1Fact2 = (2.0L / (alpha - 1.0L)) * GLC::lamb2;
  q.mp2Fact1 = (2.0L * alpha / (alpha - 1.0L)) * GLC::lamb1;
  q.mp2Fact2 = (2.0L * alpha / (alpha - 1.0L) - 1.0L) * GLC::lamb2;
}

// GLONASS wavelengths follow the slot's channel at the reference epoch.
// Slots outside the tables, and satellites the channel file gives no channel
// at that epoch (channel 0 is a channel of its own), are reported and not
// listed.
bool SetUpGlonass(Q& q, short sat, mjd& reference) {
  const short slot = GlonassSlot(sat);
  if (slot < 1 || slot > GLONASSc::lamb.r) {
    WarnGlonassNotListed("GLONASS SLOT OUTSIDE 1 TO 32", sat);
    return false;
  }
  const long double channel = q.glnfc.GetFreqNum(sat, reference);
  if (!q.glnfc.GetIsGLNSat()) {
    WarnGlonassNotListed("NO GLONASS FREQUENCY CHANNEL AT THE FIRST EPOCH", sat);
    return false;
  }
  GLONASSc::SetFrequency(channel, slot - 1);
  LoadConstants(q, GlonassConstants(slot - 1));
  return true;
}

// Loads the constants of a satellite of system `letter`; false when the
// satellite is not to be listed.  Unit factors a system does not set keep
// their value.  BeiDou gets no constants: its rows show only the values
// that need none.
bool SetUpConstellation(Q& q, short sat, char letter, mjd& reference) {
  switch (letter) {
    case 'G':
      if (!q.isG) return false;
      LoadConstants(q, kGpsConstants);
      break;
    case 'R':
      if (!q.isR || !SetUpGlonass(q, sat, reference)) return false;
      break;
    case 'E':
      if (!q.isE) return false;
      LoadConstants(q, kGalileoConstants);
      break;
    case 'C':
      return q.isC;
    default:
      return false;
  }
  SetMultipathFactors(q);
  return true;
}

// Every print switch the rows depend on: the calendar date and the modified
// Julian date with one decimal of seconds, and the value fields of width 16.
void SetRowLayouts() {
  ymdhmsns::PrintType = ymdhmsns::NORINEX;
  ymdhmsns::PrintFormat = ymdhmsns::YMDHMS;
  ymdhmsns::NDecSecond = 1;
  mjdns::PrintFormat = mjdns::MJDSEC;
  mjdns::NDecSecond = 1;
  gnssobsns::PrintType = gnssobsns::NOLLISSI;
  gnssobsshortns::PrintType = gnssobsshortns::NOLLISSI;
  gnssobsns::Width = kValueWidth;
  gnssobsshortns::Width = kValueWidth;
}

// The start of the rows of every listed epoch (calendar date and modified
// Julian date), formatted once, and the stream state they leave for the rest
// of the row.  The layouts of SetRowLayouts leave the same state after every
// epoch, whatever the state before.
struct EpochTexts {
  std::string text;
  matrix<long> start;  // epoch e's text is text[start(e), start(e + 1))
  StreamState state;
};

// Records of a satellite whose values are fetched ahead of their row.
constexpr long prefetchAhead = 12;

void BuildEpochTexts(Q& q, const matrix<bool>& listed, EpochTexts& texts) {
  texts.state = StreamState::Of(std::cout);
  texts.start.Resize(q.rd.neph + 1L, 1, 0L);
  for (long e = 0; e < q.rd.neph; e++) {
    if (listed(e)) {
      texts.text += YmdhmsText(mjd2ymdhms(q.rd.epoch(e)), texts.state);
      texts.text += "  ";
      texts.text += MjdText(q.rd.epoch(e), texts.state);
    }
    texts.start(e + 1) = static_cast<long>(texts.text.size());
  }
}

// Letter, number within the system and the reference-satellite mark, as the
// stream writes them after the epoch texts.
std::string SatelliteText(const Q& q, char letter, unsigned short number, char fill) {
  std::ostringstream out;
  out.fill(fill);
  out << std::setw(3) << letter;
  WriteSatNumber(out, number);
  // The records keep no reference satellite: the RSAT column of higher
  // difference levels is marked as not known.
  if (q.rh.diffLevel > 1) out << kUnknownReferenceSatellite;
  return out.str();
}

// Appends one value field; a field longer than the usual room is formatted again in full.
template <class Value>
void AppendField(OutBlock& block, const Value& value, StreamState& state) {
  const StreamState before = state;
  char* text = block.Room(kFixedTextRoom);
  const int length = ObsText(text, kFixedTextRoom, value, state);
  if (length < 0) return;
  if (length >= kFixedTextRoom) {
    state = before;
    text = block.Room(static_cast<size_t>(length) + 1);
    ObsText(text, static_cast<size_t>(length) + 1, value, state);
  }
  block.Used(static_cast<size_t>(length));
}

// One satellite's rows: the epoch's text, the satellite's text and the value
// fields; returns their number.
long PrintRows(Q& q, short sat, char letter, unsigned short number, const SatRecordIndex& index,
               const matrix<bool>& listed, const EpochTexts& epochs, OutBlock& block) {
  std::vector<ObsColumn> columns;
  for (long i = 0; i < q.obslist.r; i++)
    if (q.IfExistObs(i) == 1) columns.push_back(MakeObsColumn(q, letter, q.obslist(i)));
  const std::string satText = SatelliteText(q, letter, number, epochs.state.fill);
  long rows = 0;
  const long end = index.End(sat);
  for (long p = index.First(sat); p < end; p++) {
    if (p + prefetchAhead < end) {
      const long ahead = index.record(p + prefetchAhead);
      for (const ObsColumn& column : columns) PrefetchColumn(column, ahead);
    }
    const long k = index.record(p);
    const long e = index.epochAt(p);
    if (!listed(e)) continue;
    rows++;
    block.Append(epochs.text.data() + epochs.start(e),
                 static_cast<size_t>(epochs.start(e + 1) - epochs.start(e)));
    block.Append(satText.data(), satText.size());
    StreamState state = epochs.state;
    for (const ObsColumn& column : columns) {
      if (column.kind == ObsColumn::DOPPLER)
        AppendField(block, ColumnDoppler(column, k), state);
      else
        AppendField(block, ColumnValue(q, column, k), state);
    }
    block.Append("\n", 1);
  }
  block.HandOver();
  return rows;
}

// One satellite's block: its rows at the listed epochs, an empty line, and
// the row count on standard error.
void PrintSatellite(Q& q, short sat, mjd& reference, const SatRecordIndex& index,
                    const matrix<bool>& listed, const EpochTexts& epochs, OutBlock& block) {
  const char letter = SatLetter(sat);
  if (!SetUpConstellation(q, sat, letter, reference)) return;
  // The listing writes the number within the system as unsigned 16 bits.
  const unsigned short number = SatNumberInSystem(sat);
  const long rows = PrintRows(q, sat, letter, number, index, listed, epochs, block);
  std::cout << '\n';
  WriteSummary(letter, number, rows, q.nObsReal);
}

}  // namespace

bool Quintavelmorc::TestEpoch(mjd& ep) {
  if (!InWindow(ep)) return false;
  if (!isDt) return true;
  // The grid counts from midnight; EpochRound is a fraction of the interval.
  const long double q = ep.GetSecond() / dt;
  return std::fabs(q - std::round(q)) < EpochRound;
}

void Quintavelmorc::PrintObs() {
  if (!RunProg) return;
  // GLONASS channels are looked up at the file's first epoch.  A file
  // without epochs has no rows to list, and any epoch serves the lookup.
  mjd reference = rd.neph > 0 ? rd.epoch(0) : mjd();
  if (isMSJump) {
    if (verbose) std::cerr << kProgramName << "::PrintObs(): Eliminating ms jumps: ";
    long jumps = 0;
    rd.CorrMSJumps(jumps);
    nMSJumps = jumps;
    if (verbose) std::cerr << nMSJumps << " jumps" << std::endl;
  }
  if (verbose) std::cerr << kProgramName << "::PrintObs(): Printing observations: " << std::endl;
  SetRowLayouts();

  matrix<bool> listed(rd.neph, 1);
  for (long e = 0; e < rd.neph; e++) listed(e) = TestEpoch(rd.epoch(e));
  const SatRecordIndex index(rd);
  EpochTexts epochs;
  BuildEpochTexts(*this, listed, epochs);
  OutBlock block(std::cout);
  // Each satellite's rows are checked as they go out, so that a listing that
  // can not be written stops at once.
  for (long i = 0; i < satprn.r; i++) {
    PrintSatellite(*this, satprn(i), reference, index, listed, epochs, block);
    CheckOutput(std::cout, kProgramName, kListingOutput);
  }
  if (verbose)
    std::cerr << kProgramName << "::PrintObs(): Finished writing observations!" << std::endl;
}
