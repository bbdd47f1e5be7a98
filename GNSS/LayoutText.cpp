// Fixed-width fields of the time classes' print layouts.
#include "GNSS/LayoutText.h"

#include <ios>

#include "PROGINC/FixedFormat.h"

LayoutText& LayoutText::Whole(unsigned long value, int width, char pad) {
  char digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  if (width > count) text_.append(static_cast<size_t>(width - count), pad);
  while (count > 0) text_ += digits[--count];
  return *this;
}

LayoutText& LayoutText::Fixed(long double value, int width, int decimals, char pad) {
  char field[kFixedTextRoom];
  const int length = FormatFixed(field, sizeof field, value, width, decimals, pad);
  if (length < 0) return *this;
  if (length < static_cast<int>(sizeof field)) {
    text_.append(field, static_cast<size_t>(length));
    return *this;
  }
  // Too long for the field buffer (many decimals): formatted again in full.
  std::string longText(static_cast<size_t>(length) + 1, '\0');
  FormatFixed(&longText[0], longText.size(), value, width, decimals, pad);
  text_.append(longText, 0, static_cast<size_t>(length));
  return *this;
}

LayoutText& LayoutText::Text(const char* text) {
  text_ += text;
  return *this;
}

LayoutText& LayoutText::Clock(unsigned h, unsigned m, long double s, int secondsWidth,
                              int decimals) {
  return Whole(h, 2, '0').Text(":").Whole(m, 2, '0').Text(":").Fixed(s, secondsWidth, decimals,
                                                                     '0');
}

void LayoutText::WriteTo(std::ostream& out) const {
  out.write(text_.data(), static_cast<std::streamsize>(text_.size()));
  out.width(0);
}

void LeaveFixed(std::ostream& out, int precision) {
  out.setf(std::ios::fixed, std::ios::floatfield);
  out.precision(precision);
}

void LeaveFixedBlankFill(std::ostream& out, int precision) {
  LeaveFixed(out, precision);
  out.fill(' ');
}
