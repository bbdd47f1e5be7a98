// The satellite systems the converter writes and their satellite numbers in
// the single-difference file.
#ifndef RINEX_SATSYSTEMS_H
#define RINEX_SATSYSTEMS_H

#include "GNSS/SatNumber.h"

// The converted systems, in the order of their satellite numbers.
constexpr char kSystems[] = "GREC";
constexpr int kNSystems = 4;

// The index of a system letter in kSystems, or -1 for a system not written.
constexpr int SystemIndex(char system) {
  for (int k = 0; k < kNSystems; k++)
    if (kSystems[k] == system) return k;
  return -1;
}

// A place in kSystems is the system place of the satellite numbers (SatNumber).
constexpr bool PlacesAreSatNumberPlaces() {
  for (int k = 0; k < kNSystems; k++)
    if (kSystems[k] != kSatSystemLetters[k]) return false;
  return true;
}
static_assert(PlacesAreSatNumberPlaces(), "converted systems out of satellite-number order");

#endif
