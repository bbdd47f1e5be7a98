// GLONASS frequency channels from observation headers and navigation files.
#include "rinex/GlonassChannels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "PROGINC/NumField.h"
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

// The layout of a navigation file's records: where a record starts, where
// its slot and, on its third line, the channel stand.
struct NavigationLayout {
  bool rinex2;
  bool StartsRecord(std::string_view line) const {
    return rinex2 ? !TrimmedField(line, 0, 2).empty() : !line.empty() && line[0] != ' ';
  }
  size_t ChannelOffset() const { return rinex2 ? 60 : 61; }
};

// Reads the version line; true for a file whose records are GLONASS or mixed.
NavigationLayout ReadNavigationHeader(TextInput& in) {
  if (!in.Next()) FileError(in.name, "is empty, not a RINEX navigation file");
  const std::string_view line = CheckedLine(in, kRinexLineWidth);
  if (HeaderLabel(line) != "RINEX VERSION / TYPE")
    InputError(in, "not a RINEX file (no RINEX VERSION / TYPE record)");
  const int version =
      static_cast<int>(std::lround(RealField(line.data(), line.size(), 0, 9) * 100));
  const std::string_view type = Field(line, 20, 1);
  const std::string_view system = Field(line, 40, 1);
  if (version >= 200 && version < 300 && type == "G") return {true};
  if (version >= 300 && version < 400 && type == "N" && (system == "R" || system == "M"))
    return {false};
  InputError(in, "not a GLONASS navigation file of RINEX version 2 or 3");
}

}  // namespace

void GlonassChannels::Add(int slot, int channel, const std::string& source) {
  if (slot <= 0 || slot >= NSLOTS) return;
  if (std::find(sources_.begin(), sources_.end(), source) == sources_.end())
    sources_.push_back(source);
  if (!known_[slot]) {
    known_[slot] = true;
    channel_[slot] = channel;
    source_[slot] = source;
    return;
  }
  if (channel_[slot] == channel) return;
  char slotName[8];
  std::snprintf(slotName, sizeof slotName, "R%02d", slot);
  const std::string conflict = std::string("GLONASS ") + slotName + ": channel " +
                               std::to_string(channel_[slot]) + " from " + source_[slot] +
                               " is kept; " + source + " gives " + std::to_string(channel);
  if (std::find(warned_.begin(), warned_.end(), conflict) != warned_.end()) return;
  warned_.push_back(conflict);
  ConverterWarning(conflict);
}

void GlonassChannels::AddHeader(const ObsHeader& head, const std::string& source) {
  for (const GlonassChannel& c : head.glonassChannels) Add(c.slot, c.channel, source);
}

void GlonassChannels::ReadNavigation(const std::string& path) {
  std::unique_ptr<TextInput> in = OpenTextInput(path);
  const NavigationLayout layout = ReadNavigationHeader(*in);
  for (;;) {
    if (!in->Next()) InputError(*in, "the file ends before END OF HEADER");
    if (HeaderLabel(CheckedLine(*in, kRinexLineWidth)) == "END OF HEADER") break;
  }
  int slot = 0;
  int lineOfRecord = 0;
  while (in->Next()) {
    const std::string_view line = CheckedLine(*in, kRinexLineWidth);
    if (layout.StartsRecord(line)) {
      lineOfRecord = 0;
      const bool glonass = layout.rinex2 || line[0] == 'R';
      if (!glonass || !ParseIntField(Field(line, layout.rinex2 ? 0 : 1, 2), slot)) slot = 0;
    } else {
      lineOfRecord++;
    }
    if (slot == 0 || lineOfRecord != 2) continue;
    const double channel = NavigationNumber(line, layout.ChannelOffset());
    if (channel < kLowestChannel || channel > kHighestChannel || channel != std::floor(channel))
      InputError(*in, "the frequency channel is not a whole number from -7 to 13");
    Add(slot, static_cast<int>(channel), path);
  }
}

int GlonassChannels::Count() const {
  return static_cast<int>(std::count(known_, known_ + NSLOTS, true));
}

void GlonassChannels::Write(std::ostream& out, int64_t fromTicks) const {
  out << "# GLONASS frequency channels from:";
  for (const std::string& source : sources_) out << ' ' << source;
  out << "\n# slot      start (y m d h m s)    end (blank: open)   channel\n";
  const CalendarEpoch t = TicksToCalendar(fromTicks);
  const int tenths = static_cast<int>(t.secondTicks / (kTicksPerSecond / 10));
  for (int slot = 1; slot < NSLOTS; slot++) {
    if (!known_[slot]) continue;
    char line[96];
    std::snprintf(line, sizeof line, "R%02d       %04d %02d %02d %02d %02d %02d.%d%20s%d\n", slot,
                  t.year, t.month, t.day, t.hour, t.minute, tenths / 10, tenths % 10, "",
                  channel_[slot]);
    out << line;
  }
}
