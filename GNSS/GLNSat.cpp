// GLNSat: reading of the GLONASS frequency-channel file and channel lookup.
#include "GNSS/GLNSat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "GNSS/SatNumber.h"
#include "GNSS/TimeConverse.h"
#include "PROGINC/CompressedInput.h"
#include "PROGINC/LineReader.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "PROGINC/cfilef.h"
#include "PROGINC/cstringf.h"

namespace {

// A fixed-column field: 1-based start column and width.  Each field runs up
// to the start of the next one, so a number that fills its field (a start
// second "00.0" touching the end year) is not read on into its neighbour.
struct Field {
  int column;
  int width;
};
const int kWidestField = 9;

struct DateFields {
  Field year, month, day, hour, minute, second;
};

const Field kSlot = {2, 9};
const DateFields kStart = {{11, 5}, {16, 3}, {19, 3}, {22, 3}, {25, 3}, {28, 4}};
const DateFields kEnd = {{32, 5}, {37, 3}, {40, 3}, {43, 3}, {46, 3}, {49, 3}};
const int kChannelColumn = 52;  // the channel runs to the end of the line

// Comment lines ("#"), lines starting with a blank and empty lines carry no
// record.
bool IsRecord(const char* text, std::size_t length) {
  return length > 0 && text[0] != '#' && text[0] != ' ';
}

// Copies the next record line into `line`; false at the end of the file.
// Lines of any length are read whole and a Windows line end reads like a
// plain one, so a long line neither overflows nor ends the file early.
bool NextRecord(LineReader& reader, std::string& line) {
  while (reader.Next()) {
    if (!IsRecord(reader.line, reader.length)) continue;
    line.assign(reader.line, reader.length);
    return true;
  }
  return false;
}

// The text of a field; shorter or empty when the line ends inside it.
struct FieldText {
  char text[kWidestField + 1];
  FieldText(const std::string& line, Field field) {
    substr(line.c_str(), field.column - 1, field.width, text);
  }
};

// An integer field as an unsigned 16-bit date field.  A number that does not
// fit (negative or above 65535) becomes 65535, which is refused as out of
// range, instead of wrapping round into a valid-looking value.
unsigned short ReadDateField(const std::string& line, Field field) {
  const long value = std::strtol(FieldText(line, field).text, nullptr, 10);
  if (value < 0 || value > 65535) return 65535;
  return static_cast<unsigned short>(value);
}

// A decimal number; no number, or one that is not finite, reads as 0.
long double ReadDecimal(const char* text) {
  const double value = std::strtod(text, nullptr);
  return std::isfinite(value) ? value : 0.0;
}

// The slot as a satellite number; a slot outside 0 to 99 cannot be a
// GLONASS satellite and is stored as 0, no satellite.
short ReadSatellite(const std::string& line) {
  const long slot = std::strtol(FieldText(line, kSlot).text, nullptr, 10);
  if (slot < 0 || slot > 99) return 0;
  return GlonassSatNumber(static_cast<int>(slot));
}

// A blank end-year column, or a line that ends before it, leaves the
// period open.
bool IsOpenEnded(const std::string& line) {
  const std::size_t endYear = kEnd.year.column - 1;
  return line.size() <= endYear || line[endYear] == ' ';
}

// The first field of a date that the calendar refuses, or null.
const char* InvalidDateField(const ymdhms& date) {
  if (!date.TestYear()) return "YEAR";
  if (!date.TestMonth()) return "MONTH";
  if (!date.TestDay()) return "DAY";
  if (!date.TestHour()) return "HOUR";
  if (!date.TestMinute()) return "MINUTE";
  if (!date.TestSecond()) return "SECOND";
  return nullptr;
}

// A date and time from its fields, set into the work value dm.  A field out
// of range ends the program with an error naming the line, as a wrong file
// given as channel file would otherwise end with the calendar's message
// alone.
mjd ReadEpoch(const std::string& line, long lineNo, const char* which, const DateFields& fields,
              ymdhms& dm) {
  dm.year = ReadDateField(line, fields.year);
  dm.month = ReadDateField(line, fields.month);
  dm.day = ReadDateField(line, fields.day);
  dm.hour = ReadDateField(line, fields.hour);
  dm.minute = ReadDateField(line, fields.minute);
  dm.second = ReadDecimal(FieldText(line, fields.second).text);
  if (const char* field = InvalidDateField(dm)) {
    char message[128];
    std::snprintf(message, sizeof message,
                  "GLONASS FREQUENCY CHANNEL FILE, LINE %ld: %s %s NOT VALID!", lineNo, which,
                  field);
    ProgramError(Loader().program, message);
  }
  return ymdhms2mjd(dm);
}

}  // namespace

GLNSat::GLNSat() : IsGLNSat(false), nsat(0), lastEph(88068, 86399.0L) { file[0] = '\0'; }

void GLNSat::SetFile(const char* name) {
  if (strnlen(name, sizeof(file)) >= sizeof(file))
    ProgramError(Loader().program, "GLONASS FREQUENCY CHANNEL FILE NAME IS TOO LONG!");
  std::snprintf(file, sizeof(file), "%s", name);
  if (!FileExists(file))
    ProgramError(Loader().program, "GLONASS FREQUENCY CHANNEL FILE DOES NOT EXIST!");
}

void GLNSat::ReadFile() {
  CountGNSSats();
  ReadGLNFreqChan();
}

std::istream& GLNSat::OpenFile() {
  if (!input.Open(file))
    ProgramError(Loader().program, "GLONASS FREQUENCY CHANNEL FILE CAN NOT BE OPENED!");
  return input.Stream();
}

void GLNSat::CountGNSSats() {
  std::istream& in = OpenFile();
  const Compression form = CompressionOf(in);
  if (form != Compression::NONE)
    CompressedInputError(Loader().program, "GLONASS FREQUENCY CHANNEL FILE", form, file,
                         Loader().channelOption);
  LineReader reader(in, 0);
  std::string line;
  nsat = 0;
  while (NextRecord(reader, line)) nsat++;
  sat.Resize(nsat, 1);
  eph.Resize(nsat, 2);
  FreqChannel.Resize(nsat, 1);
}

// The file is opened and checked again; should it have grown since it was
// counted, the records beyond the counted ones are not read.
void GLNSat::ReadGLNFreqChan() {
  LineReader reader(OpenFile(), 0);
  std::string line;
  for (long i = 0; i < nsat && NextRecord(reader, line); i++) StoreRecord(i, line, reader.lineNo);
  input.Release();
}

void GLNSat::StoreRecord(long i, const std::string& line, long lineNo) {
  sat(i) = ReadSatellite(line);
  eph(i, FROM) = ReadEpoch(line, lineNo, "START", kStart, dm);
  eph(i, TO) = IsOpenEnded(line) ? lastEph : ReadEpoch(line, lineNo, "END", kEnd, dm);
  FreqChannel(i) = ReadDecimal(TailFrom(line.c_str(), kChannelColumn - 1));
}

long double GLNSat::GetFreqNum(short satellite, mjd& t) {
  IsGLNSat = false;
  for (long i = 0; i < nsat; i++) {
    if (sat(i) == satellite && eph(i, FROM) <= t && t <= eph(i, TO)) {
      IsGLNSat = true;
      return FreqChannel(i);
    }
  }
  return 0.0L;
}
