// Angle conversions between radians, decimal degrees and packed degrees,
// minutes and seconds (ddd.mmss: 12.30155 is 12 deg 30 min 15.5 s, the sign of
// the number being the sign of the angle), and packed angles as text.
#ifndef FUNKCIJE_KOTNEPRETVORBE_H
#define FUNKCIJE_KOTNEPRETVORBE_H

#include <string>

// Pi of every conversion here: the double-precision value held in extended
// precision, so that angles match those computed in double precision.
constexpr long double kPi = static_cast<long double>(3.141592653589793);

// Instantiated for long double.
template <class T>
T deg2rad(T x);
template <class T>
T rad2deg(T x);
// Packed angle to radians.
template <class T>
T dms2rad(T x);
// Radians to packed angle; never shows 60 minutes or 60 seconds.
template <class T>
T rad2dms(T x);
// Packed angle as text: degrees in 3 columns, minutes in 3, seconds in
// `ndec` + 4 with `ndec` decimals (" 12 30 15.0"); a negative angle under one
// degree shows its sign as " -0".
template <class T>
std::string dms2dms(T x, int ndec);

// The angle d deg m min s s in radians; a negative d makes the whole angle
// negative.
double dms2deg(short d, short m, double s);

#endif
