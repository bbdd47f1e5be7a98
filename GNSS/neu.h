// neu: a local north/east/up triple in metres (antenna offsets), with its
// arithmetic and the stream forms selected by the switches of neuns.
#ifndef GNSS_NEU_H
#define GNSS_NEU_H

#include <iosfwd>

namespace neuns {
// Factors relative to the metre.
enum UnitFactor { MM = 1000, CM = 100, M = 1, KM = 1000 };
// Layouts of written triples.
enum Layout { RINEX = 0, NORINEX = 1 };
extern unsigned short NDecNE;     // decimals of north and east
extern unsigned short NDecU;      // decimals of up
extern unsigned short WidthNE;    // field width of north and east
extern unsigned short WidthU;     // field width of up
extern unsigned short Unit;       // unit factor for reading and writing
extern unsigned short PrintType;  // RINEX or NORINEX
}  // namespace neuns

class neu {
 public:
  long double n, e, u;

  neu() : n(0), e(0), u(0) {}
  neu(long double n0, long double e0, long double u0) : n(n0), e(e0), u(u0) {}
  neu(const neu&) = default;
  neu& operator=(const neu&) = default;

  void Set(long double n0, long double e0, long double u0);
  long double GetN() const { return n; }
  long double GetE() const { return e; }
  long double GetU() const { return u; }
  void SetN(long double v) { n = v; }
  void SetE(long double v) { e = v; }
  void SetU(long double v) { u = v; }

  neu& operator+=(const neu& a);
  neu& operator-=(const neu& a);
  neu& operator/=(long double k);

  // The same object, or every component within the coordinate tolerance.
  bool operator==(const neu& a) const;
  bool operator!=(const neu& a) const { return !(*this == a); }

  // Euclidean length.
  long double GetLength() const;
};

neu operator+(const neu& a, const neu& b);
neu operator-(const neu& a, const neu& b);
neu operator*(const neu& a, const long double& k);
neu operator*(const long double& k, const neu& a);
neu ElementP(const neu& a, const neu& b);
// Component-wise square root.
neu sqrt(const neu& a);

// Three numbers n, e, u; factors 1000 and 100 divide them, any other multiplies.
std::istream& operator>>(std::istream& in, neu& a);
// RINEX: u, e, n in fields of 14 with 4 decimals, unconverted.  Otherwise
// factors 1000 and 100 multiply, any other divides, and n, e, u are written in
// the widths and decimals of neuns.  No separators.
std::ostream& operator<<(std::ostream& out, const neu& a);

#endif
