// flh: geodetic latitude, longitude and height.
#include "GNSS/flh.h"

#include <iomanip>
#include <istream>
#include <ostream>

#include "GNSS/CoordHelpers.h"
#include "PROGINC/ProgramError.h"
#include "funkcije/KotnePretvorbe.h"

namespace flhns {
unsigned short NDecFL = 8;
unsigned short NDecH = 4;
unsigned short WidthFL = 12;
unsigned short WidthH = 10;
unsigned short Unit = RAD;
}  // namespace flhns

namespace {

// Field widths and decimals of the SINEX layout.
const int kSinexAngleWidth = 11;
const int kSinexAngleDecimals = 1;
const int kSinexHeightWidth = 7;
const int kSinexHeightDecimals = 1;

long double Unchanged(long double x) { return x; }

// Degree, minute and second as three numbers.  The degree's sign is taken
// from its text, so that "-0 30 0" stays a negative angle.
long double ReadDegMinSec(std::istream& in) {
  int d = 0, m = 0;
  long double s = 0;
  in >> std::ws;
  const bool negative = in.peek() == '-';
  in >> d >> m >> s;
  if (negative) return deg2rad<long double>(d - m / 60.0L - s / 3600);
  return deg2rad<long double>(d + m / 60.0L + s / 3600);
}

void WriteSinex(std::ostream& out, const flh& a) {
  out << std::setw(kSinexAngleWidth) << dms2dms(rad2dms(a.l), kSinexAngleDecimals) << ' ';
  out << std::setw(kSinexAngleWidth) << dms2dms(rad2dms(a.f), kSinexAngleDecimals) << ' ';
  WriteFixed(out, a.h, kSinexHeightWidth, kSinexHeightDecimals);
}

void WriteDegMinSec(std::ostream& out, const flh& a) {
  out << std::setw(flhns::WidthFL) << dms2dms(rad2dms(a.f), flhns::NDecFL);
  out << std::setw(flhns::WidthFL) << dms2dms(rad2dms(a.l), flhns::NDecFL);
  WriteFixed(out, a.h, flhns::WidthH, flhns::NDecH);
}

// RAD, DEG and DMS: each angle converted from radians, then fixed fields.
void WriteAngles(std::ostream& out, const flh& a, long double (*convert)(long double)) {
  WriteFixed(out, convert(a.f), flhns::WidthFL, flhns::NDecFL);
  WriteFixed(out, convert(a.l), flhns::WidthFL, flhns::NDecFL);
  WriteFixed(out, a.h, flhns::WidthH, flhns::NDecH);
}

}  // namespace

flh::flh(long double f0, long double l0, long double h0) : f(f0), l(l0), h(h0) { TestPos(); }

flh::flh(const flh& a) : f(a.f), l(a.l), h(a.h) { TestPos(); }

flh& flh::operator=(const flh& a) {
  if (this != &a) Set(a.f, a.l, a.h);
  TestPos();
  return *this;
}

flh& flh::operator+=(const flh& a) {
  Set(f + a.f, l + a.l, h + a.h);
  TestPos();
  return *this;
}

flh& flh::operator-=(const flh& a) {
  Set(f - a.f, l - a.l, h - a.h);
  TestPos();
  return *this;
}

void flh::Set(long double f0, long double l0, long double h0) {
  f = f0;
  l = l0;
  h = h0;
}

bool flh::operator==(const flh& a) const {
  return this == &a || (CoordEqual(f, a.f) && CoordEqual(l, a.l) && CoordEqual(h, a.h));
}

bool flh::TestFi() const { return f >= -90 && f <= 90; }

bool flh::TestLa() const { return l >= -180 && l <= 180; }

void flh::TestPos() const {
  if (!TestFi()) Error("LATITUDE not valid");
  if (!TestLa()) Error("LONGITUDE not valid");
}

void flh::Error(const char* err) const { ClassError("flh", err); }

flh operator+(const flh& a, const flh& b) { return flh(a) += b; }
flh operator-(const flh& a, const flh& b) { return flh(a) -= b; }

std::istream& operator>>(std::istream& in, flh& a) {
  switch (flhns::Unit) {
    case flhns::RAD:
      return in >> a.f >> a.l >> a.h;
    case flhns::DEG:
      in >> a.f >> a.l >> a.h;
      a.Set(deg2rad(a.f), deg2rad(a.l), a.h);
      return in;
    case flhns::DMS:
      in >> a.f >> a.l >> a.h;
      a.Set(dms2rad(a.f), dms2rad(a.l), a.h);
      return in;
    case flhns::DMSV:
      a.f = ReadDegMinSec(in);
      a.l = ReadDegMinSec(in);
      return in >> a.h;
    default:
      return in;
  }
}

std::ostream& operator<<(std::ostream& out, const flh& a) {
  out << std::fixed;
  switch (flhns::Unit) {
    case flhns::RAD:
      WriteAngles(out, a, Unchanged);
      break;
    case flhns::DEG:
      WriteAngles(out, a, rad2deg<long double>);
      break;
    case flhns::DMS:
      WriteAngles(out, a, rad2dms<long double>);
      break;
    case flhns::DMSV:
      WriteDegMinSec(out, a);
      break;
    case flhns::SINEX:
      WriteSinex(out, a);
      break;
    default:
      break;
  }
  return out;
}
