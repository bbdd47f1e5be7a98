// Constellations, carriers and observation types known to the simulator.
#include "tools/SimSignals.h"

namespace {

const SimType kTypes[kSimTypeCount] = {
    {"C1", SimKind::Code, 1, false},     {"P1", SimKind::Code, 1, true},
    {"P2", SimKind::Code, 2, true},      {"L1", SimKind::Phase, 1, false},
    {"L2", SimKind::Phase, 2, false},    {"C2", SimKind::Code, 2, false},
    {"S1", SimKind::Strength, 1, false}, {"S2", SimKind::Strength, 2, false},
    {"D1", SimKind::Doppler, 1, false},  {"D2", SimKind::Doppler, 2, false},
    {"C5", SimKind::Code, 5, false},     {"L5", SimKind::Phase, 5, false},
    {"D5", SimKind::Doppler, 5, false},  {"S5", SimKind::Strength, 5, false},
    {"C6", SimKind::Code, 6, false},     {"L6", SimKind::Phase, 6, false},
    {"D6", SimKind::Doppler, 6, false},  {"S6", SimKind::Strength, 6, false},
    {"C7", SimKind::Code, 7, false},     {"L7", SimKind::Phase, 7, false},
    {"D7", SimKind::Doppler, 7, false},  {"S7", SimKind::Strength, 7, false},
    {"C8", SimKind::Code, 8, false},     {"L8", SimKind::Phase, 8, false},
    {"D8", SimKind::Doppler, 8, false},  {"S8", SimKind::Strength, 8, false},
};

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

const SimType& SimTypeOf(int code) { return kTypes[code]; }

int SimTypeCode(const std::string& name) {
  for (int code = 0; code < kSimTypeCount; code++)
    if (name == kTypes[code].name) return code;
  return -1;
}

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
  const SimType& type = kTypes[typeCode];
  if (CarrierHz(system, 0, type.band) == 0.0) return false;
  if (type.precise) return system != SimSystem::Galileo;
  if (system != SimSystem::GPS) return true;
  if (type.band == 5) return GpsHasL5(prn);
  // Without L2C a GPS satellite still gives L2 phase through the P code.
  if (type.band == 2 && type.kind == SimKind::Code) return GpsHasL2C(prn);
  return true;
}
