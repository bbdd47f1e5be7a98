// GLNSat: the GLONASS frequency-channel file, which gives each slot's
// frequency channel over time, and the lookup of a slot's channel at an epoch.
#ifndef GNSS_GLNSAT_H
#define GNSS_GLNSAT_H

#include <istream>
#include <string>

#include "GNSS/mjd.h"
#include "GNSS/ymdhms.h"
#include "PROGINC/PassInput.h"
#include "matrix/matrix.h"

class GLNSat {
 public:
  enum { FROM = 0, TO = 1 };  // columns of eph

  char file[256];                   // path of the channel file
  bool IsGLNSat;                    // the last lookup found a record
  long nsat;                        // number of records
  matrix<short> sat;                // satellite number of each record: slot + 100
  matrix<mjd> eph;                  // validity period of each record, FROM and TO inclusive
  matrix<long double> FreqChannel;  // frequency-channel number of each record
  ymdhms dm;                        // work value for the dates being read
  mjd lastEph;                      // end of an open period: 2099-12-31 23:59:59
  PassInput input;                  // the file, pass by pass

  GLNSat();

  // Stores the name and ends the program when the file does not exist.
  void SetFile(const char* name);
  // Counts the records, sizes the tables and reads the records in file order.
  void ReadFile();
  // Channel of the satellite at epoch t from the first record whose period
  // holds t; 0 with IsGLNSat false when no record does.
  long double GetFreqNum(short satellite, mjd& t);
  bool GetIsGLNSat() const { return IsGLNSat; }

 private:
  void CountGNSSats();
  void ReadGLNFreqChan();
  std::istream& OpenFile();
  // Record i from the line of number lineNo in the file.
  void StoreRecord(long i, const std::string& line, long lineNo);
};

#endif
