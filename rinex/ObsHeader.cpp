// Reading the header of a RINEX observation file, record by record.
#include "rinex/ObsHeader.h"

#include <cmath>
#include <string_view>

#include "PROGINC/NumField.h"
#include "rinex/ConverterError.h"
#include "rinex/RinexLine.h"
#include "rinex/RinexTime.h"
#include "rinex/TextInput.h"

namespace {

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

double Real(std::string_view line, size_t offset, size_t width) {
  return RealField(line.data(), line.size(), offset, width);
}

// The time system of a file whose header names none.
const char* DefaultTimeSystem(char system) {
  switch (system) {
    case 'R':
      return "GLO";
    case 'E':
      return "GAL";
    case 'C':
      return "BDT";
    case 'J':
      return "QZS";
    case 'I':
      return "IRN";
    default:
      return "GPS";
  }
}

// The reading state between the records of one header.
class HeaderReader {
 public:
  HeaderReader(TextInput& in, ObsHeader& head) : in_(in), head_(head) {}

  void Read();

 private:
  TextInput& in_;
  ObsHeader& head_;
  char typesSystem_ = ' ';  // the system whose type list continues on the next line
  size_t typesLeft_ = 0;    // types announced and not yet read

  std::string_view NextLine();
  void ReadVersionLine();
  void ReadRecord(std::string_view line, std::string_view label);
  void ReadRinex2Types(std::string_view line);
  void ReadRinex3Types(std::string_view line);
  void AddTypes(std::string_view line, size_t first, size_t step, size_t width, size_t perLine);
  void ReadGlonassSlots(std::string_view line);
  void Finish();
};

std::string_view HeaderReader::NextLine() {
  if (!in_.Next()) InputError(in_, "the file ends before END OF HEADER");
  return CheckedLine(in_, kRinexLineWidth);
}

void HeaderReader::ReadVersionLine() {
  if (!in_.Next()) FileError(in_.name, "is empty, not a RINEX file");
  const std::string_view line = CheckedLine(in_, kRinexLineWidth);
  if (HeaderLabel(line) != "RINEX VERSION / TYPE")
    InputError(in_, "not a RINEX file (no RINEX VERSION / TYPE record)");
  const double version = Real(line, 0, 9);
  head_.version = static_cast<int>(std::lround(version * 100));
  if (head_.version < 200 || head_.version >= 500)
    InputError(in_, "RINEX version " + std::string(TrimmedField(line, 0, 9)) +
                        " is not supported (versions 2, 3 and 4 are)");
  const std::string_view type = Field(line, 20, 1);
  if (type != "O")
    InputError(in_, "not an observation file (file type \"" + std::string(type) + "\")");
  const std::string_view system = Field(line, 40, 1);
  head_.system = system.empty() || system == " " ? 'G' : system[0];
}

void HeaderReader::Read() {
  ReadVersionLine();
  for (;;) {
    const std::string_view line = NextLine();
    const std::string_view label = HeaderLabel(line);
    if (label == "END OF HEADER") break;
    if (label.empty() && !line.empty() && line[0] == '>')
      InputError(in_, "END OF HEADER is missing: an epoch line follows the header records");
    ReadRecord(line, label);
  }
  Finish();
}

void HeaderReader::ReadRecord(std::string_view line, std::string_view label) {
  if (label == "MARKER NAME")
    head_.markerName = TrimmedField(line, 0, 60);
  else if (label == "MARKER NUMBER")
    head_.markerNumber = TrimmedField(line, 0, 20);
  else if (label == "REC # / TYPE / VERS")
    head_.receiverType = TrimmedField(line, 20, 20);
  else if (label == "ANT # / TYPE") {
    head_.antennaSerial = TrimmedField(line, 0, 20);
    head_.antennaType = TrimmedField(line, 20, 20);
  } else if (label == "APPROX POSITION XYZ") {
    for (int k = 0; k < 3; k++) head_.position[k] = Real(line, 14 * k, 14);
  } else if (label == "ANTENNA: DELTA H/E/N") {
    for (int k = 0; k < 3; k++) head_.deltaHEN[k] = Real(line, 14 * k, 14);
  } else if (label == "# / TYPES OF OBSERV")
    ReadRinex2Types(line);
  else if (label == "SYS / # / OBS TYPES")
    ReadRinex3Types(line);
  else if (label == "TIME OF FIRST OBS")
    head_.timeSystem = TrimmedField(line, 48, 3);
  else if (label == "INTERVAL")
    head_.interval = Real(line, 0, 10);
  else if (label == "GLONASS SLOT / FRQ #")
    ReadGlonassSlots(line);
}

// "# / TYPES OF OBSERV": the count in columns 1-6 on the first line, then
// nine types of two characters in fields of six.
void HeaderReader::ReadRinex2Types(std::string_view line) {
  if (!TrimmedField(line, 0, 6).empty()) {
    int count = 0;
    if (!ParseIntField(Field(line, 0, 6), count) || count < 0)
      InputError(in_, "the number of observation types can not be read");
    typesSystem_ = 'G';
    typesLeft_ = static_cast<size_t>(count);
  }
  AddTypes(line, 10, 6, 2, 9);
}

// "SYS / # / OBS TYPES": the system letter and the count on the first line,
// then thirteen codes of three characters in fields of four.
void HeaderReader::ReadRinex3Types(std::string_view line) {
  const std::string_view system = Field(line, 0, 1);
  if (!system.empty() && system != " ") {
    int count = 0;
    if (!IsLetter(system[0]))
      InputError(in_, "\"" + std::string(system) + "\" is no satellite system");
    if (!ParseIntField(Field(line, 3, 3), count) || count < 0)
      InputError(in_, "the number of observation types can not be read");
    typesSystem_ = system[0];
    typesLeft_ = static_cast<size_t>(count);
    head_.types[typesSystem_ - 'A'].clear();
  }
  AddTypes(line, 7, 4, 3, 13);
}

void HeaderReader::AddTypes(std::string_view line, size_t first, size_t step, size_t width,
                            size_t perLine) {
  if (typesSystem_ == ' ')
    InputError(in_, "observation types continue a record that did not start");
  std::vector<ObsCode>& types = head_.types[typesSystem_ - 'A'];
  for (size_t k = 0; k < perLine && typesLeft_ > 0; k++, typesLeft_--) {
    const std::string_view code = Field(line, first + step * k, width);
    if (code.size() < width || code[0] == ' ')
      InputError(in_, "fewer observation types than the record announces");
    ObsCode type = {code[0], code[1], width == 3 ? code[2] : ' '};
    types.push_back(type);
  }
}

// "GLONASS SLOT / FRQ #": up to eight entries of "Rnn ff " from column 5.
void HeaderReader::ReadGlonassSlots(std::string_view line) {
  for (size_t k = 0; k < 8; k++) {
    const size_t at = 4 + 7 * k;
    if (TrimmedField(line, at, 6).empty()) continue;
    int slot = 0, channel = 0;
    if (Field(line, at, 1) != "R" || !ParseIntField(Field(line, at + 1, 2), slot) ||
        !ParseIntField(Field(line, at + 4, 2), channel))
      InputError(in_, "GLONASS SLOT / FRQ # entry " + std::to_string(k + 1) + " can not be read");
    head_.glonassChannels.push_back({slot, channel});
  }
}

void HeaderReader::Finish() {
  if (typesLeft_ > 0)
    InputError(in_, "END OF HEADER comes before all observation types are listed");
  if (head_.IsRinex2()) {
    // One list for the satellites of every system in the file.
    for (std::vector<ObsCode>& list : head_.types) list = head_.types['G' - 'A'];
  } else if (head_.version < 303) {
    // Before 3.03, BeiDou's B1I signal was band 1; later versions call it 2.
    for (ObsCode& code : head_.types['C' - 'A'])
      if (code[1] == '1') code[1] = '2';
  }
  if (head_.MaxTypes() == 0) InputError(in_, "the header lists no observation types");
  if (head_.timeSystem.empty()) head_.timeSystem = DefaultTimeSystem(head_.system);
}

}  // namespace

const std::vector<ObsCode>& ObsHeader::Types(char system) const {
  static const std::vector<ObsCode> none;
  return IsLetter(system) ? types[system - 'A'] : none;
}

size_t ObsHeader::MaxTypes() const {
  size_t most = 0;
  for (const std::vector<ObsCode>& list : types) most = list.size() > most ? list.size() : most;
  return most;
}

ObsHeader ReadObsHeader(TextInput& in) {
  ObsHeader head;
  HeaderReader(in, head).Read();
  return head;
}
