// Quintavelmorc: the program's driver. It reads the command line, has the
// single-difference file and the GLONASS channel file loaded, and writes the
// settings report and the listing of observations and linear combinations.
#ifndef SRC_QUINTAVELMORC_H
#define SRC_QUINTAVELMORC_H

#include "GNSS/mjd.h"
#include "matrix/matrix.h"

class PhsDiffHeader;
class PhsDiffData;
class PhsDiff;
class GLNSat;

class Quintavelmorc {
 public:
  // Unit of the listed raw phases (PhUnit).
  enum { CYCLE = 0, METER = 1 };

  // What a failed write to standard output could not write.
  static constexpr char kListingOutput[] = "LISTING ON STANDARD OUTPUT";
  // Capacity of the fixed text fields, terminator included.
  static constexpr int kNameSize = 256;

  PhsDiffHeader& rh;
  PhsDiffData& rd;
  PhsDiff& rnx;
  GLNSat& glnfc;

  char obsdiffile[kNameSize];    // single-difference file ("-o")
  char observations[kNameSize];  // observation list text after "-l"
  char gfcfile[kNameSize];       // GLONASS frequency-channel file ("-gf")

  short verbose;            // 1 in verbose mode ("-v"), else 0
  bool isStart;             // "-s" given
  bool isEnd;               // "-e" given
  bool isSat;               // "-p" given
  bool isObs;               // "-l" given
  bool isDt;                // "-t" given
  bool isGLNfc;             // a GLONASS channel file is in use
  bool isHelp;              // help asked for
  bool RunProg;             // the run goes past the command line
  bool isMSJump;            // "-ms": eliminate millisecond jumps
  bool isG, isR, isE, isC;  // constellations selected ("-c")

  long double dt;          // listing interval, seconds ("-t")
  long double EpochRound;  // interval tolerance as a fraction of dt ("-d")
  int nMSJumps;            // millisecond jumps corrected
  bool isUnit;             // a valid "-u" was given
  short PhUnit;            // CYCLE or METER

  matrix<short> satprn;      // satellite numbers to list
  matrix<short> IfExistObs;  // per obslist entry: 1 when the file can supply it
  matrix<short> obslist;     // catalogue codes to list, in listing order
  mjd stE;                   // start of the epoch window
  mjd enE;                   // end of the epoch window
  int nObsReal;              // obslist entries the file can supply

  Quintavelmorc(PhsDiffHeader& header, PhsDiffData& data, PhsDiff& loader, GLNSat& channels);

  bool GetRunProg() const { return RunProg; }
  void StartProg();
  void EndProg();

  // Command line.
  void GetFiles(int nargc, const char** cargv);
  void ParseObs(char* tmp, int ilist);

  // Catalogue.
  void GetObs(int i, char* tmp);
  void CheckObsInRNX(int ilist);

  // Loading stage.
  void SetFile();
  void ReadFile();

  // Settings report and listing.
  void PrintSet();
  void PrintObs();
  bool TestEpoch(mjd& ep);
  // Whether the epoch lies in the window from stE to enE, both included.
  bool InWindow(const mjd& ep) const { return !(ep < stE || ep > enE); }
};

#endif
