// xyzt: a Cartesian triple in metres with a time offset in seconds, and the
// stream forms selected by the switches of xyztns.
#ifndef GNSS_XYZT_H
#define GNSS_XYZT_H

#include <iosfwd>

namespace xyztns {
// Factors relative to the metre (lengths) or the second (times).
enum UnitFactor { CM = 100, M = 1, KM = 1000, S = 1, MS = 1000, MCS = 1000000, NS = 1000000000 };
extern unsigned short NDec;       // decimals of x, y, z
extern unsigned short Width;      // field width of x, y, z
extern unsigned short NDecT;      // decimals of dt
extern unsigned short WidthT;     // field width of dt
extern unsigned short PrintTime;  // dt is written only when 1
extern long double Unit;          // length unit factor
extern long double UnitT;         // time unit factor
}  // namespace xyztns

class xyzt {
 public:
  long double x, y, z, dt;

  xyzt() : x(0), y(0), z(0), dt(0) {}
  xyzt(long double x0, long double y0, long double z0, long double dt0)
      : x(x0), y(y0), z(z0), dt(dt0) {}
  xyzt(const xyzt&) = default;
  xyzt& operator=(const xyzt&) = default;

  void Set(long double x0, long double y0, long double z0, long double dt0);
  long double GetX() const { return x; }
  long double GetY() const { return y; }
  long double GetZ() const { return z; }
  long double GetT() const { return dt; }
  void SetX(long double v) { x = v; }
  void SetY(long double v) { y = v; }
  void SetZ(long double v) { z = v; }
  void SetT(long double v) { dt = v; }

  // Over all four components.
  xyzt& operator+=(const xyzt& a);
  xyzt& operator-=(const xyzt& a);
  // x, y and z only; the time offset is kept.
  xyzt& operator*=(long double k);
  xyzt& operator/=(long double k);

  // The same object, or all four components within the coordinate tolerance.
  bool operator==(const xyzt& a) const;

  // As for xyz on x, y, z: the unit vector has dt = 0, the rotations keep dt.
  xyzt GetUnitVector(long double sign) const;
  xyzt RotateX(long double a) const;
  xyzt RotateY(long double a) const;
  xyzt RotateZ(long double a) const;
};

xyzt operator+(const xyzt& a, const xyzt& b);
xyzt operator-(const xyzt& a, const xyzt& b);

// Four numbers x, y, z, dt; a length factor of 100 divides x, y, z, any other
// multiplies; dt is divided by the time factor.
std::istream& operator>>(std::istream& in, xyzt& a);
// x, y, z in fixed fields (factor 100 multiplies, any other divides), then dt
// times the time factor when xyztns::PrintTime is 1; no separators.
std::ostream& operator<<(std::ostream& out, const xyzt& a);

#endif
