// Numeric and text fields of compact RINEX records.
#include "rinex/CompactFields.h"

namespace {

// The longest run of digits read: any more could not fit any field.
const size_t kMaxDigits = 18;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "[-]digits" as a wrapped 64-bit integer.
bool ReadInteger(std::string_view text, uint64_t& value) {
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > kMaxDigits) return false;
  uint64_t magnitude = 0;
  for (char c : text) {
    if (!IsDigit(c)) return false;
    magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
  }
  value = negative ? 0 - magnitude : magnitude;
  return true;
}

}  // namespace

CompactArc::Result CompactArc::Take(std::string_view field) {
  if (field.empty()) {
    started_ = false;
    return Result::Empty;
  }
  if (field.size() > 1 && field[1] == '&') {
    if (!IsDigit(field[0]) || !ReadInteger(field.substr(2), terms_[0])) return Result::Unreadable;
    order_ = field[0] - '0';
    reached_ = 0;
    started_ = true;
    return Result::Value;
  }
  if (!started_) return Result::NoStart;
  if (reached_ < order_) reached_++;
  if (!ReadInteger(field, terms_[reached_])) return Result::Unreadable;
  for (int term = reached_ - 1; term >= 0; term--) terms_[term] += terms_[term + 1];
  return Result::Value;
}

void ApplyTextDifference(std::string& text, std::string_view difference) {
  if (difference.size() > text.size()) text.resize(difference.size(), ' ');
  for (size_t i = 0; i < difference.size(); i++) {
    const char c = difference[i];
    if (c != ' ') text[i] = c == '&' ? ' ' : c;
  }
}
