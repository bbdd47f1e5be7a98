// flh: geodetic latitude and longitude (radians) and height (metres), with
// range checks and the stream layouts selected by the switches of flhns.
#ifndef GNSS_FLH_H
#define GNSS_FLH_H

#include <iosfwd>

namespace flhns {
// Angle layouts for reading and writing.
enum Layout { RAD = 0, DEG = 1, DMS = 2, DMSV = 3, SINEX = 4 };
extern unsigned short NDecFL;   // decimals of latitude and longitude
extern unsigned short NDecH;    // decimals of height
extern unsigned short WidthFL;  // field width of latitude and longitude
extern unsigned short WidthH;   // field width of height
extern unsigned short Unit;     // layout of reading and writing
}  // namespace flhns

class flh {
 public:
  long double f, l, h;

  flh() : f(0), l(0), h(0) {}
  // These, the assignment and the compound operators end the program when
  // the result fails TestPos.
  flh(long double f0, long double l0, long double h0);
  flh(const flh& a);
  flh& operator=(const flh& a);
  flh& operator+=(const flh& a);
  flh& operator-=(const flh& a);

  // No check.
  void Set(long double f0, long double l0, long double h0);
  long double GetF() const { return f; }
  long double GetL() const { return l; }
  long double GetH() const { return h; }
  void SetF(long double v) { f = v; }
  void SetL(long double v) { l = v; }
  void SetH(long double v) { h = v; }

  // The same object, or all three components within the coordinate tolerance.
  bool operator==(const flh& a) const;

  // The limits are compared with the stored values as they are; a value that
  // is not a number fails.
  bool TestFi() const;  // -90 <= f <= 90
  bool TestLa() const;  // -180 <= l <= 180
  // Ends the program on the first failing test.
  void TestPos() const;
  [[noreturn]] void Error(const char* err) const;
};

flh operator+(const flh& a, const flh& b);
flh operator-(const flh& a, const flh& b);

// Latitude, longitude and height in the layout of flhns::Unit: RAD as given,
// DEG decimal degrees, DMS packed degrees, DMSV degree, minute and second as
// three numbers each; SINEX reads nothing.  No range check.
std::istream& operator>>(std::istream& in, flh& a);
// Latitude, longitude, height in the layout of flhns::Unit; SINEX writes the
// longitude first.  No line end.
std::ostream& operator<<(std::ostream& out, const flh& a);

#endif
