// neut: a north/east/up triple in metres with a time offset in seconds, and
// its stream forms selected by the switches of neutns.
#ifndef GNSS_NEUT_H
#define GNSS_NEUT_H

#include <iosfwd>

namespace neutns {
// Factors relative to the second.
enum UnitFactor { S = 1, MS = 1000, NS = 1000000000 };
extern unsigned short NDecNE;   // decimals of north and east
extern unsigned short NDecU;    // decimals of up
extern unsigned short NDecT;    // decimals of dt
extern unsigned short WidthNE;  // field width of north and east
extern unsigned short WidthU;   // field width of up
extern unsigned short WidthT;   // field width of dt
extern unsigned short UnitT;    // time unit factor of written dt
}  // namespace neutns

class neut {
 public:
  long double n, e, u, dt;

  neut() : n(0), e(0), u(0), dt(0) {}
  neut(long double n0, long double e0, long double u0, long double dt0)
      : n(n0), e(e0), u(u0), dt(dt0) {}
  neut(const neut&) = default;
  neut& operator=(const neut&) = default;

  void Set(long double n0, long double e0, long double u0, long double dt0);
  long double GetN() const { return n; }
  long double GetE() const { return e; }
  long double GetU() const { return u; }
  long double GetT() const { return dt; }
  void SetN(long double v) { n = v; }
  void SetE(long double v) { e = v; }
  void SetU(long double v) { u = v; }
  void SetT(long double v) { dt = v; }

  // Over all four components.
  neut& operator+=(const neut& a);
  neut& operator-=(const neut& a);
  // The same object, or all four components within the coordinate tolerance.
  bool operator==(const neut& a) const;
};

neut operator+(const neut& a, const neut& b);
neut operator-(const neut& a, const neut& b);

// Four numbers n, e, u, dt, taken as they are.
std::istream& operator>>(std::istream& in, neut& a);
// n, e, u and dt times neutns::UnitT in fixed fields; no separators.
std::ostream& operator<<(std::ostream& out, const neut& a);

#endif
