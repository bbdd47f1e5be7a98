// Satellite numbers: one signed 16-bit number per satellite, 100 times the
// system's place in kSatSystemLetters plus the number within the system (the
// GPS PRN, 100 + GLONASS slot, 200 + Galileo number, 300 + BeiDou number;
// 400 + number is named with S).  0 means no satellite.
//
// The ranges are tested in slightly different ways by different parts of the
// program; each test is named here, with its quirk, so that no range is
// written anywhere else.
#ifndef GNSS_SATNUMBER_H
#define GNSS_SATNUMBER_H

// System letters in the order of the hundreds of satellite numbers.
inline constexpr char kSatSystemLetters[] = "GRECS";
constexpr int kNSatSystems = 5;
enum SatSystemPlace { kGpsPlace = 0, kGlonassPlace = 1, kGalileoPlace = 2, kBeiDouPlace = 3 };

// The satellite number of number `number` within the system of place `system`.
constexpr short SatNumber(int system, int number) {
  return static_cast<short>(100 * system + number);
}

// The system place of a satellite number: its hundreds, 0 for every number
// below 100 (negative ones included).
constexpr int SatSystemIndex(short sat) { return sat < 100 ? 0 : sat / 100; }

// The system letter: G up to 99, R 100-199, E 200-299, C 300-399, S 400-499;
// 0 for numbers above 499, which belong to no system.
constexpr char SatLetter(short sat) {
  return SatSystemIndex(sat) < kNSatSystems ? kSatSystemLetters[SatSystemIndex(sat)] : '\0';
}

// The number within the system: the satellite number less its system's hundreds.
constexpr short SatNumberInSystem(short sat) {
  return static_cast<short>(sat - 100 * SatSystemIndex(sat));
}

// GPS: every number below 100, with 0 and negative numbers.
constexpr bool IsGpsSat(short sat) { return sat <= 99; }
// GLONASS: 100 to 199, with 100 (slot 0, for which no wavelengths exist).
constexpr bool IsGlonassSat(short sat) { return sat >= 100 && sat <= 199; }
// Galileo: 200 to 299, with 200 (the listing's letter E and the
// Melbourne-Wuebbena series take it).
constexpr bool IsGalileoSat(short sat) { return sat >= 200 && sat <= 299; }
// A satellite of system place `system` with a number of 1 to 99 within it:
// the file's system tests (HasGPSObs and the like) count only these, and the
// Galileo blocks of the other combination series leave out 200.
constexpr bool IsNumberedSatOf(int system, short sat) {
  return sat >= SatNumber(system, 1) && sat <= SatNumber(system, 99);
}

// The GLONASS slot of a satellite number, and the number of a slot.
constexpr short GlonassSlot(short sat) { return static_cast<short>(sat - 100); }
constexpr short GlonassSatNumber(int slot) { return SatNumber(kGlonassPlace, slot); }

#endif
