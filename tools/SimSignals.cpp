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

const double kF0 = 10230000.0;  // GPS and Galileo fundamental frequency, Hz

double GpsCarrierHz(int band) {
  switch (band) {
    case 1: return 154 * kF0;
    case 2: return 120 * kF0;
    case 5: return 115 * kF0;
    default: return 0.0;
  }
}

double GlonassCarrierHz(int channel, int band) {
  switch (band) {
    case 1: return 1602000000.0 + 562500.0 * channel;
    case 2: return 1246000000.0 + 437500.0 * channel;
    default: return 0.0;
  }
}

double GalileoCarrierHz(int band) {
  switch (band) {
    case 1: return 154 * kF0;
    case 5: return 115 * kF0;
    case 6: return 125 * kF0;
    case 7: return 118 * kF0;
    case 8: return 116.5 * kF0;
    default: return 0.0;
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
    case SimSystem::GPS: return GpsCarrierHz(band);
    case SimSystem::GLONASS: return GlonassCarrierHz(channel, band);
    case SimSystem::Galileo: return GalileoCarrierHz(band);
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
