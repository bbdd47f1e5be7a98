// The header of a RINEX observation file (versions 2, 3 and 4): what the
// converter needs of the station, the observation types of each satellite
// system, the time system and the GLONASS frequency channels.
#ifndef RINEX_OBSHEADER_H
#define RINEX_OBSHEADER_H

#include <array>
#include <string>
#include <vector>

class TextInput;

// An observation code: "L1C" in RINEX 3 and 4; a RINEX 2 type such as "L1"
// has a blank third character.
using ObsCode = std::array<char, 3>;

// A GLONASS slot's frequency channel from the header.
struct GlonassChannel {
  int slot;
  int channel;
};

struct ObsHeader {
  int version = 0;    // in hundredths: 211, 304, 401
  char system = 'G';  // the file's satellite system letter, M for mixed
  std::string markerName;
  std::string markerNumber;
  std::string receiverType;
  std::string antennaType;
  std::string antennaSerial;
  double position[3] = {0, 0, 0};  // approximate X, Y, Z, metres
  double deltaHEN[3] = {0, 0, 0};  // antenna height, east, north, metres
  std::string timeSystem;          // GPS, GLO, GAL, BDT, ...: stated or the file's default
  double interval = 0;             // seconds; 0 when the header gives none
  std::vector<GlonassChannel> glonassChannels;
  // Observation codes of each system in the order of the records' fields,
  // indexed by letter ('A' to 'Z').  RINEX 2 files give every system the
  // same list.
  std::array<std::vector<ObsCode>, 26> types;

  bool IsRinex2() const { return version < 300; }
  const std::vector<ObsCode>& Types(char system) const;
  // The largest number of types of any system.
  size_t MaxTypes() const;
};

// Reads the header from the first line through END OF HEADER.  Anything
// that makes the file unusable (not RINEX, not observations, an unsupported
// version, no observation types, no end of header) is a fatal error naming
// the file and the line.
ObsHeader ReadObsHeader(TextInput& in);

#endif
