// Pieces shared by the coordinate value types: their equality tolerance and
// their fixed-notation number fields.
#ifndef GNSS_COORDHELPERS_H
#define GNSS_COORDHELPERS_H

#include <iosfwd>

// Two components count as equal when they differ by strictly less than this.
constexpr long double kCoordTolerance = 1e-14L;

bool CoordEqual(long double a, long double b);

// Writes `value` right-aligned in `width` characters, fixed notation with
// `ndec` decimals; fixed notation stays on for the stream.
void WriteFixed(std::ostream& out, long double value, int width, int ndec);

#endif
