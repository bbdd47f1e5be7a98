// The pieces of compact RINEX (Hatanaka) records: numeric fields kept as
// arcs of differences, text kept as differences to the text before, and the
// fixed-point fields the decoded values are written into.
#ifndef RINEX_COMPACTFIELDS_H
#define RINEX_COMPACTFIELDS_H

#include <cstdint>
#include <string>
#include <string_view>

// One series of integers (values in units of the field's last decimal): a
// field "N&V" starts it with value V and difference order N; every later
// field gives the next difference, of the order reached so far (1 for the
// second value, 2 for the third, ... up to N), from which the value is
// rebuilt.  Arithmetic wraps: a corrupt file gives wrong values, never
// undefined behaviour, and values are range-checked when written.
class CompactArc {
 public:
  enum class Result { Value, Empty, Unreadable, NoStart };

  // Reads one field ("" when the value is missing, which ends the arc).
  Result Take(std::string_view field);
  int64_t value() const { return static_cast<int64_t>(terms_[0]); }
  bool started() const { return started_; }
  void Stop() { started_ = false; }

 private:
  static const int kMaxOrder = 9;       // the order is one digit
  uint64_t terms_[kMaxOrder + 1] = {};  // the value, then its differences of order 1, 2, ...
  int order_ = 0;
  int reached_ = 0;  // the order of difference the next field gives, less one
  bool started_ = false;
};

// Applies a text difference to `text`: a blank keeps the character, '&'
// makes it a blank, any other character replaces it; text beyond the end of
// `text` extends it.
void ApplyTextDifference(std::string& text, std::string_view difference);

#endif
