// Fixed-width fields of the time classes' print layouts, built as text: each
// field padded with blanks or zeros as the layout says, so the text does not
// depend on a stream's state.  Whole numbers are formatted by hand: these
// layouts start every listed row.
#ifndef GNSS_LAYOUTTEXT_H
#define GNSS_LAYOUTTEXT_H

#include <ostream>
#include <string>

class LayoutText {
 public:
  LayoutText() { text_.reserve(32); }

  // A whole number right-aligned in `width`, padded with `pad`.
  LayoutText& Whole(unsigned long value, int width, char pad = ' ');
  // Fixed-point with `decimals` decimals, right-aligned in `width`.
  LayoutText& Fixed(long double value, int width, int decimals, char pad = ' ');
  LayoutText& Text(const char* text);
  // hh:mm:ss with both whole fields zero-padded to two digits and the seconds
  // zero-padded in `secondsWidth` with `decimals` decimals.
  LayoutText& Clock(unsigned h, unsigned m, long double s, int secondsWidth, int decimals);

  const std::string& str() const { return text_; }
  std::string Take() { return std::move(text_); }
  // Writes the text and spends any field width pending on the stream.
  void WriteTo(std::ostream& out) const;

 private:
  std::string text_;
};

// Fixed notation with the given precision: the state a layout with a
// fixed-point field leaves behind.
void LeaveFixed(std::ostream& out, int precision);
// The same and a blank fill, for the layouts that reset the fill character.
void LeaveFixedBlankFill(std::ostream& out, int precision);

#endif
