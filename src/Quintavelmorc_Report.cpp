// Quintavelmorc::PrintSet: the "#" block on standard output that records the
// run's settings and ends with the column titles of the listing.
#include <iomanip>
#include <iostream>

#include "GNSS/PhsDiffHeader.h"
#include "GNSS/SatNumber.h"
#include "GNSS/SatelliteName.h"
#include "GNSS/TimeConverse.h"
#include "GNSS/mjd.h"
#include "GNSS/ymdhms.h"
#include "PROGINC/ProgramName.h"
#include "catalogue/ListingLayout.h"
#include "catalogue/ObsCatalogue.h"
#include "src/Quintavelmorc.h"

namespace {

// Decimals of seconds in the report's epochs, and in the listing after it.
constexpr unsigned short reportDecimals = 3;
constexpr unsigned short listingDecimals = 1;

void SetSecondDecimals(unsigned short decimals) {
  ymdhmsns::NDecSecond = decimals;
  mjdns::NDecSecond = decimals;
}

// An epoch as calendar date and as modified Julian date, then its origin.
void WriteEpoch(std::ostream& out, mjd& epoch, bool manual) {
  ymdhms date = mjd2ymdhms(epoch);
  out << date << " [" << epoch << "]";
  out << (manual ? "  (manually set)" : "  (from SNGDIF file)") << std::endl;
}

void PrintSatellites(const matrix<short>& satprn, std::ostream& out) {
  out << "#Satellites:    ";
  for (long i = 0; i < satprn.r; i++) {
    out << " ";
    const char letter = SatLetter(satprn(i));
    if (letter == 0) continue;
    out << SatName(satprn(i));
  }
  out << std::endl;
}

// Checking availability again changes nothing once the file is loaded.
void PrintObsAvailability(Quintavelmorc& q, std::ostream& out) {
  out << "#Observations:  ";
  for (long i = 0; i < q.obslist.r; i++) {
    q.CheckObsInRNX(i);
    char label[kMaxObsLabelSize] = "";
    q.GetObs(q.obslist(i), label);
    out << " " << label << "[" << (q.IfExistObs(i) == 1 ? "+" : "-") << "]";
  }
  out << std::endl;
}

// Column titles, in the widths of the listing's rows.
void PrintTitles(Quintavelmorc& q, std::ostream& out) {
  out << "#" << std::setw(kDateWidth - 1) << kDateTitle << std::setw(kMjdWidth) << kMjdTitle
      << kSatelliteTitle;
  if (q.rh.diffLevel > 1) out << kReferenceSatelliteTitle;
  for (long i = 0; i < q.obslist.r; i++) {
    if (q.IfExistObs(i) != 1) continue;
    char label[kMaxObsLabelSize] = "";
    q.GetObs(q.obslist(i), label);
    out << std::setw(kValueWidth) << label;
  }
  out << std::endl;
}

}  // namespace

void Quintavelmorc::PrintSet() {
  if (!RunProg) return;
  SetSecondDecimals(reportDecimals);
  if (verbose)
    std::cerr << kProgramName << "::PrintSet(): writting processing settings!" << std::endl;
  std::ostream& out = std::cout;
  out << std::fixed;
  out << "#PROGRAM: " << kProgramName << std::endl;
  out << "#         Single differences file extraction - listing of observations" << std::endl;
  out << "#" << std::endl;
  out << "#DATA:" << std::endl;
  out << kObservationFileLine << obsdiffile << std::endl;
  if (isGLNfc) out << "#GLN FREQ CHN file:  " << gfcfile << std::endl;
  PrintSatellites(satprn, out);
  PrintObsAvailability(*this, out);
  out << kPhaseUnitLine;
  if (!isUnit)
    out << " CYCLE  (default)";
  else
    out << (PhUnit == METER ? " METER  (manually set)" : " CYCLE  (manually set)");
  out << std::endl;
  out << kStartEpochLine;
  WriteEpoch(out, stE, isStart);
  out << kEndEpochLine;
  WriteEpoch(out, enE, isEnd);
  out << kIntervalLine;
  if (isDt)
    out << std::setprecision(3) << dt;
  else
    out << " ---";
  out << std::endl;
  out << "#Verbose mode:   " << (verbose ? "YES" : "NO") << std::endl;
  out << "#All epochs:     NO" << std::endl;
  out << "#" << std::endl;
  PrintTitles(*this, out);
  SetSecondDecimals(listingDecimals);
}
