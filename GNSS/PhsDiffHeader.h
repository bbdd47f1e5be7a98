// PhsDiffHeader: what the header of a single-difference file says (stations,
// observation types, difference level) plus the presence flags and the data
// interval that the rest of the program reads.
#ifndef GNSS_PHSDIFFHEADER_H
#define GNSS_PHSDIFFHEADER_H

#include <cstddef>
#include <istream>
#include <string_view>

#include "GNSS/neu.h"
#include "GNSS/xyz.h"
#include "matrix/matrix.h"

class PhsDiffHeader {
 public:
  // Index of the two stations in every two-element member.
  enum { BASE = 0, ROVER = 1 };
  // Observation-type codes; `obs` holds them in header order.
  enum {
    C1,
    P1,
    P2,
    L1,
    L2,
    C2,
    S1,
    S2,
    D1,
    D2,
    C5,
    L5,
    D5,
    S5,
    C6,
    L6,
    D6,
    S6,
    C7,
    L7,
    D7,
    S7,
    C8,
    L8,
    D8,
    S8,
    NTYPES,      // number of observation types
    NOTYPE = -1  // a header group that names no known type
  };
  // The two-letter names of the observation types, in code order: the one
  // table the file header, the catalogue, the converter and the simulator
  // name the types by.
  static constexpr char kTypeNames[NTYPES][3] = {
      "C1", "P1", "P2", "L1", "L2", "C2", "S1", "S2", "D1", "D2", "C5", "L5", "D5",
      "S5", "C6", "L6", "D6", "S6", "C7", "L7", "D7", "S7", "C8", "L8", "D8", "S8"};
  // Field sizes of the text records, terminator included.
  enum { MARKER_NAME_SIZE = 61, TEXT_FIELD_SIZE = 21 };

  char mname[2][MARKER_NAME_SIZE];
  char mnumber[2][TEXT_FIELD_SIZE];
  char rectype[2][TEXT_FIELD_SIZE];
  char anttype[2][TEXT_FIELD_SIZE];
  char antserial[2][TEXT_FIELD_SIZE];
  bool HasObservations;  // epoch records follow the header
  bool IsValid;          // line 1 named a difference kind
  matrix<xyz> X0;        // positions of base and rover, metres
  matrix<neu> Dp;        // north/east/up offsets of base and rover, metres
  short nobs;            // number of observation types
  matrix<short> obs;     // observation-type codes, header order
  short diffLevel;       // 1 single, 2 double, 3 triple differences
  float interval;        // smallest spacing of consecutive epochs, seconds
  // Presence flags of the observation types, in code order.
  bool iC1, iP1, iP2, iL1, iL2, iC2, iS1, iS2, iD1, iD2, iC5, iL5, iD5;
  bool iS5, iC6, iL6, iD6, iS6, iC7, iL7, iD7, iS7, iC8, iL8, iD8, iS8;
  // Presence flags of the combination series of the epoch records.
  bool iPC1, iPC3, iPP3, iL3, iL4, iMW, iPC4, iPP4, iLC5, iCL1;
  long nHeadLines;  // lines read by the header reader, end line included

  PhsDiffHeader();

  // Record parsers: each takes one whole header line.
  void ParseMarkerName(const char* line);
  void ParseMarkerNumber(const char* line);
  void ParseReceiverType(const char* line);
  void ParseAntennaType(const char* line);
  void ParseAntennaSerial(const char* line);
  void ParseX0(const char* line);
  void ParseDp(const char* line);
  void ParseObsTypes(const char* line);
  void ParseDiffLevel(const char* line);

  unsigned short GetNObs() const { return static_cast<unsigned short>(nobs); }
  float GetInterval() const { return interval; }
  bool HasC1() const { return iC1; }
  bool HasC2() const { return iC2; }
  bool HasP1() const { return iP1; }
  bool HasP2() const { return iP2; }
  bool HasC5() const { return iC5; }
  bool HasC6() const { return iC6; }
  bool HasC7() const { return iC7; }
  bool HasC8() const { return iC8; }
  bool HasL1() const { return iL1; }
  bool HasL2() const { return iL2; }
  bool HasL5() const { return iL5; }
  bool HasL6() const { return iL6; }
  bool HasL7() const { return iL7; }
  bool HasL8() const { return iL8; }

  // The presence flag of an observation-type code; false for NOTYPE.
  bool HasType(short code) const;
  // The two-letter name of a code ("C1"), or "--" for a code that names none.
  static const char* TypeName(short code);
  // The code of a two-letter name ("C1", exact and case-sensitive), or NOTYPE.
  static short TypeCode(std::string_view name);
  // The end-line rules, shared with the loader's counting pass.
  static bool IsEndLine(const char* line, size_t length);
  static bool EndLineHasObservations(const char* line, size_t length);
  // The first line of a difference file names its level; the report knows
  // such a file by it too.
  static bool NamesDifferences(std::string_view line);
};

// Reads the header from line 1 up to and including the end line.  Stops at
// the end of the input when no end line comes; the stream is then failed.
std::istream& operator>>(std::istream& in, PhsDiffHeader& head);

#endif
