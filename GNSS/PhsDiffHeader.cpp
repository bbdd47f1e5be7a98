// The header of a single-difference file: records, labels and the reader.
#include "GNSS/PhsDiffHeader.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "PROGINC/NextStep.h"
#include "PROGINC/NumField.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "PROGINC/cstringf.h"

namespace {

// Presence flag of each observation-type code, in code order.
bool PhsDiffHeader::*const kTypeFlags[PhsDiffHeader::NTYPES] = {
    &PhsDiffHeader::iC1, &PhsDiffHeader::iP1, &PhsDiffHeader::iP2, &PhsDiffHeader::iL1,
    &PhsDiffHeader::iL2, &PhsDiffHeader::iC2, &PhsDiffHeader::iS1, &PhsDiffHeader::iS2,
    &PhsDiffHeader::iD1, &PhsDiffHeader::iD2, &PhsDiffHeader::iC5, &PhsDiffHeader::iL5,
    &PhsDiffHeader::iD5, &PhsDiffHeader::iS5, &PhsDiffHeader::iC6, &PhsDiffHeader::iL6,
    &PhsDiffHeader::iD6, &PhsDiffHeader::iS6, &PhsDiffHeader::iC7, &PhsDiffHeader::iL7,
    &PhsDiffHeader::iD7, &PhsDiffHeader::iS7, &PhsDiffHeader::iC8, &PhsDiffHeader::iL8,
    &PhsDiffHeader::iD8, &PhsDiffHeader::iS8};

bool PhsDiffHeader::*const kCombinationFlags[] = {
    &PhsDiffHeader::iPC1, &PhsDiffHeader::iPC3, &PhsDiffHeader::iPP3, &PhsDiffHeader::iL3,
    &PhsDiffHeader::iL4,  &PhsDiffHeader::iMW,  &PhsDiffHeader::iPC4, &PhsDiffHeader::iPP4,
    &PhsDiffHeader::iLC5, &PhsDiffHeader::iCL1};

// Labels of the records after line 1, in the order they are tested; the end
// label is tested before all of them.
struct RecordEntry {
  const char* label;
  void (PhsDiffHeader::*parse)(const char*);
};

const char kEndLabel[] = "END OF HEADER";

const RecordEntry kRecords[] = {{"MARKER NAME", &PhsDiffHeader::ParseMarkerName},
                                {"MARKER NUMBER", &PhsDiffHeader::ParseMarkerNumber},
                                {"RECEIVER TYPE", &PhsDiffHeader::ParseReceiverType},
                                {"ANTENNA TYPE", &PhsDiffHeader::ParseAntennaType},
                                {"ANTENNA SERIAL", &PhsDiffHeader::ParseAntennaSerial},
                                {"XYZ POSITION", &PhsDiffHeader::ParseX0},
                                {"DELTA N/E/U", &PhsDiffHeader::ParseDp},
                                {"# & TYPES OF OBS", &PhsDiffHeader::ParseObsTypes},
                                {"DIFFERENCE LEVEL", &PhsDiffHeader::ParseDiffLevel}};

const char* const kDifferenceWords[] = {"SINGLE_DIFFERENCES", "DOUBLE_DIFFERENCES",
                                        "TRIPLE_DIFFERENCES"};

// Record data begin after the label field.
const size_t kDataOffset = 17;
// Offset of the flag of the end line.
const size_t kEndFlagOffset = 14;
// Groups of the observation-types record: 3 characters each from offset 21.
const size_t kFirstGroup = 21;
const size_t kGroupWidth = 3;

// Copies a length-prefixed value: `count` characters from `pos`, cut at the
// line's end and at the field's size.  Warns when the field cuts the value.
void CopyValue(const char* line, size_t len, size_t pos, long count, char* field, size_t fieldSize,
               const char* label) {
  field[0] = '\0';
  if (pos >= len || count <= 0) return;
  const long room = static_cast<long>(fieldSize) - 1;
  const long inLine = static_cast<long>(len - pos);
  const long wanted = count < inLine ? count : inLine;
  if (wanted > room) {
    char warning[128];
    std::snprintf(warning, sizeof warning,
                  "HEADER RECORD %s: VALUE LONGER THAN %ld CHARACTERS IS CUT", label, room);
    ProgramWarning(Loader().program, warning);
  }
  substr(line, static_cast<int>(pos), static_cast<int>(wanted < room ? wanted : room), field);
}

// A text record: base length at 17, base value at 21, then the rover's
// length and value right after the base value.
template <size_t N>
void ParseTextPair(const char* line, char (&values)[2][N], const char* label) {
  const size_t len = std::strlen(line);
  const long baseLength = CountField(line, len, kDataOffset, 3);
  CopyValue(line, len, kDataOffset + 4, baseLength, values[PhsDiffHeader::BASE], N, label);
  const size_t roverAt = kDataOffset + 4 + static_cast<size_t>(baseLength);
  const long roverLength = CountField(line, len, roverAt, 3);
  CopyValue(line, len, roverAt + 4, roverLength, values[PhsDiffHeader::ROVER], N, label);
}

// The two triples of a positions or offsets record, base then rover, at
// fixed offsets and widths.
template <class Triple>
void ParseTriples(const char* line, const size_t (&offsets)[6], const size_t (&widths)[6],
                  matrix<Triple>& triples) {
  const size_t len = std::strlen(line);
  long double v[6];
  for (int k = 0; k < 6; k++) v[k] = RealField(line, len, offsets[k], widths[k]);
  triples(PhsDiffHeader::BASE).Set(v[0], v[1], v[2]);
  triples(PhsDiffHeader::ROVER).Set(v[3], v[4], v[5]);
}

bool ReadLine(std::istream& in, std::string& line, long& count) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  count++;
  return true;
}

// The first line of a RINEX observation file, plain or compact, names the
// format ("RINEX VERSION / TYPE", "CRINEX VERS   / TYPE").
bool NamesRinex(const std::string& line) { return line.find("RINEX VERS") != std::string::npos; }

void ParseRecord(PhsDiffHeader& head, const std::string& line) {
  for (const RecordEntry& record : kRecords)
    if (line.find(record.label) != std::string::npos) {
      (head.*record.parse)(line.c_str());
      return;
    }
}

}  // namespace

PhsDiffHeader::PhsDiffHeader()
    : HasObservations(false),
      IsValid(false),
      X0(2, 1),
      Dp(2, 1),
      nobs(0),
      diffLevel(1),
      interval(0),
      nHeadLines(0) {
  for (int station = BASE; station <= ROVER; station++) {
    mname[station][0] = '\0';
    mnumber[station][0] = '\0';
    rectype[station][0] = '\0';
    anttype[station][0] = '\0';
    antserial[station][0] = '\0';
  }
  for (bool PhsDiffHeader::*flag : kTypeFlags) this->*flag = false;
  for (bool PhsDiffHeader::*flag : kCombinationFlags) this->*flag = false;
}

void PhsDiffHeader::ParseMarkerName(const char* line) { ParseTextPair(line, mname, "MARKER NAME"); }

void PhsDiffHeader::ParseMarkerNumber(const char* line) {
  ParseTextPair(line, mnumber, "MARKER NUMBER");
}

void PhsDiffHeader::ParseReceiverType(const char* line) {
  ParseTextPair(line, rectype, "RECEIVER TYPE");
}

void PhsDiffHeader::ParseAntennaType(const char* line) {
  ParseTextPair(line, anttype, "ANTENNA TYPE");
}

void PhsDiffHeader::ParseAntennaSerial(const char* line) {
  ParseTextPair(line, antserial, "ANTENNA SERIAL");
}

void PhsDiffHeader::ParseX0(const char* line) {
  static const size_t offsets[6] = {17, 31, 45, 61, 75, 89};
  static const size_t widths[6] = {14, 14, 14, 14, 14, 14};
  ParseTriples(line, offsets, widths, X0);
}

void PhsDiffHeader::ParseDp(const char* line) {
  static const size_t offsets[6] = {17, 29, 41, 53, 65, 77};
  static const size_t widths[6] = {12, 12, 10, 12, 12, 10};
  ParseTriples(line, offsets, widths, Dp);
}

void PhsDiffHeader::ParseObsTypes(const char* line) {
  const size_t len = std::strlen(line);
  nobs = static_cast<short>(CountField(line, len, kDataOffset, 3));
  obs.Resize(nobs, 1);
  for (short i = 0; i < nobs; i++) {
    const size_t at = kFirstGroup + kGroupWidth * static_cast<size_t>(i);
    obs(i) = NOTYPE;
    if (at + kGroupWidth > len) continue;
    if (line[at] != ' ') continue;
    obs(i) = TypeCode(std::string_view(line + at + 1, 2));
    if (obs(i) != NOTYPE) this->*kTypeFlags[obs(i)] = true;
  }
}

void PhsDiffHeader::ParseDiffLevel(const char* line) {
  diffLevel = static_cast<short>(IntField(line, std::strlen(line), kDataOffset, 3));
}

bool PhsDiffHeader::HasType(short code) const {
  if (code < 0 || code >= NTYPES) return false;
  return this->*kTypeFlags[code];
}

const char* PhsDiffHeader::TypeName(short code) {
  if (code < 0 || code >= NTYPES) return "--";
  return kTypeNames[code];
}

short PhsDiffHeader::TypeCode(std::string_view name) {
  for (short code = 0; code < NTYPES; code++)
    if (name == kTypeNames[code]) return code;
  return NOTYPE;
}

bool PhsDiffHeader::NamesDifferences(std::string_view line) {
  for (const char* word : kDifferenceWords)
    if (line.find(word) != std::string_view::npos) return true;
  return false;
}

bool PhsDiffHeader::IsEndLine(const char* line, size_t length) {
  return std::string_view(line, length).find(kEndLabel) != std::string_view::npos;
}

bool PhsDiffHeader::EndLineHasObservations(const char* line, size_t length) {
  return length > kEndFlagOffset && line[kEndFlagOffset] == '1';
}

std::istream& operator>>(std::istream& in, PhsDiffHeader& head) {
  std::string line;
  head.nHeadLines = 0;
  ReadLine(in, line, head.nHeadLines);
  if (!PhsDiffHeader::NamesDifferences(line)) {
    const char* const error =
        "OBSERVATION DIFFERENCE FILE IS NOT IN VALID FORMAT [1. LINE: "
        "[SINGLE|DOUBLE|TRIPLE]_DIFFERENCES]!";
    if (NamesRinex(line)) ProgramErrorWithHint(Loader().program, error, kRinexToConverter);
    ProgramError(Loader().program, error);
  }
  head.IsValid = true;
  while (ReadLine(in, line, head.nHeadLines)) {
    if (PhsDiffHeader::IsEndLine(line.data(), line.size())) {
      if (PhsDiffHeader::EndLineHasObservations(line.data(), line.size()))
        head.HasObservations = true;
      return in;
    }
    ParseRecord(head, line);
  }
  return in;
}
