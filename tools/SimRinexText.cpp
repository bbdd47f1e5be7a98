// RINEX 3.04 observation text of one simulated station.
#include "tools/SimRinexText.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "GNSS/SatelliteName.h"
#include "tools/SimFormat.h"
#include "tools/SimTime.h"

namespace {

const std::size_t kLabelAt = 60;
const std::size_t kCodesPerLine = 13;
const std::size_t kSlotsPerLine = 8;
const long long kTicksPerSecond = 10000000;
const int kValueWidth = 14;
const int kClockWidth = 15;
const int kClockDecimals = 12;

// A header record: its content in columns 1 to 60, then its label.
void AppendRecord(std::string& text, const std::string& content, const char* label) {
  const std::size_t start = text.size();
  text.append(content);
  text.resize(start + kLabelAt, ' ');
  text.append(label).push_back('\n');
}

std::string Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printed(const char* format, ...) {
  char line[96];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);
  return line;
}

char KindLetter(SimKind kind) {
  switch (kind) {
    case SimKind::Code:
      return 'C';
    case SimKind::Phase:
      return 'L';
    case SimKind::Doppler:
      return 'D';
    case SimKind::Strength:
      return 'S';
  }
  return 'C';
}

// GPS: C/A on L1, the encrypted P code (W) on L1 and L2, where the L2 phase
// comes from for every satellite, L2C (L) for the civil L2 code, and the
// pilot (Q) of L5.  GLONASS: C/A (C) and P codes, the L2 phase from P.
// Galileo: the pilots, C on E1 and E6, Q on E5a, E5b and E5.
char Attribute(SimSystem system, const SimType& type) {
  switch (system) {
    case SimSystem::GPS:
      if (type.band == 5) return 'Q';
      if (type.precise || (type.band == 2 && type.kind != SimKind::Code)) return 'W';
      return type.band == 2 ? 'L' : 'C';
    case SimSystem::GLONASS:
      return type.precise || (type.band == 2 && type.kind != SimKind::Code) ? 'P' : 'C';
    case SimSystem::Galileo:
      return type.band == 1 || type.band == 6 ? 'C' : 'Q';
  }
  return 'C';
}

void AppendTypes(std::string& text, SimSystem system, const SimPlan& plan,
                 const std::vector<std::size_t>& columns) {
  for (std::size_t from = 0; from < columns.size(); from += kCodesPerLine) {
    std::string content =
        from == 0 ? Printed("%c  %3d", SystemLetter(system), static_cast<int>(columns.size()))
                  : std::string(6, ' ');
    for (std::size_t k = from; k < columns.size() && k < from + kCodesPerLine; k++)
      content += " " + RinexCode(system, plan.types[columns[k]]);
    AppendRecord(text, content, "SYS / # / OBS TYPES");
  }
}

void AppendPhaseShifts(std::string& text, SimSystem system, const SimPlan& plan,
                       const std::vector<std::size_t>& columns) {
  for (std::size_t column : columns)
    if (SimTypeOf(plan.types[column]).kind == SimKind::Phase)
      AppendRecord(text,
                   Printed("%c %s  0.00000", SystemLetter(system),
                           RinexCode(system, plan.types[column]).c_str()),
                   "SYS / PHASE SHIFT");
}

void AppendGlonassSlots(std::string& text, const SimPlan& plan) {
  std::vector<const SimSatellite*> glonass;
  for (const SimTrack& track : plan.tracks)
    if (track.satellite.system == SimSystem::GLONASS) glonass.push_back(&track.satellite);
  if (glonass.empty()) return;
  for (std::size_t from = 0; from < glonass.size(); from += kSlotsPerLine) {
    std::string content =
        from == 0 ? Printed("%3d ", static_cast<int>(glonass.size())) : std::string(4, ' ');
    for (std::size_t k = from; k < glonass.size() && k < from + kSlotsPerLine; k++)
      content += Printed("R%02d %2d ", glonass[k]->prn, glonass[k]->channel);
    AppendRecord(text, content, "GLONASS SLOT / FRQ #");
  }
  AppendRecord(text, " C1C    0.000 C1P    0.000 C2C    0.000 C2P    0.000", "GLONASS COD/PHS/BIS");
}

char FileSystem(const SimRinexColumns& columns) {
  char only = 'M';
  int systems = 0;
  for (int system = 0; system < kSimSystemCount; system++)
    if (!columns[system].empty()) {
      systems++;
      only = SystemLetter(static_cast<SimSystem>(system));
    }
  return systems == 1 ? only : 'M';
}

void AppendTimeOfFirst(std::string& text, const SimPlan& plan) {
  int year = 0, month = 0, day = 0;
  MjdToCivil(plan.firstMjd, year, month, day);
  const long long tick = std::llround(plan.firstSecond * kTicksPerSecond);
  const long long second = tick / kTicksPerSecond;
  AppendRecord(text,
               Printed("%6d%6d%6d%6lld%6lld%5lld.%07lld     GPS", year, month, day, second / 3600,
                       second / 60 % 60, second % 60, tick % kTicksPerSecond),
               "TIME OF FIRST OBS");
}

}  // namespace

SimRinexColumns RinexColumns(const SimPlan& plan) {
  SimRinexColumns columns;
  for (std::size_t k = 0; k < plan.types.size(); k++)
    for (int system = 0; system < kSimSystemCount; system++) {
      bool transmitted = false;
      for (const SimTrack& track : plan.tracks)
        transmitted =
            transmitted || (static_cast<int>(track.satellite.system) == system &&
                            Transmits(track.satellite.system, track.satellite.prn, plan.types[k]));
      if (transmitted) columns[system].push_back(k);
    }
  return columns;
}

std::string RinexCode(SimSystem system, int typeCode) {
  const SimType& type = SimTypeOf(typeCode);
  return {KindLetter(type.kind), static_cast<char>('0' + type.band), Attribute(system, type)};
}

void AppendRinexHeader(std::string& text, const SimStation& station, const SimXyz& position,
                       const SimPlan& plan, const SimRinexColumns& columns) {
  int year = 0, month = 0, day = 0;
  MjdToCivil(plan.firstMjd, year, month, day);
  AppendRecord(text, Printed("%9.2f%11s%-20s%c", 3.04, "", "OBSERVATION DATA", FileSystem(columns)),
               "RINEX VERSION / TYPE");
  AppendRecord(
      text, Printed("%-20s%-20s%04d%02d%02d 000000 UTC", "sdsim", "simulation", year, month, day),
      "PGM / RUN BY / DATE");
  AppendRecord(text, station.markerName, "MARKER NAME");
  AppendRecord(text, station.markerNumber, "MARKER NUMBER");
  AppendRecord(text, "GEODETIC", "MARKER TYPE");
  AppendRecord(text, Printed("%-20s%s", "simulation", "simulation"), "OBSERVER / AGENCY");
  AppendRecord(text, Printed("%-20s%-20s%s", station.markerNumber, station.receiverType, "1.0"),
               "REC # / TYPE / VERS");
  AppendRecord(text, Printed("%-20s%s", station.markerNumber, station.antennaType), "ANT # / TYPE");
  AppendRecord(text, Printed("%14.4f%14.4f%14.4f", position.x, position.y, position.z),
               "APPROX POSITION XYZ");
  AppendRecord(text, Printed("%14.4f%14.4f%14.4f", 0.0, 0.0, 0.0), "ANTENNA: DELTA H/E/N");
  for (int system = 0; system < kSimSystemCount; system++)
    if (!columns[system].empty())
      AppendTypes(text, static_cast<SimSystem>(system), plan, columns[system]);
  AppendRecord(text, "DBHZ", "SIGNAL STRENGTH UNIT");
  AppendRecord(text, Printed("%10.3f", plan.interval), "INTERVAL");
  AppendTimeOfFirst(text, plan);
  for (int system = 0; system < kSimSystemCount; system++)
    AppendPhaseShifts(text, static_cast<SimSystem>(system), plan, columns[system]);
  AppendGlonassSlots(text, plan);
  AppendRecord(text, "", "END OF HEADER");
}

void SimRinexEpoch::Start(long day, long long tickOfDay) {
  mjd = day;
  tick = tickOfDay;
  records.clear();
  values.clear();
  flags.clear();
}

void SimRinexEpoch::AddRecord(short number, std::size_t count) {
  records.push_back({number, values.size(), count});
}

void AppendEpochHead(std::string& text, const SimRinexEpoch& epoch) {
  int year = 0, month = 0, day = 0;
  MjdToCivil(epoch.mjd, year, month, day);
  const long long second = epoch.tick / kTicksPerSecond;
  char line[64];
  std::snprintf(line, sizeof line, "> %04d %02d %02d %02lld %02lld %2lld.%07lld  0%3d", year, month,
                day, second / 3600, second / 60 % 60, second % 60, epoch.tick % kTicksPerSecond,
                static_cast<int>(epoch.records.size()));
  text.append(line);
}

void AppendRinexEpoch(std::string& text, const SimRinexEpoch& epoch) {
  AppendEpochHead(text, epoch);
  if (epoch.hasClock) {
    text.append(6, ' ');
    const long long clock = epoch.clockPicoseconds;
    AppendFixed(text, static_cast<unsigned long long>(clock < 0 ? -clock : clock), clock < 0,
                kClockDecimals, kClockWidth);
  }
  text.push_back('\n');
  for (const SimRinexRecord& record : epoch.records) {
    const std::size_t start = text.size();
    text += SatName(record.number);
    for (std::size_t k = record.first; k < record.first + record.count; k++) {
      const long long value = epoch.values[k];
      if (value == kSimAbsent)
        text.append(kValueWidth, ' ');
      else
        AppendFixed(text, static_cast<unsigned long long>(value < 0 ? -value : value), value < 0, 3,
                    kValueWidth);
      text.append(epoch.flags, 2 * k, 2);
    }
    std::size_t end = text.size();
    while (end > start && text[end - 1] == ' ') end--;
    text.resize(end);
    text.push_back('\n');
  }
}
