// Fixed-width fields of the time classes' print layouts.
#include "GNSS/TimeText.h"

#include <cstdarg>
#include <cstdio>
#include <ios>
#include <string>

void WriteFormatted(std::ostream& out, const char* format, ...) {
  char text[128];
  va_list args;
  va_start(args, format);
  va_list retry;
  va_copy(retry, args);
  const int length = std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  out.width(0);
  if (length < 0) {
    va_end(retry);
    return;
  }
  if (static_cast<size_t>(length) < sizeof text) {
    out.write(text, length);
  } else {
    std::string longText(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(&longText[0], longText.size(), format, retry);
    out.write(longText.data(), length);
  }
  va_end(retry);
}

int SecondsFieldWidth(unsigned short decimals) { return decimals == 0 ? 2 : decimals + 3; }

void LeaveFixed(std::ostream& out, int precision) {
  out.setf(std::ios::fixed, std::ios::floatfield);
  out.precision(precision);
}

void LeaveFixedBlankFill(std::ostream& out, int precision) {
  LeaveFixed(out, precision);
  out.fill(' ');
}
