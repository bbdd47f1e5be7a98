// The lines of a RINEX file as the readers take them: checked for stray
// bytes and length, trailing blanks cut, and cut into fixed-column fields
// that never reach past the line's end.
#ifndef RINEX_RINEXLINE_H
#define RINEX_RINEXLINE_H

#include <cstddef>
#include <string_view>

#include "PROGINC/TextField.h"

class TextInput;

// Header lines and RINEX 2 record lines hold at most 80 characters.
constexpr size_t kRinexLineWidth = 80;

// An observation field of a record: the value in F14.3, then the loss-of-lock
// indicator and the signal strength, a character each.  Values are read in
// thousandths and only in that shape, so a value has at most ten digits
// before its point and a difference of two values fits the
// single-difference file's fields.
constexpr size_t kObsFieldWidth = 16;
constexpr size_t kObsValueWidth = 14;
constexpr int kObsValueDecimals = 3;

// The current line of `in` without its trailing blanks.  A line holding a
// byte that is not printable ASCII, or longer than `maxLength` without its
// trailing blanks, is a fatal error naming the file and the line.
std::string_view CheckedLine(const TextInput& in, size_t maxLength);

// The header label of a line: columns 61 to 80 without trailing blanks.
inline std::string_view HeaderLabel(std::string_view line) { return TrimmedField(line, 60, 20); }

#endif
