// Satellite names.
#include "GNSS/SatelliteName.h"

#include <cstdio>

#include "GNSS/SatNumber.h"

std::string SatName(char letter, long number) {
  char text[24];  // a letter, a sign and the digits of a long
  const int length = std::snprintf(text, sizeof text, "%c%02ld", letter, number);
  return std::string(text, static_cast<size_t>(length));
}

std::string SatName(short sat) { return SatName(SatLetter(sat), SatNumberInSystem(sat)); }
