// The part of an output stream's state that the value classes' writers read
// and leave behind: the format flags (notation among them), the precision
// and the fill character.  A text formatter takes the state of the stream it
// writes for and changes it as writing its text to that stream would, so
// that a caller building rows as text knows the state without a stream.
#ifndef PROGINC_STREAMSTATE_H
#define PROGINC_STREAMSTATE_H

#include <ios>
#include <ostream>
#include <string>

struct StreamState {
  std::ios_base::fmtflags flags;
  std::streamsize precision;
  char fill;

  static StreamState Of(const std::ostream& out) {
    return {out.flags(), out.precision(), out.fill()};
  }
  void ApplyTo(std::ostream& out) const {
    out.flags(flags);
    out.precision(precision);
    out.fill(fill);
  }
  // Fixed notation, as setf(fixed, floatfield) leaves it.
  void SetFixed() { flags = (flags & ~std::ios_base::floatfield) | std::ios_base::fixed; }
  // Fixed notation with `decimals` as precision and, when asked, a blank fill.
  void LeaveFixed(std::streamsize decimals, bool blankFill) {
    SetFixed();
    precision = decimals;
    if (blankFill) fill = ' ';
  }
};

// Writes a formatter's text to `out`, spends a pending field width (the text
// has its own widths) and leaves the state the formatter gave.
void WriteFormatted(std::ostream& out, const char* text, size_t length, const StreamState& after);
inline void WriteFormatted(std::ostream& out, const std::string& text, const StreamState& after) {
  WriteFormatted(out, text.data(), text.size(), after);
}

#endif
