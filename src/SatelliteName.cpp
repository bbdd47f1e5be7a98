// The number within the system of a satellite's name.
#include "src/SatelliteName.h"

#include <iomanip>

void WriteSatNumber(std::ostream& out, long number) {
  out << std::setfill('0') << std::setw(2) << number << std::setfill(' ');
}
