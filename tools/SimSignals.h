// Constellations, carriers and observation types known to the simulator.
#ifndef TOOLS_SIMSIGNALS_H
#define TOOLS_SIMSIGNALS_H

#include "GNSS/PhsDiffHeader.h"
#include "GNSS/mGNSSc.h"

enum class SimSystem { GPS, GLONASS, Galileo };
const int kSimSystemCount = 3;

// What an observation type measures.
enum class SimKind { Code, Phase, Doppler, Strength };

// The 26 observation types of a single-difference file, in the order of their
// codes (C1 = 0 … S8 = 25), named as in the file header.
const int kSimTypeCount = PhsDiffHeader::NTYPES;

struct SimType {
  const char* name;  // two letters, as in the header
  SimKind kind;
  int band;      // 1, 2, 5, 6, 7 or 8
  bool precise;  // P code (P1, P2) rather than a civil code
};

const SimType& SimTypeOf(int code);

const double kSpeedOfLight = static_cast<double>(GPSc::c);  // m/s
const double kReferenceCarrierHz =
    static_cast<double>(GPSc::freq1);  // L1/E1, the ionosphere's reference

// Carrier frequency in Hz of a satellite's band, 0 when it does not transmit
// there. GLONASS carriers depend on the frequency channel.
double CarrierHz(SimSystem system, int channel, int band);

// Whether a satellite transmits the signal behind an observation type. The
// modern GPS signals (L2C, L5) are on a fixed subset of the PRNs.
bool Transmits(SimSystem system, int prn, int typeCode);

#endif
