// xyz: Cartesian triples.
#include "GNSS/xyz.h"

#include <cmath>
#include <istream>
#include <ostream>

#include "GNSS/CoordHelpers.h"
#include "GNSS/xyzt.h"

namespace xyzns {
unsigned short NDec = 4;
unsigned short Width = 14;
long double Unit = M;
unsigned short NDecT = 6;
unsigned short WidthT = 12;
long double UnitT = S;
}  // namespace xyzns

xyz::xyz(const xyzt& a) : x(a.x), y(a.y), z(a.z) {}

xyz& xyz::operator=(const xyzt& a) { return *this = xyz(a); }

void xyz::Set(long double x0, long double y0, long double z0) {
  x = x0;
  y = y0;
  z = z0;
}

xyz& xyz::operator+=(const xyz& a) {
  Set(x + a.x, y + a.y, z + a.z);
  return *this;
}

xyz& xyz::operator-=(const xyz& a) {
  Set(x - a.x, y - a.y, z - a.z);
  return *this;
}

xyz& xyz::operator+=(const xyzt& a) { return *this += xyz(a); }

xyz& xyz::operator-=(const xyzt& a) { return *this -= xyz(a); }

xyz& xyz::operator*=(long double k) {
  Set(x * k, y * k, z * k);
  return *this;
}

xyz& xyz::operator/=(long double k) {
  Set(x / k, y / k, z / k);
  return *this;
}

bool xyz::operator==(const xyz& a) const {
  return this == &a || (CoordEqual(x, a.x) && CoordEqual(y, a.y) && CoordEqual(z, a.z));
}

long double xyz::GetLength() const { return std::sqrt(x * x + y * y + z * z); }

// Scaled down first so that the squares of geocentric coordinates stay small.
xyz xyz::GetUnitVector(long double sign) const {
  const long double scale = 1e-6L;
  const xyz scaled(x * scale, y * scale, z * scale);
  const long double length = scaled.GetLength();
  return xyz(sign * scaled.x / length, sign * scaled.y / length, sign * scaled.z / length);
}

xyz xyz::RotateX(long double a) const {
  const long double c = std::cos(a), s = std::sin(a);
  return xyz(x, c * y - s * z, s * y + c * z);
}

xyz xyz::RotateY(long double a) const {
  const long double c = std::cos(a), s = std::sin(a);
  return xyz(c * x + s * z, y, -s * x + c * z);
}

xyz xyz::RotateZ(long double a) const {
  const long double c = std::cos(a), s = std::sin(a);
  return xyz(c * x - s * y, s * x + c * y, z);
}

xyz operator+(const xyz& a, const xyz& b) { return xyz(a) += b; }
xyz operator-(const xyz& a, const xyz& b) { return xyz(a) -= b; }
xyz operator+(const xyz& a, const xyzt& b) { return xyz(a) += b; }
xyz operator-(const xyz& a, const xyzt& b) { return xyz(a) -= b; }
xyz operator+(const xyzt& a, const xyz& b) { return xyz(a) += b; }
xyz operator-(const xyzt& a, const xyz& b) { return xyz(a) -= b; }
xyz operator*(const xyz& a, const long double& k) { return xyz(a) *= k; }
xyz operator*(const long double& k, const xyz& a) { return xyz(a) *= k; }

long double operator*(const xyz& a, const xyz& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
long double operator*(const xyz& a, const xyzt& b) { return a * xyz(b); }

xyz CrossP(const xyz& a, const xyz& b) {
  return xyz(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

xyz ElementP(const xyz& a, const xyz& b) { return xyz(a.x * b.x, a.y * b.y, a.z * b.z); }

xyz sqrt(const xyz& a) { return xyz(std::sqrt(a.x), std::sqrt(a.y), std::sqrt(a.z)); }

std::istream& operator>>(std::istream& in, xyz& a) {
  in >> a.x >> a.y >> a.z;
  if (xyzns::Unit == xyzns::CM)
    a /= xyzns::CM;
  else
    a *= xyzns::Unit;
  return in;
}

std::ostream& operator<<(std::ostream& out, const xyz& a) {
  const long double unit = xyzns::Unit;
  const xyz shown = (unit == xyzns::CM || unit == xyzns::KM) ? a * unit : xyz(a) /= unit;
  WriteFixed(out, shown.x, xyzns::Width, xyzns::NDec);
  WriteFixed(out, shown.y, xyzns::Width, xyzns::NDec);
  WriteFixed(out, shown.z, xyzns::Width, xyzns::NDec);
  return out;
}
