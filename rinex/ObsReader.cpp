// Reading the epochs of a RINEX observation file (versions 2, 3 and 4).
#include "rinex/ObsReader.h"

#include <string>

#include "GNSS/SatelliteName.h"
#include "PROGINC/NumField.h"
#include "PROGINC/TextField.h"
#include "rinex/ConverterError.h"
#include "rinex/RinexLine.h"
#include "rinex/RinexTime.h"
#include "rinex/TextInput.h"

namespace {

// RINEX 2: twelve satellites on an epoch line, five observations on a line.
constexpr size_t kRinex2SatsPerLine = 12;
constexpr size_t kRinex2ValuesPerLine = 5;
// Epoch-line columns of each version (offsets from 0).
constexpr size_t kRinex2Flag = 28, kRinex2Count = 29, kRinex2Sats = 32, kRinex2Clock = 68;
constexpr size_t kRinex3Flag = 31, kRinex3Count = 32, kRinex3Clock = 41;
constexpr int kMaxSatNumber = 99;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

unsigned char Indicator(std::string_view field, size_t at) {
  return at < field.size() && IsDigit(field[at]) ? static_cast<unsigned char>(field[at] - '0') : 0;
}

// A receiver clock offset field: blank (read as 0), or a number and nothing
// else.
bool ParseClock(std::string_view field, long double& clock) {
  const std::string_view number = Trimmed(field);
  double value = 0;
  if (!number.empty()) {
    const char* p = number.data();
    const char* end = p + number.size();
    if (!ScanReal(p, end, value) || p != end) return false;
  }
  clock = value;
  return true;
}

// Two-digit years of RINEX 2: 80 to 99 are 1980 to 1999, the rest 2000 on.
int FullYear(int year) { return year >= 100 ? year : year >= 80 ? 1900 + year : 2000 + year; }

}  // namespace

ObsReader::ObsReader(TextInput& in, const ObsHeader& head, std::string systems)
    : in_(in), head_(head), systems_(std::move(systems)), seenStamp_(26 * (kMaxSatNumber + 1), 0) {}

std::string_view ObsReader::NextLine(size_t maxLength, const char* what) {
  if (!in_.NextInRecord()) InputError(in_, std::string("the file ends before ") + what);
  return CheckedLine(in_, maxLength);
}

bool ObsReader::Next(ObsEpoch& epoch) {
  for (;;) {
    int count = 0;
    if (!ReadEpochLine(epoch, count)) return false;
    if (epoch.flag >= 2 && epoch.flag <= 5) {
      PassEvent(count, epoch.flag);
      continue;
    }
    const bool data = epoch.flag <= 1;
    if (data && epoch.ticks <= lastTicks_)
      InputError(in_, epoch.ticks == lastTicks_ ? "the epoch repeats the one before it"
                                                : "the epoch is earlier than the one before it");
    epoch.sats.clear();
    epoch.values.clear();
    epoch.lli.clear();
    epoch.strength.clear();
    stamp_++;
    if (head_.IsRinex2())
      ReadRinex2Records(epoch, count, data);
    else
      ReadRinex3Records(epoch, count, data);
    if (!data) {
      counts_.cycleSlipRecords += count;
      continue;
    }
    lastTicks_ = epoch.ticks;
    counts_.epochs++;
    if (epoch.flag == 1) counts_.powerFailures++;
    return true;
  }
}

bool ObsReader::ReadEpochLine(ObsEpoch& epoch, int& count) {
  std::string_view line;
  do {
    if (ended_ || !in_.Next()) return false;
    line = CheckedLine(in_, kRinexLineWidth);
  } while (line.empty());
  const bool rinex2 = head_.IsRinex2();
  if (!rinex2 && line[0] != '>') InputError(in_, "an epoch line (\">\" in column 1) was expected");
  epoch.lineNo = in_.lineNo;
  const std::string_view flag = Field(line, rinex2 ? kRinex2Flag : kRinex3Flag, 1);
  if (flag.empty() || flag[0] < '0' || flag[0] > '6')
    InputError(in_, "the epoch flag is not a digit from 0 to 6");
  epoch.flag = flag[0] - '0';
  const std::string_view countField = Field(line, rinex2 ? kRinex2Count : kRinex3Count, 3);
  count = 0;
  if (!TrimmedField(countField, 0, 3).empty() && (!ReadWhole(countField, count) || count < 0))
    InputError(in_, "the number of satellites or records can not be read");
  if (epoch.flag <= 1) ReadEpochTime(line, rinex2, epoch);
  const size_t clockAt = rinex2 ? kRinex2Clock : kRinex3Clock;
  if (!ParseClock(Field(line, clockAt, rinex2 ? 12 : 15), epoch.clock))
    InputError(in_, "the receiver clock offset at column " + std::to_string(clockAt + 1) +
                        " can not be read");
  if (rinex2 && (epoch.flag <= 1 || epoch.flag == 6)) ReadRinex2SatelliteList(line, count);
  return true;
}

void ObsReader::ReadEpochTime(std::string_view line, bool rinex2, ObsEpoch& epoch) {
  const size_t at = rinex2 ? 0 : 1;  // RINEX 3 and 4 have a four-digit year one column on
  CalendarEpoch t;
  const bool read = ReadWhole(Field(line, at, rinex2 ? 3 : 5), t.year) &&
                    ReadWhole(Field(line, at + (rinex2 ? 3 : 5), 3), t.month) &&
                    ReadWhole(Field(line, at + (rinex2 ? 6 : 8), 3), t.day) &&
                    ReadWhole(Field(line, at + (rinex2 ? 9 : 11), 3), t.hour) &&
                    ReadWhole(Field(line, at + (rinex2 ? 12 : 14), 3), t.minute) &&
                    ParseSecondsTicks(Field(line, at + (rinex2 ? 15 : 17), 11), t.secondTicks);
  if (rinex2) t.year = FullYear(t.year);
  if (read && t.secondTicks >= 60 * kTicksPerSecond && t.secondTicks < 61 * kTicksPerSecond)
    InputError(in_,
               "the epoch lies in a leap second (second 60); leap-second epochs are not supported");
  if (!read || !CalendarToTicks(t, epoch.ticks))
    InputError(in_, "the epoch's date and time can not be read");
}

// Event flags 2 to 5 carry `count` event records (header lines).  A change
// of the observation types would change every record after it, and a new
// site would write two sites as one: both are refused.  Records that
// restate the header pass.
void ObsReader::PassEvent(int count, int flag) {
  counts_.eventRecords++;
  ObsTypeRecords types(in_, head_.version);
  for (int k = 0; k < count; k++) {
    const std::string_view line = NextLine(kRinexLineWidth, "the records of an event");
    const std::string_view label = HeaderLabel(line);
    if (types.Take(line, label)) continue;
    const std::string change = SiteChange(head_, line, label, flag);
    if (!change.empty())
      InputError(in_, "a new site begins (event flag " + std::to_string(flag) + "): " + change +
                          "; convert the parts separately");
  }
  if (!types.Any()) return;
  const TypeLists& stated = types.Finish("the end of the event's records");
  for (char system = 'A'; system <= 'Z'; system++)
    if (types.Stated(system) && stated[system - 'A'] != head_.types[system - 'A'])
      InputError(in_, "the observation types change within the file; convert the parts separately");
}

void ObsReader::ReadRinex2SatelliteList(std::string_view line, int count) {
  satSystems_.clear();
  satNumbers_.clear();
  for (int k = 0; k < count; k++) {
    const size_t onLine = static_cast<size_t>(k) % kRinex2SatsPerLine;
    if (k > 0 && onLine == 0) line = NextLine(kRinexLineWidth, "the epoch's list of satellites");
    const std::string_view sat = Field(line, kRinex2Sats + 3 * onLine, 3);
    int number = 0;
    const bool letter = sat.size() == 3 && (sat[0] == ' ' || (sat[0] >= 'A' && sat[0] <= 'Z'));
    if (!letter || !ReadWhole(sat.substr(1), number) || number < 1 || number > kMaxSatNumber)
      InputError(in_, "satellite " + std::to_string(k + 1) + " of the epoch can not be read");
    satSystems_.push_back(sat[0] == ' ' ? 'G' : sat[0]);
    satNumbers_.push_back(number);
  }
}

void ObsReader::ReadRinex2Records(ObsEpoch& epoch, int count, bool keep) {
  for (int i = 0; i < count; i++) {
    const char system = satSystems_[i];
    const size_t types = head_.Types(system).size();
    const bool store = keep && Converted(system);
    if (keep && !store && system >= 'A' && system <= 'Z') counts_.skippedRecords[system - 'A']++;
    if (store) AddSatellite(epoch, system, satNumbers_[i], types);
    const size_t lines = (types + kRinex2ValuesPerLine - 1) / kRinex2ValuesPerLine;
    for (size_t j = 0; j < lines; j++) {
      if (EndsInLastRecord(i + 1 == count, j, lines)) break;
      const std::string_view line = CheckedLine(in_, kRinexLineWidth);
      if (!store) continue;
      const size_t from = j * kRinex2ValuesPerLine;
      const size_t n = types - from < kRinex2ValuesPerLine ? types - from : kRinex2ValuesPerLine;
      ReadValues(line, 0, n, epoch, epoch.sats.back().first + from);
    }
  }
}

// Moves to the next line of a satellite's record; true when the file ends
// instead.  Some archives cut the blank continuation lines off the last
// record of a file: when only those are missing, the values they would hold
// stay blank, with a warning.
bool ObsReader::EndsInLastRecord(bool lastSatellite, size_t line, size_t lines) {
  if (in_.NextInRecord()) return false;
  if (!lastSatellite || line == 0)
    InputError(in_, "the file ends before the observations of the epoch");
  const size_t missing = lines - line;
  InputWarning(in_, "the file ends " + std::to_string(missing) +
                        (missing == 1 ? " line" : " lines") +
                        " before the end of its last satellite's record; its values there are "
                        "read as blank");
  ended_ = !in_.PieceFollows();
  return true;
}

void ObsReader::ReadRinex3Records(ObsEpoch& epoch, int count, bool keep) {
  for (int i = 0; i < count; i++) {
    if (!in_.NextInRecord()) InputError(in_, "the file ends before the observations of the epoch");
    std::string_view raw = in_.line;
    const char system = raw.empty() ? ' ' : raw[0];
    if (system < 'A' || system > 'Z') MissingSatellite(count);
    const size_t types = head_.Types(system).size();
    const bool store = keep && Converted(system);
    if (store && types == 0)
      InputError(in_, std::string("the header lists no observation types for system ") + system);
    const std::string_view line =
        CheckedLine(in_, 3 + kObsFieldWidth * (types ? types : head_.MaxTypes()));
    int number = 0;
    if (line.size() < 3 || !ReadWhole(Field(line, 1, 2), number) || number < 1)
      MissingSatellite(count);
    if (keep && !store && system >= 'A' && system <= 'Z') counts_.skippedRecords[system - 'A']++;
    if (!store) continue;
    AddSatellite(epoch, system, number, types);
    ReadValues(line, 3, types, epoch, epoch.sats.back().first);
  }
}

void ObsReader::MissingSatellite(int count) {
  InputError(in_, "a satellite's observations were expected (the epoch announces " +
                      std::to_string(count) + " satellites)");
}

void ObsReader::AddSatellite(ObsEpoch& epoch, char system, int number, size_t types) {
  CheckNewSatellite(system, number);
  const size_t first = epoch.values.size();
  epoch.sats.push_back({system, number, first});
  epoch.values.resize(first + types, 0);
  epoch.lli.resize(first + types, 0);
  epoch.strength.resize(first + types, 0);
}

void ObsReader::CheckNewSatellite(char system, int number) {
  unsigned& seen = seenStamp_[static_cast<size_t>(system - 'A') * (kMaxSatNumber + 1) + number];
  if (seen == stamp_)
    InputError(in_, "satellite " + SatName(system, number) + " appears twice in the epoch");
  seen = stamp_;
}

void ObsReader::ReadValues(std::string_view line, size_t from, size_t count, ObsEpoch& epoch,
                           size_t first) {
  for (size_t k = 0; k < count; k++) {
    const std::string_view field = Field(line, from + kObsFieldWidth * k, kObsFieldWidth);
    if (field.empty()) break;
    if (!ReadUnits(field.substr(0, kObsValueWidth), kObsValueWidth, kObsValueDecimals,
                   epoch.values[first + k]))
      InputError(in_, "observation " + std::to_string(k + 1) + " at column " +
                          std::to_string(from + kObsFieldWidth * k + 1) +
                          " is not a number with three decimals");
    epoch.lli[first + k] = Indicator(field, kObsValueWidth);
    epoch.strength[first + k] = Indicator(field, kObsValueWidth + 1);
  }
}
