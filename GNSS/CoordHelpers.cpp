// Pieces shared by the coordinate value types.
#include "GNSS/CoordHelpers.h"

#include <cmath>
#include <iomanip>
#include <ostream>

bool CoordEqual(long double a, long double b) { return std::fabs(a - b) < kCoordTolerance; }

void WriteFixed(std::ostream& out, long double value, int width, int ndec) {
  out << std::fixed << std::setprecision(ndec) << std::setw(width) << value;
}
