// Broadcast ephemerides out of RINEX navigation files of versions 2 to 4.
#include "rinex/NavigationFile.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "PROGINC/NumField.h"
#include "PROGINC/TextField.h"
#include "rinex/ConverterError.h"
#include "rinex/RinexLine.h"
#include "rinex/RinexTime.h"
#include "rinex/TextInput.h"

namespace {

// The channels GLONASS broadcasts: -7 to +13 (+7 to +13 only before 2005).
constexpr int kLowestChannel = -7;
constexpr int kHighestChannel = 13;

// A navigation number in D19.12 form (a D or E before the exponent).
double NavigationNumber(std::string_view line, size_t offset) {
  std::string field(Field(line, offset, 19));
  std::replace(field.begin(), field.end(), 'D', 'E');
  std::replace(field.begin(), field.end(), 'd', 'E');
  return RealField(field.data(), field.size(), 0, field.size());
}

// The columns of a version: RINEX 2 records start one column further left.
struct NavigationLayout {
  int version = 0;  // times 100
  char system = 0;  // the system of a single-system file, M for mixed
  bool Rinex2() const { return version < 300; }
  size_t FirstNumber() const { return Rinex2() ? 22 : 23; }
  size_t OrbitNumber() const { return Rinex2() ? 3 : 4; }
  bool StartsRecord(std::string_view line) const {
    return Rinex2() ? !TrimmedField(line, 0, 2).empty() : !line.empty() && line[0] != ' ';
  }
};

NavigationLayout ReadVersionLine(TextInput& in) {
  if (!in.Next()) FileError(in.name, "is empty, not a RINEX navigation file");
  const std::string_view line = CheckedLine(in, kRinexLineWidth);
  if (HeaderLabel(line) != "RINEX VERSION / TYPE")
    InputError(in, "not a RINEX file (no RINEX VERSION / TYPE record)");
  const int version =
      static_cast<int>(std::lround(RealField(line.data(), line.size(), 0, 9) * 100));
  const std::string_view type = Field(line, 20, 1);
  const std::string_view system = Field(line, 40, 1);
  if (version >= 200 && version < 300 && (type == "N" || type == "G"))
    return {version, type == "N" ? 'G' : 'R'};
  if (version >= 300 && version < 500 && type == "N" && !system.empty())
    return {version, system[0]};
  InputError(in, "not a navigation file of RINEX version 2, 3 or 4");
}

// The broadcast-orbit lines that follow a record's first line.
int OrbitLines(char system, std::string_view message) {
  if (system == 'R') return message.empty() ? 3 : 4;
  return 7;
}

// Whether a record of this system and RINEX 4 message type is kept.
bool KeptRecord(char system, std::string_view message) {
  switch (system) {
    case 'G':
      return message.empty() || message == "LNAV";
    case 'R':
      return message.empty() || message == "FDMA";
    case 'E':
      return message.empty() || message == "INAV" || message == "FNAV";
    case 'C':
      return message.empty() || message == "D1" || message == "D2";
    default:
      return false;
  }
}

// Where a record's first line holds its satellite number and epoch.
struct FirstLineColumns {
  size_t number, year, yearWidth, month, day, hour, minute, second, secondWidth;
};
constexpr FirstLineColumns kRinex2Columns{0, 3, 2, 6, 9, 12, 15, 17, 5};
constexpr FirstLineColumns kRinex3Columns{1, 4, 4, 9, 12, 15, 18, 21, 2};

// The record's satellite and epoch from its first line.
BroadcastRecord StartRecord(const TextInput& in, std::string_view line,
                            const NavigationLayout& layout) {
  const FirstLineColumns& at = layout.Rinex2() ? kRinex2Columns : kRinex3Columns;
  BroadcastRecord record;
  record.system = layout.Rinex2() ? layout.system : line[0];
  CalendarEpoch epoch;
  const bool valid = ReadWhole(Field(line, at.number, 2), record.number) &&
                     ReadWhole(Field(line, at.year, at.yearWidth), epoch.year) &&
                     ReadWhole(Field(line, at.month, 2), epoch.month) &&
                     ReadWhole(Field(line, at.day, 2), epoch.day) &&
                     ReadWhole(Field(line, at.hour, 2), epoch.hour) &&
                     ReadWhole(Field(line, at.minute, 2), epoch.minute) &&
                     ParseSecondsTicks(Field(line, at.second, at.secondWidth), epoch.secondTicks);
  // Two-digit years of RINEX 2: 80 to 99 are 1980 to 1999.
  if (at.yearWidth == 2) epoch.year += epoch.year < 80 ? 2000 : 1900;
  if (!valid || !CalendarToTicks(epoch, record.tocTicks))
    InputError(in, "the record's satellite or epoch cannot be read");
  for (int k = 0; k < 3; k++)
    record.values.push_back(NavigationNumber(line, layout.FirstNumber() + 19 * k));
  return record;
}

void CheckGlonassChannel(const TextInput& in, double channel) {
  if (channel < kLowestChannel || channel > kHighestChannel || channel != std::floor(channel))
    InputError(in, "the frequency channel is not a whole number from -7 to 13");
}

// The records after the header, one at a time.
class RecordReader {
 public:
  RecordReader(TextInput& in, const NavigationLayout& layout, NavigationFile& file)
      : in_(in), layout_(layout), file_(file) {}

  void ReadAll() {
    while (in_.Next()) {
      const std::string_view line = CheckedLine(in_, kRinexLineWidth);
      if (layout_.version >= 400 && !line.empty() && line[0] == '>') {
        Finish();
        TakeMarker(line);
      } else if (layout_.version < 400 && layout_.StartsRecord(line)) {
        Finish();
        TakeFirstLine(line);
      } else if (wantFirstLine_) {
        wantFirstLine_ = false;
        TakeFirstLine(line);
      } else if (open_) {
        TakeOrbitLine(line);
      }
    }
    Finish();
  }

 private:
  // "> EPH G02 LNAV": an ephemeris whose first line follows; any other
  // record (STO, EOP, ION) is passed over to the next marker.
  void TakeMarker(std::string_view line) {
    message_.clear();
    wantFirstLine_ = false;
    if (TrimmedField(line, 2, 3) != "EPH") return;
    const std::string_view sat = TrimmedField(line, 6, 3);
    message_ = std::string(TrimmedField(line, 10, 10));
    wantFirstLine_ = !sat.empty() && KeptRecord(sat[0], message_);
  }

  void TakeFirstLine(std::string_view line) {
    if (line.empty()) return;
    const char system = layout_.Rinex2() ? layout_.system : line[0];
    if (!KeptRecord(system, message_)) return;
    record_ = StartRecord(in_, line, layout_);
    record_.message = message_;
    linesLeft_ = OrbitLines(system, message_);
    open_ = true;
  }

  void TakeOrbitLine(std::string_view line) {
    if (linesLeft_ == 0) return;
    const size_t first = record_.values.size();
    for (int k = 0; k < 4; k++)
      record_.values.push_back(NavigationNumber(line, layout_.OrbitNumber() + 19 * k));
    if (record_.system == 'R' && first <= kGloChannel && kGloChannel < first + 4)
      CheckGlonassChannel(in_, record_.values[kGloChannel]);
    linesLeft_--;
  }

  void Finish() {
    if (!open_) return;
    open_ = false;
    if (linesLeft_ > 0) InputError(in_, "a navigation record ends before its last orbit line");
    file_.records.push_back(std::move(record_));
  }

  TextInput& in_;
  const NavigationLayout layout_;
  NavigationFile& file_;
  std::string message_;  // RINEX 4: the message type of the current record
  bool wantFirstLine_ = false;
  bool open_ = false;
  int linesLeft_ = 0;
  BroadcastRecord record_;
};

}  // namespace

NavigationFile ReadNavigationFile(const std::string& path) {
  std::unique_ptr<TextInput> in = OpenTextInput(path);
  NavigationFile file;
  const NavigationLayout layout = ReadVersionLine(*in);
  file.version = layout.version;
  for (;;) {
    if (!in->Next()) InputError(*in, "the file ends before END OF HEADER");
    const std::string_view line = CheckedLine(*in, kRinexLineWidth);
    const std::string_view label = HeaderLabel(line);
    if (label == "END OF HEADER") break;
    if (label == "LEAP SECONDS")
      file.hasLeapSeconds = ReadWhole(Field(line, 0, 6), file.leapSeconds);
  }
  RecordReader(*in, layout, file).ReadAll();
  return file;
}
