// xyzt: Cartesian triples with a time offset.
#include "GNSS/xyzt.h"

#include <istream>
#include <ostream>

#include "GNSS/CoordHelpers.h"
#include "GNSS/xyz.h"

namespace xyztns {
unsigned short NDec = 4;
unsigned short Width = 14;
unsigned short NDecT = 6;
unsigned short WidthT = 12;
unsigned short PrintTime = 1;
long double Unit = M;
long double UnitT = S;
}  // namespace xyztns

namespace {

xyzt WithTime(const xyz& a, long double dt) { return xyzt(a.x, a.y, a.z, dt); }

}  // namespace

void xyzt::Set(long double x0, long double y0, long double z0, long double dt0) {
  x = x0;
  y = y0;
  z = z0;
  dt = dt0;
}

xyzt& xyzt::operator+=(const xyzt& a) {
  Set(x + a.x, y + a.y, z + a.z, dt + a.dt);
  return *this;
}

xyzt& xyzt::operator-=(const xyzt& a) {
  Set(x - a.x, y - a.y, z - a.z, dt - a.dt);
  return *this;
}

xyzt& xyzt::operator*=(long double k) {
  Set(x * k, y * k, z * k, dt);
  return *this;
}

xyzt& xyzt::operator/=(long double k) {
  Set(x / k, y / k, z / k, dt);
  return *this;
}

bool xyzt::operator==(const xyzt& a) const {
  return this == &a ||
         (CoordEqual(x, a.x) && CoordEqual(y, a.y) && CoordEqual(z, a.z) && CoordEqual(dt, a.dt));
}

xyzt xyzt::GetUnitVector(long double sign) const {
  return WithTime(xyz(*this).GetUnitVector(sign), 0);
}

xyzt xyzt::RotateX(long double a) const { return WithTime(xyz(*this).RotateX(a), dt); }
xyzt xyzt::RotateY(long double a) const { return WithTime(xyz(*this).RotateY(a), dt); }
xyzt xyzt::RotateZ(long double a) const { return WithTime(xyz(*this).RotateZ(a), dt); }

xyzt operator+(const xyzt& a, const xyzt& b) { return xyzt(a) += b; }
xyzt operator-(const xyzt& a, const xyzt& b) { return xyzt(a) -= b; }

std::istream& operator>>(std::istream& in, xyzt& a) {
  in >> a.x >> a.y >> a.z >> a.dt;
  if (xyztns::Unit == xyztns::CM)
    a /= xyztns::CM;
  else
    a *= xyztns::Unit;
  a.dt /= xyztns::UnitT;
  return in;
}

std::ostream& operator<<(std::ostream& out, const xyzt& a) {
  const long double unit = xyztns::Unit;
  const xyzt shown = unit == xyztns::CM ? xyzt(a) *= unit : xyzt(a) /= unit;
  WriteFixed(out, shown.x, xyztns::Width, xyztns::NDec);
  WriteFixed(out, shown.y, xyztns::Width, xyztns::NDec);
  WriteFixed(out, shown.z, xyztns::Width, xyztns::NDec);
  if (xyztns::PrintTime == 1) WriteFixed(out, a.dt * xyztns::UnitT, xyztns::WidthT, xyztns::NDecT);
  return out;
}
