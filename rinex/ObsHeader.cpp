// Reading the header of a RINEX observation file, record by record.
#include "rinex/ObsHeader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string_view>

#include "PROGINC/NumField.h"
#include "PROGINC/TextField.h"
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

// A SYS / SCALE FACTOR record: the factor of some of a system's types, or
// of all of them when `codes` is empty.
struct ScaleRecord {
  char system;
  int factor;
  std::vector<ObsCode> codes;
};

// The reading state between the records of one header.
class HeaderReader {
 public:
  HeaderReader(TextInput& in, ObsHeader& head) : in_(in), head_(head) {}

  void Read();

 private:
  TextInput& in_;
  ObsHeader& head_;
  std::unique_ptr<ObsTypeRecords> types_;  // after the version line
  std::vector<ScaleRecord> scales_;
  size_t scaleCodesLeft_ = 0;  // codes of the last scale record still to come

  std::string_view NextLine();
  void ReadVersionLine();
  void ReadRecord(std::string_view line, std::string_view label);
  void ReadScaleFactor(std::string_view line);
  void ReadGlonassSlots(std::string_view line);
  void ReadGlonassBiases(std::string_view line);
  void ApplyScaleFactors();
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
  types_ = std::make_unique<ObsTypeRecords>(in_, head_.version);
  for (;;) {
    const std::string_view line = NextLine();
    const std::string_view label = HeaderLabel(line);
    if (label == "END OF HEADER") break;
    if (label.empty() && !line.empty() && line[0] == '>')
      InputError(in_, "END OF HEADER is missing: an epoch line follows the header records");
    if (!types_->Take(line, label)) ReadRecord(line, label);
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
  } else if (label == "TIME OF FIRST OBS")
    head_.timeSystem = TrimmedField(line, 48, 3);
  else if (label == "INTERVAL")
    head_.interval = Real(line, 0, 10);
  else if (label == "GLONASS SLOT / FRQ #")
    ReadGlonassSlots(line);
  else if (label == "GLONASS COD/PHS/BIS")
    ReadGlonassBiases(line);
  else if (label == "SYS / SCALE FACTOR")
    ReadScaleFactor(line);
  else if (label == "SYS / PHASE SHIFT")
    head_.phasesAligned = head_.version >= 301;
}

// "SYS / SCALE FACTOR": the system letter, the factor (1, 10, 100 or 1000)
// in columns 3-6 and the number of codes in columns 9-10 (blank or 0: every
// code of the system), then twelve codes of three characters in fields of
// four from column 12, continued on lines with a blank system.
void HeaderReader::ReadScaleFactor(std::string_view line) {
  const std::string_view system = Field(line, 0, 1);
  if (!system.empty() && system != " ") {
    int factor = 0, count = 0;
    if (!IsLetter(system[0]) || !ReadWhole(Field(line, 2, 4), factor) ||
        (factor != 1 && factor != 10 && factor != 100 && factor != 1000))
      InputError(in_, "SYS / SCALE FACTOR gives no system and factor 1, 10, 100 or 1000");
    if (!TrimmedField(line, 8, 2).empty() && (!ReadWhole(Field(line, 8, 2), count) || count < 0))
      InputError(in_, "the number of codes of SYS / SCALE FACTOR can not be read");
    scales_.push_back({system[0], factor, {}});
    scaleCodesLeft_ = static_cast<size_t>(count);
  } else if (scaleCodesLeft_ == 0) {
    InputError(in_, "SYS / SCALE FACTOR continues a record that did not start");
  }
  for (size_t k = 0; k < 12 && scaleCodesLeft_ > 0; k++, scaleCodesLeft_--) {
    const std::string_view code = Field(line, 11 + 4 * k, 3);
    if (code.size() < 3 || code[0] == ' ')
      InputError(in_, "fewer codes than SYS / SCALE FACTOR announces");
    scales_.back().codes.push_back({code[0], code[1], code[2]});
  }
}

// "GLONASS SLOT / FRQ #": up to eight entries of "Rnn ff " from column 5.
void HeaderReader::ReadGlonassSlots(std::string_view line) {
  for (size_t k = 0; k < 8; k++) {
    const size_t at = 4 + 7 * k;
    if (TrimmedField(line, at, 6).empty()) continue;
    int slot = 0, channel = 0;
    if (Field(line, at, 1) != "R" || !ReadWhole(Field(line, at + 1, 2), slot) ||
        !ReadWhole(Field(line, at + 4, 2), channel))
      InputError(in_, "GLONASS SLOT / FRQ # entry " + std::to_string(k + 1) + " can not be read");
    head_.glonassChannels.push_back({slot, channel});
  }
}

// "GLONASS COD/PHS/BIS": up to four entries of a code and its bias in
// metres (F8.3), thirteen characters each.
void HeaderReader::ReadGlonassBiases(std::string_view line) {
  for (size_t k = 0; k < 4; k++) {
    const std::string_view code = Field(line, 1 + 13 * k, 3);
    if (code.size() < 3 || code[0] == ' ') continue;
    head_.glonassBiases.push_back({{code[0], code[1], code[2]}, Real(line, 5 + 13 * k, 8)});
  }
}

void HeaderReader::ApplyScaleFactors() {
  for (size_t system = 0; system < head_.types.size(); system++)
    head_.scaleFactors[system].assign(head_.types[system].size(), 1);
  for (const ScaleRecord& record : scales_) {
    const std::vector<ObsCode>& codes = head_.types[record.system - 'A'];
    for (size_t k = 0; k < codes.size(); k++)
      if (record.codes.empty() ||
          std::find(record.codes.begin(), record.codes.end(), codes[k]) != record.codes.end())
        head_.scaleFactors[record.system - 'A'][k] = record.factor;
  }
}

void HeaderReader::Finish() {
  if (scaleCodesLeft_ > 0)
    InputError(in_, "END OF HEADER comes before all codes of SYS / SCALE FACTOR are listed");
  head_.types = types_->Finish("END OF HEADER");
  if (head_.MaxTypes() == 0) InputError(in_, "the header lists no observation types");
  ApplyScaleFactors();
  if (head_.timeSystem.empty()) head_.timeSystem = DefaultTimeSystem(head_.system);
}

// Two values read from the same text are the same double.
bool SameTriple(const double* a, const double* b) {
  return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

std::string TripleText(const double* values) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f %.4f %.4f", values[0], values[1], values[2]);
  return text;
}

}  // namespace

bool ObsTypeRecords::Take(std::string_view line, std::string_view label) {
  if (label == "# / TYPES OF OBSERV")
    ReadRinex2(line);
  else if (label == "SYS / # / OBS TYPES")
    ReadRinex3(line);
  else
    return false;
  return true;
}

// "# / TYPES OF OBSERV": the count in columns 1-6 on the first line, then
// nine types of two characters in fields of six.
void ObsTypeRecords::ReadRinex2(std::string_view line) {
  if (!TrimmedField(line, 0, 6).empty()) {
    int count = 0;
    if (!ReadWhole(Field(line, 0, 6), count) || count < 0)
      InputError(in_, "the number of observation types can not be read");
    typesSystem_ = 'G';
    typesLeft_ = static_cast<size_t>(count);
    types_['G' - 'A'].clear();
    stated_['G' - 'A'] = true;
  }
  AddTypes(line, 10, 6, 2, 9);
}

// "SYS / # / OBS TYPES": the system letter and the count on the first line,
// then thirteen codes of three characters in fields of four.
void ObsTypeRecords::ReadRinex3(std::string_view line) {
  const std::string_view system = Field(line, 0, 1);
  if (!system.empty() && system != " ") {
    int count = 0;
    if (!IsLetter(system[0]))
      InputError(in_, "\"" + std::string(system) + "\" is no satellite system");
    if (!ReadWhole(Field(line, 3, 3), count) || count < 0)
      InputError(in_, "the number of observation types can not be read");
    typesSystem_ = system[0];
    typesLeft_ = static_cast<size_t>(count);
    types_[typesSystem_ - 'A'].clear();
    stated_[typesSystem_ - 'A'] = true;
  }
  AddTypes(line, 7, 4, 3, 13);
}

void ObsTypeRecords::AddTypes(std::string_view line, size_t first, size_t step, size_t width,
                              size_t perLine) {
  if (typesSystem_ == ' ')
    InputError(in_, "observation types continue a record that did not start");
  std::vector<ObsCode>& types = types_[typesSystem_ - 'A'];
  for (size_t k = 0; k < perLine && typesLeft_ > 0; k++, typesLeft_--) {
    const std::string_view code = Field(line, first + step * k, width);
    if (code.size() < width || code[0] == ' ')
      InputError(in_, "fewer observation types than the record announces");
    ObsCode type = {code[0], code[1], width == 3 ? code[2] : ' '};
    types.push_back(type);
  }
}

const TypeLists& ObsTypeRecords::Finish(const char* end) {
  if (typesLeft_ > 0)
    InputError(in_, std::string(end) + " comes before all observation types are listed");
  if (version_ < 300) {
    // One list for the satellites of every system in the file.
    for (std::vector<ObsCode>& list : types_) list = types_['G' - 'A'];
  } else if (version_ < 303) {
    // Before 3.03, BeiDou's B1I signal was band 1; later versions call it 2.
    for (ObsCode& code : types_['C' - 'A'])
      if (code[1] == '1') code[1] = '2';
  }
  return types_;
}

std::string SiteChange(const ObsHeader& head, std::string_view line, std::string_view label,
                       int flag) {
  if (flag == 3 && label == "MARKER NAME") {
    const std::string_view name = TrimmedField(line, 0, 60);
    if (name != head.markerName)
      return "MARKER NAME \"" + std::string(name) + "\" after \"" + head.markerName + "\"";
  }
  if (flag != 3 && flag != 4) return "";
  const bool offsets = label == "ANTENNA: DELTA H/E/N";
  if (!offsets && label != "APPROX POSITION XYZ") return "";
  double values[3];
  for (int k = 0; k < 3; k++) values[k] = Real(line, 14 * k, 14);
  const double* before = offsets ? head.deltaHEN : head.position;
  if (SameTriple(values, before)) return "";
  return std::string(label) + " " + TripleText(values) + " after " + TripleText(before);
}

const std::vector<ObsCode>& ObsHeader::Types(char system) const {
  static const std::vector<ObsCode> none;
  return IsLetter(system) ? types[system - 'A'] : none;
}

int ObsHeader::ScaleFactor(char system, size_t column) const {
  return IsLetter(system) && column < scaleFactors[system - 'A'].size()
             ? scaleFactors[system - 'A'][column]
             : 1;
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
