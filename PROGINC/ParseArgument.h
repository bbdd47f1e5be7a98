// Parsers of command-line option values.  Every option is one word, "-",
// the option letters and the value with no blank between; each parser gets the
// whole word and the position at which the value begins.  Text that holds no
// number reads as 0; a value that cannot be held (a number beyond its type, a
// name longer than its field) ends the program with a framed error.
#ifndef PROGINC_PARSEARGUMENT_H
#define PROGINC_PARSEARGUMENT_H

#include <cstddef>

#include "matrix/matrix.h"

class ymdhms;
class xyz;
class flh;

// Copies the value (from `npos` to the end of the word) into `file`, which
// holds `size` characters; a longer value is fatal.
void ParseFileName(const char* argi, char* file, std::size_t size, int npos);
template <std::size_t N>
void ParseFileName(const char* argi, char (&file)[N], int npos) {
  ParseFileName(argi, file, N, npos);
}

// ParseFileName, then sets `isFile`; in verbose mode echoes `printString`,
// the name and "!" on standard error.
void GetFileName(const char* arg, char* file, std::size_t size, bool& isFile, bool verbose,
                 short npos, const char* printString);
template <std::size_t N>
void GetFileName(const char* arg, char (&file)[N], bool& isFile, bool verbose, short npos,
                 const char* printString) {
  GetFileName(arg, file, N, isFile, verbose, npos, printString);
}

// Copies what follows the first `c` of the word into `strng` (`size`
// characters); without `c` nothing is copied.
void ParseString(const char* argi, char* strng, std::size_t size, char c);
template <std::size_t N>
void ParseString(const char* argi, char (&strng)[N], char c) {
  ParseString(argi, strng, N, c);
}

int ParseInteger(const char* argi, int npos);
// Read in double precision, then rounded to single precision.
float ParseFloat(const char* argi, int npos);
double ParseDouble(const char* argi, int npos);

// Date and time in fixed columns from `npos`: year 0-3, month 5-6, day 8-9,
// hour 11-12, minute 14-15, seconds 17 to the end of the word.  Separators are
// not looked at; fields are set in that order and the date class ends the
// program on the first invalid one.  A word ending inside a field gives a
// shorter (or empty, so 0) field.
void ParseDate(const char* argi, ymdhms& dat, int npos);
// Whether the value from `npos` has the form ParseDate reads right: digits in
// every column of the year, month and day; the hour and the minute either two
// digits or left out, the value ending before them; the seconds, unless left
// out, digits with an optional point and decimals.  What a value leaves out
// reads as 0.
bool IsDateInColumns(const char* argi, int npos);
// The year, month and day columns of ParseDate; the time of day becomes 0.
void ParseYMD(const char* argi, ymdhms& dat, int npos);
// "h:m:s" as seconds: 3600 h + 60 m + s.
long double ParseHMS(const char* argi, int npos);

// Whether a three-character group is a satellite name: a system letter (G,
// R, E or C, in either case) and two digits.
bool IsSatName(const char* group);
// Three-character satellite names ("G01", "R05", "E11", "C05") to satellite
// numbers (R adds 100, E 200, C 300, in either case; any other letter
// nothing), in the order given; one or two characters left over at the end
// are ignored.
void ParseSatList(const char* argi, matrix<short>& satprn, int npos);
void ParseSatList(const char* argi, matrix<unsigned short>& satprn, int npos);

// Two numbers from position 2 (or `pos`): the run of digits and points, then
// the text after the one character that ends it.
void ParseSigPpm(const char* argi, float& sig, float& ppm);
void ParseSigPpm(const char* argi, long double& sig, long double& ppm, int pos);
void ParseIncXY(const char* argi, double& ix, double& iy);

// Three numbers (runs of digits, points and minus signs) separated by one
// character each, from position 2 (or `pos`).
void Parse1DNodes(const char* argi, double& x0, double& xn, double& dx);
void ParseXYZ(const char* argi, xyz& X0, int pos);
// As ParseXYZ; latitude and longitude in the unit of flhns::Unit (RAD, DEG or
// DMS; any other unit stores nothing), the height in metres.
void ParseFLH(const char* argi, flh& X0, int pos);

// `nA` is the integer at `pos`, `nD` the integer after the first non-digit
// that follows it.
void ParsePrintOpt(const char* argi, short& nA, short& nD, int pos);

// Lists of numbers (runs of digits, points and minus signs, separated by any
// other characters) from `pos`.  The Parse forms store them into a matrix that
// already has room for them and set `nList` to their count.
long CountListOfNums(const char* argi, int pos);
void ParseListofLInts(const char* argi, long& nList, matrix<long>& LInt, int pos);
void ParseListofDbls(const char* argi, long& nList, matrix<double>& LInt, int pos);
void ParseListofLongDbls(const char* argi, long& nList, matrix<long double>& LInt, int pos);

#endif
