// Fixed-column fields of text lines, read in one place for every file the
// system reads (RINEX observation and navigation files, compact RINEX,
// precise orbits, the listing): fields cut from a line without reaching past
// its end, trimmed of blanks, and the whole and fixed-point numbers they hold.
// Fields are never zero-terminated; nothing here allocates.
#ifndef PROGINC_TEXTFIELD_H
#define PROGINC_TEXTFIELD_H

#include <cstddef>
#include <cstdint>
#include <string_view>

// The `width` characters at `offset`, as far as the line reaches.
inline std::string_view Field(std::string_view line, size_t offset, size_t width) {
  if (offset >= line.size()) return {};
  return line.substr(offset, width);
}

// The text without blanks before and after it, or without those after it.
std::string_view Trimmed(std::string_view text);
std::string_view TrimmedRight(std::string_view text);

// The field at `offset` without blanks before and after it.
inline std::string_view TrimmedField(std::string_view line, size_t offset, size_t width) {
  return Trimmed(Field(line, offset, width));
}

// A whole number with blanks around it and an optional sign, of at most nine
// digits; false when the field holds anything else, or only blanks.
bool ReadWhole(std::string_view field, int& value);
bool ReadWhole(std::string_view field, long& value);

// A count right-aligned in the `width` characters of `line` from `from`:
// blanks, then digits to the field's end; -1 when the field is not that, or
// reaches past the line's end.
long ReadCount(std::string_view line, size_t from, size_t width);

// A fixed-point number in a field of `width` characters with `decimals`
// decimals, in whole units of its last decimal: blanks, an optional minus,
// digits with the point at its place ("  24801780.917" is 24801780917 at 14
// and 3).  An all-blank field is 0.  False for a field of another width or
// any other text: a value cut short or shifted by a column is never read as
// another number.  Fields hold at most 18 digits.
bool ReadUnits(std::string_view field, size_t width, int decimals, int64_t& units);

#endif
