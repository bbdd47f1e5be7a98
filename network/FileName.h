// What an archive's file name tells of a RINEX file: the station, the day,
// whether it holds observations or navigation records, and its form.
#ifndef NETWORK_FILENAME_H
#define NETWORK_FILENAME_H

#include <string>

struct NamedFile {
  std::string station;  // four characters, lower case
  int year = 0;
  int dayOfYear = 0;
  int startMinute = 0;  // minute of the day the file begins
  bool piece = false;   // the name says it holds part of a day (hourly, 15 minutes)
  bool navigation = false;
  bool longName = false;  // the RINEX 3/4 convention
  bool compact = false;   // compact RINEX (Hatanaka)
  int compression = 0;    // 0 none, 1 gzip, 2 Unix compress
};

// Reads a file name (without folders): RINEX 2 short names ssssdddf.yyt and
// their hourly or quarter-hourly form ssssdddhmm.yyt (t o, d or a navigation
// letter), and RINEX 3/4 long names SSSSMRCCC_S_YYYYDDDHHMM_PER[_FRQ]_TT.FMT;
// either may end in .gz or .Z.  False when the name follows neither.
bool ParseFileName(const std::string& name, NamedFile& file);

// The order in which one of several forms of a station-day is taken: long
// names before short ones, then plain before compact RINEX, then
// uncompressed before gzip before Unix compress.  Lower comes first.
int FormRank(const NamedFile& file);

#endif
