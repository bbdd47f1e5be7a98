// Fixed-width fields of the time classes' print layouts.
#include "GNSS/LayoutText.h"

#include "PROGINC/FixedFormat.h"

#include <cstdio>
#include <ios>
#include <string>

LayoutText& LayoutText::Whole(unsigned long value, int width, char pad) {
  char digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  for (int k = count; k < width; k++) Put(pad);
  while (count > 0) Put(digits[--count]);
  return *this;
}

LayoutText& LayoutText::Fixed(long double value, int width, int decimals, char pad) {
  const char* format = pad == '0' ? "%0*.*Lf" : "%*.*Lf";
  const int room = static_cast<int>(sizeof text_) - used_;
  const int length = FormatFixed(text_ + used_, room, value, width, decimals, pad);
  if (length < 0) return *this;
  if (length < room) {
    used_ += length;
    return *this;
  }
  // Too long for the buffer (many decimals): write it on its own.
  Spill();
  std::string longText(static_cast<size_t>(length) + 1, '\0');
  std::snprintf(&longText[0], longText.size(), format, width, decimals, value);
  out_.write(longText.data(), length);
  return *this;
}

LayoutText& LayoutText::Text(const char* text) {
  for (; *text != '\0'; text++) Put(*text);
  return *this;
}

LayoutText& LayoutText::Clock(unsigned h, unsigned m, long double s, int secondsWidth,
                              int decimals) {
  return Whole(h, 2, '0').Text(":").Whole(m, 2, '0').Text(":").Fixed(s, secondsWidth, decimals,
                                                                     '0');
}

void LayoutText::Put(char c) {
  if (used_ == static_cast<int>(sizeof text_)) Spill();
  text_[used_++] = c;
}

void LayoutText::Spill() {
  out_.write(text_, used_);
  used_ = 0;
}

void LayoutText::Write() {
  Spill();
  out_.width(0);
}

void LeaveFixed(std::ostream& out, int precision) {
  out.setf(std::ios::fixed, std::ios::floatfield);
  out.precision(precision);
}

void LeaveFixedBlankFill(std::ostream& out, int precision) {
  LeaveFixed(out, precision);
  out.fill(' ');
}
