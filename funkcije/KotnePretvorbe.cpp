// Angle conversions.
#include "funkcije/KotnePretvorbe.h"

#include <cmath>
#include <cstdio>

namespace {

// Seconds this close to a full minute are carried into the minutes.
const long double kSecondCarry = 1e-13L;

// An angle's magnitude split into whole degrees, whole minutes and seconds,
// where the fractional degree holds minutes and seconds as digits of `base`
// (100 for packed angles, 60 for decimal degrees).  Seconds within the carry
// of a full `base` go into the minutes, 60 minutes into the degrees.
template <class T>
struct DegMinSec {
  T d, m, s;
};

template <class T>
DegMinSec<T> Split(T magnitude, T base) {
  DegMinSec<T> parts;
  parts.d = std::floor(magnitude);
  const T minutes = base * (magnitude - parts.d);
  parts.m = std::floor(minutes);
  parts.s = base * (minutes - parts.m);
  if (std::fabs(parts.s - base) < kSecondCarry) {
    parts.s = 0;
    parts.m += 1;
  }
  if (parts.m == 60) {
    parts.m = 0;
    parts.d += 1;
  }
  return parts;
}

// printf-style text of any length.
template <class... Args>
std::string Formatted(const char* format, Args... args) {
  const int length = std::snprintf(nullptr, 0, format, args...);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(&text[0], text.size(), format, args...);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

template <class T>
T Signed(T value, bool negative) {
  return negative ? -value : value;
}

}  // namespace

template <class T>
T deg2rad(T x) {
  return x / 180 * kPi;
}

template <class T>
T rad2deg(T x) {
  return x * 180 / kPi;
}

template <class T>
T dms2rad(T x) {
  const DegMinSec<T> p = Split<T>(std::fabs(x), 100);
  return Signed(deg2rad<T>(p.d + p.m / 60 + p.s / 3600), x < 0);
}

template <class T>
T rad2dms(T x) {
  const T degrees = rad2deg(x);
  const DegMinSec<T> p = Split<T>(std::fabs(degrees), 60);
  return Signed(p.d + p.m / 100 + p.s / 10000, degrees < 0);
}

template <class T>
std::string dms2dms(T x, int ndec) {
  const DegMinSec<T> p = Split<T>(std::fabs(x), 100);
  const int decimals = ndec < 0 ? 0 : ndec;
  // A zero degree count cannot carry the sign of a negative angle.
  const std::string degrees =
      x < 0 && p.d == 0 ? " -0" : Formatted("%3.0Lf", static_cast<long double>(Signed(p.d, x < 0)));
  return degrees + Formatted("%3.0Lf%*.*Lf", static_cast<long double>(p.m), decimals + 4, decimals,
                             static_cast<long double>(p.s));
}

double dms2deg(short d, short m, double s) {
  const double pi = static_cast<double>(kPi);
  if (d < 0) return (d - m / 60.0 - s / 3600.0) * pi / 180;
  return (d + m / 60.0 + s / 3600.0) * pi / 180;
}

template long double deg2rad<long double>(long double);
template long double rad2deg<long double>(long double);
template long double dms2rad<long double>(long double);
template long double rad2dms<long double>(long double);
template std::string dms2dms<long double>(long double, int);
