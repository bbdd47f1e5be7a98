// Fixed-column fields and the numbers they hold.
#include "PROGINC/TextField.h"

namespace {

// Nine digits stay below the range of int.
constexpr size_t kMaxWholeDigits = 9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

template <class Whole>
bool ReadSignedWhole(std::string_view field, Whole& value) {
  field = Trimmed(field);
  bool negative = false;
  if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
    negative = field.front() == '-';
    field.remove_prefix(1);
  }
  if (field.empty() || field.size() > kMaxWholeDigits) return false;
  Whole number = 0;
  for (const char c : field) {
    if (!IsDigit(c)) return false;
    number = number * 10 + (c - '0');
  }
  value = negative ? -number : number;
  return true;
}

}  // namespace

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return TrimmedRight(text);
}

std::string_view TrimmedRight(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool ReadWhole(std::string_view field, int& value) { return ReadSignedWhole(field, value); }

bool ReadWhole(std::string_view field, long& value) { return ReadSignedWhole(field, value); }

long ReadCount(std::string_view line, size_t from, size_t width) {
  if (line.size() < from + width) return -1;
  long count = -1;
  for (const char c : line.substr(from, width)) {
    if (c == ' ' && count < 0) continue;
    if (!IsDigit(c)) return -1;
    count = (count < 0 ? 0 : count * 10) + (c - '0');
  }
  return count;
}

bool ReadUnits(std::string_view field, size_t width, int decimals, int64_t& units) {
  units = 0;
  size_t k = field.find_first_not_of(' ');
  if (k == std::string_view::npos) return true;
  if (field.size() != width || decimals < 0 || static_cast<size_t>(decimals) >= width) return false;
  const size_t pointAt = width - 1 - static_cast<size_t>(decimals);
  if (field[pointAt] != '.') return false;
  const bool negative = field[k] == '-';
  if (negative) k++;
  int64_t number = 0;
  for (; k < width; k++) {
    if (k == pointAt) continue;
    if (!IsDigit(field[k])) return false;
    number = number * 10 + (field[k] - '0');
  }
  units = negative ? -number : number;
  return true;
}
