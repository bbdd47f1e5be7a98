// neu: north/east/up triples.
#include "GNSS/neu.h"

#include <cmath>
#include <istream>
#include <ostream>

#include "GNSS/CoordHelpers.h"

namespace neuns {
unsigned short NDecNE = 4;
unsigned short NDecU = 4;
unsigned short WidthNE = 12;
unsigned short WidthU = 10;
unsigned short Unit = M;
unsigned short PrintType = NORINEX;
}  // namespace neuns

namespace {

// Width and decimals of the RINEX header layout.
const int kRinexWidth = 14;
const int kRinexDecimals = 4;

// Millimetres and centimetres (kilometres share the factor of millimetres).
bool IsSubUnit(unsigned short unit) { return unit == neuns::MM || unit == neuns::CM; }

}  // namespace

void neu::Set(long double n0, long double e0, long double u0) {
  n = n0;
  e = e0;
  u = u0;
}

neu& neu::operator+=(const neu& a) {
  Set(n + a.n, e + a.e, u + a.u);
  return *this;
}

neu& neu::operator-=(const neu& a) {
  Set(n - a.n, e - a.e, u - a.u);
  return *this;
}

neu& neu::operator/=(long double k) {
  Set(n / k, e / k, u / k);
  return *this;
}

bool neu::operator==(const neu& a) const {
  return this == &a || (CoordEqual(n, a.n) && CoordEqual(e, a.e) && CoordEqual(u, a.u));
}

long double neu::GetLength() const { return std::sqrt(n * n + e * e + u * u); }

neu operator+(const neu& a, const neu& b) { return neu(a) += b; }
neu operator-(const neu& a, const neu& b) { return neu(a) -= b; }
neu operator*(const neu& a, const long double& k) { return neu(a.n * k, a.e * k, a.u * k); }
neu operator*(const long double& k, const neu& a) { return a * k; }

neu ElementP(const neu& a, const neu& b) { return neu(a.n * b.n, a.e * b.e, a.u * b.u); }

neu sqrt(const neu& a) { return neu(std::sqrt(a.n), std::sqrt(a.e), std::sqrt(a.u)); }

std::istream& operator>>(std::istream& in, neu& a) {
  in >> a.n >> a.e >> a.u;
  const long double unit = neuns::Unit;
  if (IsSubUnit(neuns::Unit))
    a /= unit;
  else
    a = a * unit;
  return in;
}

std::ostream& operator<<(std::ostream& out, const neu& a) {
  if (neuns::PrintType == neuns::RINEX) {
    WriteFixed(out, a.u, kRinexWidth, kRinexDecimals);
    WriteFixed(out, a.e, kRinexWidth, kRinexDecimals);
    WriteFixed(out, a.n, kRinexWidth, kRinexDecimals);
    return out;
  }
  const long double unit = neuns::Unit;
  const neu shown = IsSubUnit(neuns::Unit) ? a * unit : neu(a) /= unit;
  WriteFixed(out, shown.n, neuns::WidthNE, neuns::NDecNE);
  WriteFixed(out, shown.e, neuns::WidthNE, neuns::NDecNE);
  WriteFixed(out, shown.u, neuns::WidthU, neuns::NDecU);
  return out;
}
