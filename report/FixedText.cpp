#include "report/FixedText.h"

#include <cstdio>

std::string FixedText(double value, int decimals) {
  // Room for the 309 whole digits of the largest double, its sign, the point
  // and the decimals the report asks for; snprintf cuts anything beyond.
  char text[384];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}
