// neut: north/east/up triples with a time offset.
#include "GNSS/neut.h"

#include <istream>
#include <ostream>

#include "GNSS/CoordHelpers.h"

namespace neutns {
unsigned short NDecNE = 4;
unsigned short NDecU = 4;
unsigned short NDecT = 6;
unsigned short WidthNE = 12;
unsigned short WidthU = 10;
unsigned short WidthT = 10;
unsigned short UnitT = S;
}  // namespace neutns

void neut::Set(long double n0, long double e0, long double u0, long double dt0) {
  n = n0;
  e = e0;
  u = u0;
  dt = dt0;
}

neut& neut::operator+=(const neut& a) {
  Set(n + a.n, e + a.e, u + a.u, dt + a.dt);
  return *this;
}

neut& neut::operator-=(const neut& a) {
  Set(n - a.n, e - a.e, u - a.u, dt - a.dt);
  return *this;
}

bool neut::operator==(const neut& a) const {
  return this == &a ||
         (CoordEqual(n, a.n) && CoordEqual(e, a.e) && CoordEqual(u, a.u) && CoordEqual(dt, a.dt));
}

neut operator+(const neut& a, const neut& b) { return neut(a) += b; }
neut operator-(const neut& a, const neut& b) { return neut(a) -= b; }

std::istream& operator>>(std::istream& in, neut& a) { return in >> a.n >> a.e >> a.u >> a.dt; }

std::ostream& operator<<(std::ostream& out, const neut& a) {
  WriteFixed(out, a.n, neutns::WidthNE, neutns::NDecNE);
  WriteFixed(out, a.e, neutns::WidthNE, neutns::NDecNE);
  WriteFixed(out, a.u, neutns::WidthU, neutns::NDecU);
  WriteFixed(out, a.dt * neutns::UnitT, neutns::WidthT, neutns::NDecT);
  return out;
}
