// Constellations, carriers and observation types known to the simulator.
#include "tools/SimSignals.h"

#include <array>
#include <cstddef>

namespace {

// A type as its name in the file header says: the letter what it observes
// (P a precise code), the digit its band.
constexpr SimType TypeOfName(const char* name) {
  const SimKind kind = name[0] == 'L'   ? SimKind::Phase
                       : name[0] == 'D' ? SimKind::Doppler
                       : name[0] == 'S' ? SimKind::Strength
                                        : SimKind::Code;
  return {name, kind, name[1] - '0', name[0] == 'P'};
}

constexpr std::array<SimType, kSimTypeCount> AllTypes() {
  std::array<SimType, kSimTypeCount> types{};
  for (int code = 0; code < kSimTypeCount; code++)
    types[static_cast<std::size_t>(code)] = TypeOfName(PhsDiffHeader::kTypeNames[code]);
  return types;
}

constexpr std::array<SimType, kSimTypeCount> kTypes = AllTypes();

double GpsCarrierHz(int band) {
  switch (band) {
    case 1:
      return static_cast<double>(GPSc::freq1);
    case 2:
      return static_cast<double>(GPSc::freq2);
    case 5:
      return static_cast<double>(GPSc::freq5);
    default:
      return 0.0;
  }
}

double GlonassCarrierHz(int channel, int band) {
  switch (band) {
    case 1:
      return static_cast<double>(GLONASSc::freq10 + GLONASSc::dfreq10 * channel);
    case 2:
      return static_cast<double>(GLONASSc::freq20 + GLONASSc::dfreq20 * channel);
    default:
      return 0.0;
  }
}

double GalileoCarrierHz(int band) {
  switch (band) {
    case 1:
      return static_cast<double>(GALILEOc::freq1);
    case 5:
      return static_cast<double>(GALILEOc::freq5);
    case 6:
      return static_cast<double>(125 * GALILEOc::freq0);  // E6
    case 7:
      return static_cast<double>(GALILEOc::freq2);  // E5b
    case 8:
      return static_cast<double>(GALILEOc::freq8);
    default:
      return 0.0;
  }
}

bool GpsHasL2C(int prn) { return prn % 3 != 0; }
bool GpsHasL5(int prn) { return prn % 2 == 1; }

}  // namespace

const SimType& SimTypeOf(int code) { return kTypes[static_cast<std::size_t>(code)]; }

double CarrierHz(SimSystem system, int channel, int band) {
  switch (system) {
    case SimSystem::GPS:
      return GpsCarrierHz(band);
    case SimSystem::GLONASS:
      return GlonassCarrierHz(channel, band);
    case SimSystem::Galileo:
      return GalileoCarrierHz(band);
  }
  return 0.0;
}

bool Transmits(SimSystem system, int prn, int typeCode) {
  const SimType& type = SimTypeOf(typeCode);
  if (CarrierHz(system, 0, type.band) == 0.0) return false;
  if (type.precise) return system != SimSystem::Galileo;
  if (system != SimSystem::GPS) return true;
  if (type.band == 5) return GpsHasL5(prn);
  // Without L2C a GPS satellite still gives L2 phase through the P code.
  if (type.band == 2 && type.kind == SimKind::Code) return GpsHasL2C(prn);
  return true;
}
