// Numbers out of fixed-column and blank-separated text, without exceptions
// and without reading past the given end: a field that holds no number reads
// as 0.  Lines need not be zero-terminated.
#ifndef PROGINC_NUMFIELD_H
#define PROGINC_NUMFIELD_H

#include <cstddef>
#include <string_view>

// Skips white space from p, then reads the longest decimal number (sign,
// digits, point, exponent) before end.  On success p moves past the number.
// Text such as "*.***", "nan" or "inf" is no number: value 0, p unchanged.
bool ScanReal(const char*& p, const char* end, double& value);
// The same for a signed decimal integer; saturates at the range of long.
bool ScanInt(const char*& p, const char* end, long& value);

// The field of `width` characters at offset `off` of a line of `len`
// characters, cut at the line's end; 0 when the field holds no number.
double RealField(const char* line, size_t len, size_t off, size_t width);
long IntField(const char* line, size_t len, size_t off, size_t width);
// RealField's value, read at once when the field has the shape files carry
// (blanks, then "*.***" or an optional minus, up to seven digits, a point and
// three decimals, filling a field of 12 characters or more) on a machine that
// stores the lowest byte first.  Any other text goes through RealField.
double DecimalField(const char* line, size_t len, size_t off, size_t width);
// The whole text as a fixed-point number: an optional sign, digits and at
// most one point ("-12345.678", "5.", ".5"), nothing else (no blanks, no
// exponent); the value strtod gives.
bool ReadDecimal(std::string_view text, double& value);
// A length or count: leading blanks, then digits only (a sign reads as 0).
long CountField(const char* line, size_t len, size_t off, size_t width);

#endif
