// The lines of a RINEX file as the readers take them: checked for stray
// bytes and length, trailing blanks cut, and cut into fixed-column fields
// that never reach past the line's end.
#ifndef RINEX_RINEXLINE_H
#define RINEX_RINEXLINE_H

#include <cstddef>
#include <string_view>

class TextInput;

// Header lines and RINEX 2 record lines hold at most 80 characters.
constexpr size_t kRinexLineWidth = 80;

// The current line of `in` without its trailing blanks.  A line holding a
// byte that is not printable ASCII, or longer than `maxLength` without its
// trailing blanks, is a fatal error naming the file and the line.
std::string_view CheckedLine(const TextInput& in, size_t maxLength);

// The `width` characters at `offset`, as far as the line reaches.
inline std::string_view Field(std::string_view line, size_t offset, size_t width) {
  if (offset >= line.size()) return {};
  return line.substr(offset, width);
}

// The field without blanks before and after it.
std::string_view TrimmedField(std::string_view line, size_t offset, size_t width);

// The header label of a line: columns 61 to 80 without trailing blanks.
inline std::string_view HeaderLabel(std::string_view line) { return TrimmedField(line, 60, 20); }

#endif
