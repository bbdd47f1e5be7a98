// AmbRecord: one ambiguity arc (a stretch of one satellite's observations over
// which one phase ambiguity holds) and the binary file that holds the arcs.
#ifndef GNSS_AMBRECORD_H
#define GNSS_AMBRECORD_H

#include <fstream>
#include <string>

#include "matrix/matrix.h"

// Size of one record in the ambiguity file: no header, no padding.
constexpr int AmbRecordBytes = 18;

// Field layout of a record, little-endian:
//   offset  0: signed 16-bit satellite number
//   offset  2: signed 32-bit index of the arc's first epoch
//   offset  6: signed 32-bit index, in the flat record list, of that epoch's first record
//   offset 10: signed 32-bit index of the arc's last epoch
//   offset 14: signed 32-bit number of observations counted in the arc
class AmbRecord {
 public:
  short sat = 0;
  long firstEpoch = 0;
  long firstRecord = 0;
  long lastEpoch = 0;
  long count = 0;
};

// The 18 bytes of a record.  An index or count outside the signed 32-bit
// range cannot be stored and is fatal.
void AmbRecord2Bytes(const AmbRecord& rec, unsigned char (&bytes)[AmbRecordBytes]);
AmbRecord Bytes2AmbRecord(const unsigned char (&bytes)[AmbRecordBytes]);

// Writes records to an ambiguity file, truncating it when it opens.  A file
// that cannot be opened or written ends the program with a message naming it.
class AmbRecordWriter {
 public:
  explicit AmbRecordWriter(const char* path);
  void Write(const AmbRecord& rec);
  void Close();

  std::string path;
  std::ofstream out;
};

// Reads the first n records of an ambiguity file.  A file that cannot be
// opened, or that holds fewer than n whole records, ends the program.
matrix<AmbRecord> ReadAmbRecords(const char* path, long n);

#endif
