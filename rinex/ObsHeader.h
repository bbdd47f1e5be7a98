// The header of a RINEX observation file (versions 2, 3 and 4): what the
// converter needs of the station, the observation types of each satellite
// system, the time system and the GLONASS frequency channels.
#ifndef RINEX_OBSHEADER_H
#define RINEX_OBSHEADER_H

#include <array>
#include <string>
#include <string_view>
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

// A GLONASS code-phase bias from the header: the code and metres.
struct GlonassBias {
  ObsCode code;
  double metres;
};

using TypeLists = std::array<std::vector<ObsCode>, 26>;

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
  std::vector<GlonassBias> glonassBiases;
  // Observation codes of each system in the order of the records' fields,
  // indexed by letter ('A' to 'Z').  RINEX 2 files give every system the
  // same list.
  TypeLists types;
  // The factors the stored observations were multiplied by, per system in
  // the order of `types` (SYS / SCALE FACTOR; 1 where none is given).
  std::array<std::vector<int>, 26> scaleFactors;
  // The phases of one band are aligned to one reference signal: RINEX 3.01
  // and later with SYS / PHASE SHIFT records.  Otherwise each phase keeps
  // the quarter-cycle offset of its tracking.
  bool phasesAligned = false;

  bool IsRinex2() const { return version < 300; }
  const std::vector<ObsCode>& Types(char system) const;
  // The largest number of types of any system.
  size_t MaxTypes() const;
  int ScaleFactor(char system, size_t column) const;
};

// The observation-type records of a header or of an event ("# / TYPES OF
// OBSERV" in RINEX 2, "SYS / # / OBS TYPES" later), line by line.
class ObsTypeRecords {
 public:
  ObsTypeRecords(TextInput& in, int version) : in_(in), version_(version) {}

  // Reads the line when its label is a type record's; false otherwise.
  bool Take(std::string_view line, std::string_view label);
  // Whether any record was read.
  bool Any() const { return typesSystem_ != ' '; }
  // After the last record, at `end` (what ends them): the lists by system
  // letter, as a header holds them.  Types announced and not listed are a
  // fatal error.
  const TypeLists& Finish(const char* end);
  // Whether the records gave a list for the system.
  bool Stated(char system) const { return stated_[system - 'A']; }

 private:
  TextInput& in_;
  const int version_;
  TypeLists types_;
  std::array<bool, 26> stated_{};
  char typesSystem_ = ' ';  // the system whose type list continues on the next line
  size_t typesLeft_ = 0;    // types announced and not yet read

  void ReadRinex2(std::string_view line);
  void ReadRinex3(std::string_view line);
  void AddTypes(std::string_view line, size_t first, size_t step, size_t width, size_t perLine);
};

// What a header record of an event (flag 3: a new site, 4: header records)
// changes of the site the header describes: a new MARKER NAME (flag 3), new
// antenna offsets or a new approximate position; empty when it changes none.
std::string SiteChange(const ObsHeader& head, std::string_view line, std::string_view label,
                       int flag);

// Reads the header from the first line through END OF HEADER.  Anything
// that makes the file unusable (not RINEX, not observations, an unsupported
// version, no observation types, no end of header) is a fatal error naming
// the file and the line.
ObsHeader ReadObsHeader(TextInput& in);

#endif
