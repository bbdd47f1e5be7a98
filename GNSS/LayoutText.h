// Fixed-width fields of the time classes' print layouts.  A layout is built
// field by field in a local buffer, padded with blanks or zeros as it says,
// and written at once, so its bytes do not depend on the stream's state; the
// writers then leave the stream in the state their layout defines (notation,
// precision, fill), which later output relies on.  Whole numbers are
// formatted by hand: these writers run once per listed row.
#ifndef GNSS_LAYOUTTEXT_H
#define GNSS_LAYOUTTEXT_H

#include <ostream>

class LayoutText {
 public:
  explicit LayoutText(std::ostream& out) : out_(out) {}
  LayoutText(const LayoutText&) = delete;
  LayoutText& operator=(const LayoutText&) = delete;

  // A whole number right-aligned in `width`, padded with `pad`.
  LayoutText& Whole(unsigned long value, int width, char pad = ' ');
  // Fixed-point with `decimals` decimals, right-aligned in `width`.
  LayoutText& Fixed(long double value, int width, int decimals, char pad = ' ');
  LayoutText& Text(const char* text);
  // hh:mm:ss with both whole fields zero-padded to two digits and the seconds
  // zero-padded in `secondsWidth` with `decimals` decimals.
  LayoutText& Clock(unsigned h, unsigned m, long double s, int secondsWidth, int decimals);
  // Writes what was built and spends any field width pending on the stream.
  void Write();

 private:
  void Put(char c);
  void Spill();  // moves the buffer's text to the stream

  std::ostream& out_;
  char text_[96];
  int used_ = 0;
};

// Fixed notation with the given precision: the state a layout with a
// fixed-point field leaves behind.
void LeaveFixed(std::ostream& out, int precision);
// The same and a blank fill, for the layouts that reset the fill character.
void LeaveFixedBlankFill(std::ostream& out, int precision);

#endif
