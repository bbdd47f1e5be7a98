// GLONASS frequency channels from observation headers and navigation files.
#include "rinex/GlonassChannels.h"

#include <algorithm>
#include <cstdio>

#include "GNSS/SatelliteName.h"
#include "rinex/ConverterError.h"
#include "rinex/NavigationFile.h"
#include "rinex/RinexTime.h"

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
  const std::string conflict = "GLONASS " + SatName('R', slot) + ": channel " +
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
  for (const BroadcastRecord& record : ReadNavigationFile(path).records)
    if (record.system == 'R')
      Add(record.number, static_cast<int>(record.values[kGloChannel]), path);
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
    std::snprintf(line, sizeof line, "%s       %04d %02d %02d %02d %02d %02d.%d%20s%d\n",
                  SatName('R', slot).c_str(), t.year, t.month, t.day, t.hour, t.minute, tenths / 10,
                  tenths % 10, "", channel_[slot]);
    out << line;
  }
}
