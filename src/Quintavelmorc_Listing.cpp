// Quintavelmorc::PrintObs and TestEpoch: the listing, satellite by satellite,
// of the chosen observations and combinations at the listed epochs.  The
// satellites are set up in turn on the calling thread; the rows of the next
// few satellites are formatted at once, each on a thread, and written in order.
#include <cmath>
#include <cstdio>
#include <functional>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "GNSS/SatNumber.h"
#include "GNSS/SatRecordIndex.h"
#include "GNSS/SatelliteName.h"
#include "GNSS/SystemConstants.h"
#include "GNSS/TimeConverse.h"
#include "GNSS/gnssobs.h"
#include "GNSS/gnssobsshort.h"
#include "GNSS/mjd.h"
#include "GNSS/ymdhms.h"
#include "PROGINC/FixedFormat.h"
#include "PROGINC/OutBlock.h"
#include "PROGINC/OutputCheck.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "catalogue/ListingLayout.h"
#include "catalogue/ObsColumn.h"
#include "catalogue/RowLayouts.h"
#include "catalogue/SatelliteFactors.h"
#include "src/Quintavelmorc.h"

namespace {

using Q = Quintavelmorc;

// A GLONASS satellite that cannot be listed, and why.
void WarnGlonassNotListed(const char* reason, short sat) {
  char message[128];
  std::snprintf(message, sizeof message, "%s (SATELLITE %s NOT LISTED)!", reason,
                SatName(sat).c_str());
  ProgramWarning(kProgramName, message);
}

void WriteSummary(char letter, unsigned short number, long rows, int nObsReal) {
  std::cerr << "  SAT: " << SatName(letter, number) << std::setw(10) << rows << " x " << nObsReal
            << " observations" << std::endl;
}

// One satellite's part of the listing: what its set-up found, the constants
// and inputs its rows are formed with, and its rows once formatted.
struct SatelliteJob {
  short sat = 0;
  char letter = 0;
  unsigned short number = 0;  // within the system, as the listing writes it
  bool listed = false;
  const char* notListed = nullptr;  // why a GLONASS satellite is not listed
  SystemConstants constants{};
  RowFactors factors;
  std::vector<ObsColumn> columns;
  RowSeries inputs;  // the series the columns read
  std::string satText;
  long records = 0;  // records of the satellite, listed or not
  long rows = 0;
  OutBlock block;
};

// Whether the command line selected the system of `letter`.
bool IsSelected(const Q& q, char letter) {
  switch (letter) {
    case 'G':
      return q.isG;
    case 'R':
      return q.isR;
    case 'E':
      return q.isE;
    case 'C':
      return q.isC;
    default:
      return false;
  }
}

// Loads the constants of a selected satellite into GLC and `f`; false when
// the satellite is not to be listed.  BeiDou gets no constants: its rows show
// only the values that need none.
bool SetUpConstellation(Q& q, RowFactors& f, SatelliteJob& job, mjd& reference) {
  if (!IsSelected(q, job.letter)) return false;
  job.notListed = LoadSatelliteFactors(job.sat, q.glnfc, reference, f);
  return job.notListed == nullptr;
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
      // Rounded before it is split, so that a tag just short of a whole
      // second is listed as that second, not as second 60.
      const mjd shown = RoundedToDecimals(q.rd.epoch(e), mjdns::NDecSecond);
      texts.text += YmdhmsText(mjd2ymdhms(shown), texts.state);
      texts.text += "  ";
      texts.text += MjdText(shown, texts.state);
    }
    texts.start(e + 1) = static_cast<long>(texts.text.size());
  }
}

// The satellite's name, its letter right-aligned in three places, and the
// reference-satellite mark, as the stream writes them after the epoch texts.
std::string SatelliteText(const Q& q, char letter, unsigned short number, char fill) {
  std::ostringstream out;
  out.fill(fill);
  out << std::string(2, fill) << SatName(letter, number);
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

// Sets up satellite `sat` after the satellites before it: its constants
// (GLC and `current` keep what a system does not set), the inputs of its
// columns and its text.
void SetUpSatellite(Q& q, short sat, mjd& reference, const SatRecordIndex& index,
                    const EpochTexts& epochs, RowFactors& current, SatelliteJob& job) {
  job.sat = sat;
  job.letter = SatLetter(sat);
  job.notListed = nullptr;
  job.listed = SetUpConstellation(q, current, job, reference);
  if (!job.listed) return;
  // The listing writes the number within the system as unsigned 16 bits.
  job.number = SatNumberInSystem(sat);
  job.constants = LoadedGLC();
  job.factors = current;
  job.columns.clear();
  for (long i = 0; i < q.obslist.r; i++)
    if (q.IfExistObs(i) == 1) job.columns.push_back(MakeObsColumn(q.rd, job.letter, q.obslist(i)));
  job.inputs = SeriesOfRow(job.columns);
  job.satText = SatelliteText(q, job.letter, job.number, epochs.state.fill);
  job.records = index.End(sat) - index.First(sat);
}

// A listed satellite's rows, formatted into its block on the calling thread:
// the epoch's text, the satellite's text and the value fields.
void FormatRows(SatelliteJob& job, const SatRecordIndex& index, const matrix<bool>& listed,
                const EpochTexts& epochs) {
  if (!job.listed) return;
  LoadGLC(job.constants, kAllGlcGroups);
  OutBlock& block = job.block;
  job.rows = 0;
  const long end = index.End(job.sat);
  for (long p = index.First(job.sat); p < end; p++) {
    if (p + prefetchAhead < end) {
      const long ahead = index.record(p + prefetchAhead);
      PrefetchRow(job.inputs, ahead);
    }
    const long k = index.record(p);
    const long e = index.epochAt(p);
    if (!listed(e)) continue;
    job.rows++;
    block.Append(epochs.text.data() + epochs.start(e),
                 static_cast<size_t>(epochs.start(e + 1) - epochs.start(e)));
    block.Append(job.satText.data(), job.satText.size());
    StreamState state = epochs.state;
    for (const ObsColumn& column : job.columns) {
      if (column.kind == ObsColumn::DOPPLER)
        AppendField(block, ColumnDoppler(column, k), state);
      else
        AppendField(block, ColumnValue(job.factors, column, k), state);
    }
    block.Append("\n", 1);
  }
}

// One satellite's part of the output: its rows, an empty line and the row
// count on standard error, or why it is not listed.  Each satellite's rows
// are checked as they go out, so that a listing that can not be written
// stops at once.
void WriteSatellite(const Q& q, SatelliteJob& job) {
  if (job.notListed != nullptr) WarnGlonassNotListed(job.notListed, job.sat);
  if (job.listed) {
    job.block.HandOverTo(std::cout);
    std::cout << '\n';
    WriteSummary(job.letter, job.number, job.rows, q.nObsReal);
  }
  CheckOutput(std::cout, kProgramName, Q::kListingOutput);
}

// Satellites set up and being formatted at once, the one to be written next
// among them: with two cores, while one satellite is written or waited for,
// the next ones are formatted.
constexpr long kSatellitesInFlight = 3;

// Below this many records, a satellite is formatted on the calling thread:
// a thread would cost more than it saves.
constexpr long kRecordsForThread = 2048;

// Formats the rows of a satellite just set up: on a thread of its own, or
// here when it is small or no thread is to be had.  A thread loads the
// satellite's constants into its own GLC; here they are the ones its set-up
// left in GLC already.
std::thread StartFormatting(SatelliteJob& job, const SatRecordIndex& index,
                            const matrix<bool>& listed, const EpochTexts& epochs) {
  if (job.listed && job.records >= kRecordsForThread) {
    try {
      return std::thread(FormatRows, std::ref(job), std::cref(index), std::cref(listed),
                         std::cref(epochs));
    } catch (const std::system_error&) {
      // No thread to be had: formatted here.
    }
  }
  FormatRows(job, index, listed, epochs);
  return std::thread();
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
  // The satellites are set up in turn, so that each finds the constants and
  // factors the ones before it left, formatted up to kSatellitesInFlight at
  // once, and written in order; a slot is set up again once its satellite is
  // written.
  RowFactors current;
  current.metres = PhUnit == METER;
  SatelliteJob jobs[kSatellitesInFlight];
  std::thread formatting[kSatellitesInFlight];
  long setUp = 0;
  for (long written = 0; written < satprn.r; written++) {
    for (; setUp < satprn.r && setUp < written + kSatellitesInFlight; setUp++) {
      const long slot = setUp % kSatellitesInFlight;
      SetUpSatellite(*this, satprn(setUp), reference, index, epochs, current, jobs[slot]);
      formatting[slot] = StartFormatting(jobs[slot], index, listed, epochs);
    }
    const long slot = written % kSatellitesInFlight;
    if (formatting[slot].joinable()) formatting[slot].join();
    WriteSatellite(*this, jobs[slot]);
  }
  if (verbose)
    std::cerr << kProgramName << "::PrintObs(): Finished writing observations!" << std::endl;
}
