// Names of satellite numbers.
#include "src/SatelliteName.h"

#include <iomanip>

namespace {

// Letters of the systems by hundreds of the satellite number.
constexpr char systemLetters[] = {'G', 'R', 'E', 'C', 'S'};
constexpr short nSystems = sizeof(systemLetters);

short SystemIndex(short sat) { return sat < 100 ? 0 : sat / 100; }

}  // namespace

char SatLetter(short sat) {
  const short system = SystemIndex(sat);
  return system < nSystems ? systemLetters[system] : 0;
}

short SatNumberInSystem(short sat) { return sat - 100 * SystemIndex(sat); }

void WriteSatNumber(std::ostream& out, long number) {
  out << std::setfill('0') << std::setw(2) << number << std::setfill(' ');
}
