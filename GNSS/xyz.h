// xyz: a Cartesian position or vector in metres, with its arithmetic,
// rotations and the stream forms selected by the switches of xyzns.
#ifndef GNSS_XYZ_H
#define GNSS_XYZ_H

#include <iosfwd>

class xyzt;

namespace xyzns {
// Factors relative to the metre (lengths) or the second (times).
enum UnitFactor {
  MM = 1000,
  CM = 100,
  M = 1,
  KM = 1000,
  S = 1,
  MS = 1000,
  MCS = 1000000,
  NS = 1000000000
};
extern unsigned short NDec;    // decimals of each written coordinate
extern unsigned short Width;   // field width of each written coordinate
extern long double Unit;       // unit factor for reading and writing
extern unsigned short NDecT;   // decimals of a time component
extern unsigned short WidthT;  // field width of a time component
extern long double UnitT;      // unit factor of a time component
}  // namespace xyzns

class xyz {
 public:
  long double x, y, z;

  xyz() : x(0), y(0), z(0) {}
  xyz(long double x0, long double y0, long double z0) : x(x0), y(y0), z(z0) {}
  // Takes the coordinates of a timed triple and drops its time.
  explicit xyz(const xyzt& a);
  xyz(const xyz&) = default;
  xyz& operator=(const xyz&) = default;
  xyz& operator=(const xyzt& a);

  void Set(long double x0, long double y0, long double z0);
  long double GetX() const { return x; }
  long double GetY() const { return y; }
  long double GetZ() const { return z; }
  void SetX(long double v) { x = v; }
  void SetY(long double v) { y = v; }
  void SetZ(long double v) { z = v; }

  xyz& operator+=(const xyz& a);
  xyz& operator-=(const xyz& a);
  xyz& operator+=(const xyzt& a);
  xyz& operator-=(const xyzt& a);
  xyz& operator*=(long double k);
  xyz& operator/=(long double k);

  // The same object, or every coordinate within the coordinate tolerance.
  bool operator==(const xyz& a) const;
  bool operator!=(const xyz& a) const { return !(*this == a); }

  // Euclidean length.
  long double GetLength() const;
  // The vector divided by its length, times `sign`; the zero vector gives NaN.
  xyz GetUnitVector(long double sign) const;
  // The vector rotated by `a` radians about one axis.
  xyz RotateX(long double a) const;
  xyz RotateY(long double a) const;
  xyz RotateZ(long double a) const;
};

xyz operator+(const xyz& a, const xyz& b);
xyz operator-(const xyz& a, const xyz& b);
xyz operator+(const xyz& a, const xyzt& b);
xyz operator-(const xyz& a, const xyzt& b);
xyz operator+(const xyzt& a, const xyz& b);
xyz operator-(const xyzt& a, const xyz& b);
xyz operator*(const xyz& a, const long double& k);
xyz operator*(const long double& k, const xyz& a);
// Dot products.
long double operator*(const xyz& a, const xyz& b);
long double operator*(const xyz& a, const xyzt& b);

xyz CrossP(const xyz& a, const xyz& b);
xyz ElementP(const xyz& a, const xyz& b);
// Component-wise square root.
xyz sqrt(const xyz& a);

// Three numbers x, y, z; a factor of 100 divides them, any other multiplies.
std::istream& operator>>(std::istream& in, xyz& a);
// Three fixed fields of xyzns::Width with xyzns::NDec decimals, no separators;
// factors 100 and 1000 multiply, any other divides.
std::ostream& operator<<(std::ostream& out, const xyz& a);

#endif
