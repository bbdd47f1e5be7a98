// PhsDiffData: the epoch records of a single-difference file, held as series
// indexed by record number, bound to the file's header.
#ifndef GNSS_PHSDIFFDATA_H
#define GNSS_PHSDIFFDATA_H

#include <bitset>
#include <istream>

#include "GNSS/PhsDiffHeader.h"
#include "GNSS/gnssobs.h"
#include "GNSS/gnssobsshort.h"
#include "GNSS/mjd.h"
#include "matrix/matrix.h"

class PhsDiffData {
 public:
  // Satellite numbers lie in 0 .. NSATNUMBERS - 1; 0 means no satellite.
  enum { NSATNUMBERS = 700, AMBFILE_SIZE = 512 };

  int neph;               // number of epochs
  int nobs;               // number of observation records (sum of nsat)
  matrix<mjd> epoch;      // time of each epoch
  matrix<short> nsat;     // number of satellite records of each epoch
  matrix<short> sat;      // satellite number of each record
  matrix<short> satList;  // distinct satellite numbers of the file, ascending
  matrix<gnssobs> C1, P1, P2, L1, L2, C5, L5, C2, C7, L7, C8, L8;
  matrix<gnssobsshort> D1, D2;
  // Combination series, empty until a combination operation forms them.
  matrix<gnssobs> PC1, PC3, PP3, L3, L4, MW, PC4, PP4, LC5, CL1;
  matrix<long double> dtR_B;   // rover minus base epoch time, seconds
  matrix<long double> clkErB;  // base receiver clock error, seconds
  matrix<long double> clkErR;  // rover receiver clock error, seconds
  matrix<short> IsEpochOKG, IsEpochOKR;
  int NBadEphSat, NBadEphObs, NOKEph;
  char AmbFile[AMBFILE_SIZE];  // ambiguity output file of the screening operations
  PhsDiffHeader& rhead;

  // A set of observation-type codes of the header's enumeration.
  using TypeSet = std::bitset<PhsDiffHeader::NTYPES>;

  explicit PhsDiffData(PhsDiffHeader& head);

  // Narrows the types whose values the reader stores (every type until
  // then); the series of the others stay empty and their values are read
  // past.  Set before reading: a run that lists a few types need not hold
  // the values of all the others.
  void KeepTypes(const TypeSet& types) { kept = types; }
  bool KeepsType(short code) const;

  void SetNRecords(long ne, long ns);
  // Sizes the series from neph, nobs and the header's type list.
  void SetData();

  long GetNEpoch() const { return neph; }
  long GetNObs() const { return nobs; }
  mjd GetMJD(long i) const { return epoch(i); }

  bool HasGPSObs() const;
  bool HasGLONASSObs() const;
  bool HasGALILEOObs() const;
  bool HasBDSObs() const;

  void SetAmbFile(const char* file);

  // Removes millisecond receiver-clock jumps from the L1 and L2 phases;
  // nMSJumps receives the number of epochs that carried one.
  void CorrMSJumps(long& nMSJumps);
  // The types whose values CorrMSJumps reads.
  static TypeSet MSJumpTypes();

  // The series that keeps values of an observation-type code, or null when
  // the type is recognised but its values are read past.
  matrix<gnssobs>* ObsSeries(short code);
  matrix<gnssobsshort>* DopplerSeries(short code);
  // The value of type `code` in record r; 0 (absent) when the type has no
  // series or its series does not hold the record (a type the run dropped).
  long double StoredValue(short code, long r);

  // Combination series over all records (GNSS/PhsDiffData_LinComb.cpp): each
  // fills its series and raises the header flag of that series.
  void SetLC_CL1();
  void SetLC_PC3();
  void SetLC_PP3();
  void SetLC_L3();
  void SetLC_L4();
  void SetLC_L5();
  void SetLC_MW(bool useC1);

  // Cycle-slip screening into ambiguity arcs written to AmbFile
  // (GNSS/PhsDiffData_Screen.cpp).  Elev holds one elevation per record: one
  // column for ScreenCL1, two (both must exceed MinElev) for the L4 screenings.
  void ScreenCL1(const matrix<long double>& Elev, long double MinElev, long MinObsAmb,
                 long double lam1Mult, long double intMult, long& NAmbAll);
  void ScreenL4(const matrix<long double>& Elev, long double MinElev, long MinObsAmb,
                long double dL40, long double ddL4, long double MaxTimeGap, long& NAmbAll);
  void ScreenL4Linear(const matrix<long double>& Elev, long double MinElev, long MinObsAmb,
                      long double dL40, long double ddL4, long double MaxTimeGap, long& NAmbAll);
  void ScreenMW(long double RMS, long MinObsAmb, long& NAmbAll);
  bool FirstSatObsL4(short prn, long& iS, long& ioS, const matrix<long double>& Elev,
                     long double me);
  void LastSatObsL4(short prn, long iS, long ioS, long& iL, long& ioL,
                    const matrix<long double>& Elev, long double me, long double MaxDt);
  bool FindContStart(short prn, long& iS, long& ioS, long iL, long double dVL4Max,
                     long double dL4Max);
  bool FindCSlipL4(short prn, long iS, long ioS, long iL, long& iAL, long& ioAL,
                   long double dAL4Max);

 private:
  TypeSet kept;

  // More than a tenth of the records belong to satellites numbered 1 to 99
  // within the system of place `system`.
  bool HasSystemObs(int system) const;
};

// Where the counting pass divides the epoch records of a file in two, so
// that the reading pass can read both parts at once: the epoch line that
// starts the second part, and what lies before it.
struct RecordSplit {
  std::streamoff offset = -1;  // the line's first byte in the file; negative: no split
  long linesBefore = 0;        // lines of the file before it
  long epochs = 0;             // epochs before it
  long records = 0;            // satellite lines before it

  bool Found() const { return offset >= 0; }
};

// Reads all epoch records; `in` must stand on the line after the header's
// end line, and SetNRecords must have been given the counts of the same
// file's counting pass.  Given `rest`, a second stream of the same file
// standing at split.offset, the records on either side of the split are read
// at once, on two threads.
void ReadRecords(std::istream& in, std::istream* rest, const RecordSplit& split, PhsDiffData& data);
// Reads all epoch records in one part.
std::istream& operator>>(std::istream& in, PhsDiffData& data);

#endif
