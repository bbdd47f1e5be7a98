// Parsers of command-line option values.
#include "PROGINC/ParseArgument.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "GNSS/SatNumber.h"
#include "GNSS/flh.h"
#include "GNSS/xyz.h"
#include "GNSS/ymdhms.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "PROGINC/cstringf.h"
#include "funkcije/KotnePretvorbe.h"

namespace {

// Characters of a number in the node and list forms.
const char* const kNumberChars = "0123456789.-";
const char* const kDigits = "0123456789";
// Characters of the first number of the two-number forms.
const char* const kUnsignedChars = "0123456789.";
// How much of an offending word an error message shows.
const int kShownLength = 24;

[[noreturn]] void ArgumentError(const char* what, const char* argi) {
  const bool cut = std::strlen(argi) > static_cast<std::size_t>(kShownLength);
  char message[256];
  std::snprintf(message, sizeof message, "%s IN ARGUMENT %.*s%s!", what, kShownLength, argi,
                cut ? "..." : "");
  ProgramError(kProgramName, message);
}

// The standard decimal conversions: 0 when there is no number, and, as with
// atof, an infinite value when the number lies beyond the type's range.
double ToDouble(const char* text) { return std::strtod(text, nullptr); }

long double ToLongDouble(const char* text) { return std::strtold(text, nullptr); }

// The standard integer conversion (0 when there is no number); a number
// outside [low, high] is fatal rather than wrapped into another value.  `end`,
// when given, gets the first character after the number.
long ToLong(const char* text, const char* argi, long low, long high, char** end = nullptr) {
  errno = 0;
  const long value = std::strtol(text, end, 10);
  if (errno == ERANGE || value < low || value > high) ArgumentError("NUMBER OUT OF RANGE", argi);
  return value;
}

// The run of `chars` at `cursor`; the cursor moves past the run and past the
// one character that ends it (never past the word's end).
std::string NextRun(const char*& cursor, const char* chars) {
  const std::size_t length = std::strspn(cursor, chars);
  std::string run(cursor, length);
  cursor += length;
  if (*cursor != '\0') ++cursor;
  return run;
}

double NextNumber(const char*& cursor, const char* chars) {
  return ToDouble(NextRun(cursor, chars).c_str());
}

// The texts of three numbers separated by one character each.
struct Nodes {
  std::string v[3];
};

Nodes ReadNodes(const char* argi, int pos) {
  const char* cursor = TailFrom(argi, pos);
  Nodes nodes;
  for (std::string& node : nodes.v) node = NextRun(cursor, kNumberChars);
  return nodes;
}

void ReadThreeDoubles(const char* argi, int pos, double& a, double& b, double& c) {
  const Nodes nodes = ReadNodes(argi, pos);
  a = ToDouble(nodes.v[0].c_str());
  b = ToDouble(nodes.v[1].c_str());
  c = ToDouble(nodes.v[2].c_str());
}

// Calls visit(index, text) for each number of the list from `pos`; returns
// their count.
template <class Visit>
long ForEachListNumber(const char* argi, int pos, Visit visit) {
  const char* cursor = TailFrom(argi, pos);
  long count = 0;
  for (cursor += std::strcspn(cursor, kNumberChars); *cursor != '\0';
       cursor += std::strcspn(cursor, kNumberChars)) {
    const std::size_t length = std::strspn(cursor, kNumberChars);
    visit(count, std::string(cursor, length).c_str());
    ++count;
    cursor += length;
  }
  return count;
}

// Columns of the date fields, counted from the value's start.
struct DateColumn {
  int pos;
  int width;
};
const DateColumn kYear = {0, 4}, kMonth = {5, 2}, kDay = {8, 2}, kHour = {11, 2}, kMinute = {14, 2};
const int kSecondPos = 17;

// The field cut from the value; a value ending inside it gives a shorter one.
unsigned short DateField(const char* value, DateColumn column) {
  char field[8];
  substr(value, column.pos, column.width, field);
  return static_cast<unsigned short>(std::atoi(field));
}

void SetDateColumns(const char* value, ymdhms& dat) {
  dat.SetYear(DateField(value, kYear));
  dat.SetMonth(DateField(value, kMonth));
  dat.SetDay(DateField(value, kDay));
}

bool HoldsDigits(const char* value, std::size_t length, DateColumn column) {
  const std::size_t end =
      static_cast<std::size_t>(column.pos) + static_cast<std::size_t>(column.width);
  return length >= end &&
         std::strspn(value + column.pos, kDigits) >= static_cast<std::size_t>(column.width);
}

// Digits, then optionally a point and more digits, up to the end.
bool IsDecimal(const char* text) {
  const std::size_t whole = std::strspn(text, kDigits);
  if (whole == 0) return false;
  const char* rest = text + whole;
  return *rest == '\0' || (*rest == '.' && rest[1 + std::strspn(rest + 1, kDigits)] == '\0');
}

// The systems a satellite list names, in the order of their hundreds.
const char* const kSystemLetters = "GREC";

int GroupSatNumber(const char* group) {
  int number = 10 * (group[1] - '0') + (group[2] - '0');
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(group[0])));
  const char* system = letter == '\0' ? nullptr : std::strchr(kSystemLetters, letter);
  if (system == nullptr) return number;
  return SatNumber(static_cast<int>(system - kSystemLetters), number);
}

template <class T>
void FillSatList(const char* argi, matrix<T>& satprn, int npos) {
  const char* value = TailFrom(argi, npos);
  const long groups = static_cast<long>(std::strlen(value) / 3);
  satprn.Resize(groups, 1);
  for (long k = 0; k < groups; ++k) satprn(k) = static_cast<T>(GroupSatNumber(value + 3 * k));
}

// Copies `text` into `out` of `size` characters; a longer text is fatal.
void CopyWhole(const char* text, char* out, std::size_t size, const char* what, const char* argi) {
  const std::size_t length = std::strlen(text);
  if (length >= size) {
    char message[96];
    std::snprintf(message, sizeof message, "%s LONGER THAN %zu CHARACTERS", what,
                  size == 0 ? 0 : size - 1);
    ArgumentError(message, argi);
  }
  std::memcpy(out, text, length + 1);
}

}  // namespace

void ParseFileName(const char* argi, char* file, std::size_t size, int npos) {
  CopyWhole(TailFrom(argi, npos), file, size, "FILE NAME", argi);
}

void GetFileName(const char* arg, char* file, std::size_t size, bool& isFile, bool verbose,
                 short npos, const char* printString) {
  ParseFileName(arg, file, size, npos);
  isFile = true;
  if (verbose) std::cerr << printString << file << "!" << std::endl;
}

void ParseString(const char* argi, char* strng, std::size_t size, char c) {
  const char* found = c == '\0' ? nullptr : std::strchr(argi, c);
  if (found != nullptr) CopyWhole(found + 1, strng, size, "TEXT", argi);
}

int ParseInteger(const char* argi, int npos) {
  return static_cast<int>(ToLong(TailFrom(argi, npos), argi, INT_MIN, INT_MAX));
}

float ParseFloat(const char* argi, int npos) { return static_cast<float>(ParseDouble(argi, npos)); }

double ParseDouble(const char* argi, int npos) { return ToDouble(TailFrom(argi, npos)); }

// The seconds are read whole from their column to the end of the word, so
// any number of decimals is kept.
void ParseDate(const char* argi, ymdhms& dat, int npos) {
  const char* value = TailFrom(argi, npos);
  SetDateColumns(value, dat);
  dat.SetHour(DateField(value, kHour));
  dat.SetMinute(DateField(value, kMinute));
  dat.SetSecond(ToDouble(TailFrom(value, kSecondPos)));
}

bool IsDateInColumns(const char* argi, int npos) {
  const char* value = TailFrom(argi, npos);
  const std::size_t length = std::strlen(value);
  for (DateColumn column : {kYear, kMonth, kDay})
    if (!HoldsDigits(value, length, column)) return false;
  for (DateColumn column : {kHour, kMinute}) {
    if (length <= static_cast<std::size_t>(column.pos)) return true;
    if (!HoldsDigits(value, length, column)) return false;
  }
  return length <= static_cast<std::size_t>(kSecondPos) || IsDecimal(value + kSecondPos);
}

void ParseYMD(const char* argi, ymdhms& dat, int npos) {
  SetDateColumns(TailFrom(argi, npos), dat);
  dat.SetHMS(0, 0, 0);
}

// Hours and minutes are integers, each followed by a colon; reading stops at
// the first part that is missing.
long double ParseHMS(const char* argi, int npos) {
  const char* cursor = TailFrom(argi, npos);
  long double seconds = 0;
  for (long factor : {3600L, 60L}) {
    char* end = nullptr;
    const long part = ToLong(cursor, argi, INT_MIN, INT_MAX, &end);
    if (end == cursor) return seconds;
    seconds += static_cast<long double>(factor) * part;
    if (*end != ':') return seconds;
    cursor = end + 1;
  }
  return seconds + ToLongDouble(cursor);
}

bool IsSatName(const char* group) {
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(group[0])));
  return letter != '\0' && std::strchr(kSystemLetters, letter) != nullptr &&
         std::strspn(group + 1, kDigits) >= 2;
}

void ParseSatList(const char* argi, matrix<short>& satprn, int npos) {
  FillSatList(argi, satprn, npos);
}

void ParseSatList(const char* argi, matrix<unsigned short>& satprn, int npos) {
  FillSatList(argi, satprn, npos);
}

void ParseSigPpm(const char* argi, long double& sig, long double& ppm, int pos) {
  const char* cursor = TailFrom(argi, pos);
  sig = NextNumber(cursor, kUnsignedChars);
  ppm = ToDouble(cursor);
}

void ParseSigPpm(const char* argi, float& sig, float& ppm) {
  long double first = 0, second = 0;
  ParseSigPpm(argi, first, second, 2);
  sig = static_cast<float>(static_cast<double>(first));
  ppm = static_cast<float>(static_cast<double>(second));
}

void ParseIncXY(const char* argi, double& ix, double& iy) {
  long double first = 0, second = 0;
  ParseSigPpm(argi, first, second, 2);
  ix = static_cast<double>(first);
  iy = static_cast<double>(second);
}

void Parse1DNodes(const char* argi, double& x0, double& xn, double& dx) {
  ReadThreeDoubles(argi, 2, x0, xn, dx);
}

void ParseXYZ(const char* argi, xyz& X0, int pos) {
  double x = 0, y = 0, z = 0;
  ReadThreeDoubles(argi, pos, x, y, z);
  X0.Set(x, y, z);
}

// Read in extended precision: the carry of seconds close to a full minute in
// packed angles needs it (45.3 as a double unpacks to 45 deg 29 min 99.99999 s).
void ParseFLH(const char* argi, flh& X0, int pos) {
  const Nodes nodes = ReadNodes(argi, pos);
  long double f = ToLongDouble(nodes.v[0].c_str()), l = ToLongDouble(nodes.v[1].c_str());
  switch (flhns::Unit) {
    case flhns::RAD:
      break;
    case flhns::DEG:
      f = deg2rad(f);
      l = deg2rad(l);
      break;
    case flhns::DMS:
      f = dms2rad(f);
      l = dms2rad(l);
      break;
    default:
      return;
  }
  X0.Set(f, l, ToLongDouble(nodes.v[2].c_str()));
}

void ParsePrintOpt(const char* argi, short& nA, short& nD, int pos) {
  const char* value = TailFrom(argi, pos);
  nA = static_cast<short>(ToLong(value, argi, SHRT_MIN, SHRT_MAX));
  const char* after = value + std::strspn(value, kDigits);
  if (*after != '\0') ++after;
  nD = static_cast<short>(ToLong(after, argi, SHRT_MIN, SHRT_MAX));
}

long CountListOfNums(const char* argi, int pos) {
  return ForEachListNumber(argi, pos, [](long, const char*) {});
}

void ParseListofLInts(const char* argi, long& nList, matrix<long>& LInt, int pos) {
  nList = ForEachListNumber(argi, pos, [&](long i, const char* text) {
    LInt(i) = ToLong(text, argi, LONG_MIN, LONG_MAX);
  });
}

void ParseListofDbls(const char* argi, long& nList, matrix<double>& LInt, int pos) {
  nList = ForEachListNumber(argi, pos, [&](long i, const char* text) { LInt(i) = ToDouble(text); });
}

void ParseListofLongDbls(const char* argi, long& nList, matrix<long double>& LInt, int pos) {
  nList = ForEachListNumber(argi, pos, [&](long i, const char* text) { LInt(i) = ToDouble(text); });
}
