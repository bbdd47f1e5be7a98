// The satellite systems the converter writes and their satellite numbers in
// the single-difference file.
#ifndef RINEX_SATSYSTEMS_H
#define RINEX_SATSYSTEMS_H

// The converted systems, in the order of their satellite numbers.
constexpr char kSystems[] = "GREC";
constexpr int kNSystems = 4;

// The index of a system letter in kSystems, or -1 for a system not written.
constexpr int SystemIndex(char system) {
  for (int k = 0; k < kNSystems; k++)
    if (kSystems[k] == system) return k;
  return -1;
}

// The single-difference number of a satellite: 100 times its system's place
// in kSystems plus its number (GPS PRN, GLONASS 100 + slot, ...).
constexpr short SdSatelliteNumber(int system, int number) { return static_cast<short>(100 * system + number); }

#endif
