// FixedFormat: a long double in fixed-point notation, the bytes that the C
// library's "%*.*Lf" gives (and so the bytes of a stream in fixed notation
// with a blank fill), without going through the library's formatter.  The
// value is rounded from its exact binary value, halves to even, by integer
// arithmetic; values it cannot take that way exactly (not finite, very large,
// many decimals) go through the library, so every result is the library's.
#ifndef PROGINC_FIXEDFORMAT_H
#define PROGINC_FIXEDFORMAT_H

#include <cstddef>
#include <cstdint>

// What the single-difference file and the listing write, right-aligned, in
// the field of a value that is missing.
constexpr char kMissingValueMark[] = "*.***";

// Longest text FormatFixed writes by its own arithmetic; longer results (and
// any result that does not fit `room`) are cut as snprintf cuts them.
constexpr int kFixedTextRoom = 64;

// Writes `value` right-aligned in `width` with `decimals` decimals, padded
// with blanks, or with zeros after the sign when `pad` is '0' (the "0" flag);
// a zero-terminated text in `text` (room characters).  Returns the length the
// full text has, as snprintf does.
int FormatFixed(char* text, size_t room, const long double& value, int width, int decimals,
                char pad = ' ');

// Writes a whole number of units of 10^-decimals (12345 at 3 decimals is
// "12.345") as FormatFixed writes that value, padded with blanks.
int FormatUnits(char* text, size_t room, int64_t units, int width, int decimals);

// Writes the same text right-aligned in exactly `width` characters at `to`,
// without a terminating zero, as the fields of a line are filled in place;
// false (and nothing written) when it does not fit.
bool WriteUnits(char* to, int width, int64_t units, int decimals);

// Writes `word` right-aligned in `width`, padded with blanks, as "%*s" does.
int FormatRightAligned(char* text, size_t room, const char* word, int width);

#endif
