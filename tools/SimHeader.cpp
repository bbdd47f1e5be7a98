// Header of a simulated single-difference file and the GLONASS channel file.
#include "tools/SimHeader.h"

#include <cstdio>

#include "tools/SimSite.h"
#include "tools/SimTime.h"

namespace {

// A record of two length-prefixed texts, base first.
void AppendTextRecord(std::string& text, const char* label, const char* base, const char* rover) {
  char line[160];
  std::snprintf(line, sizeof line, "%-16s:%3d %s%3d %s\n", label,
                static_cast<int>(std::string(base).size()), base,
                static_cast<int>(std::string(rover).size()), rover);
  text.append(line);
}

void AppendPositions(std::string& text, const SimScene& scene) {
  const SimXyz base = BasePosition();
  const SimXyz rover = RoverPosition(scene);
  char line[160];
  std::snprintf(line, sizeof line, "XYZ POSITION    :%14.4f%14.4f%14.4f  %14.4f%14.4f%14.4f\n",
                base.x, base.y, base.z, rover.x, rover.y, rover.z);
  text.append(line);
  std::snprintf(line, sizeof line, "DELTA N/E/U     :%12.4f%12.4f%10.4f  %12.4f%12.4f%10.4f\n", 0.0,
                0.0, 0.0, 0.0, 0.0, 0.0);
  text.append(line);
}

void AppendTypes(std::string& text, const std::vector<int>& types) {
  char count[8];
  std::snprintf(count, sizeof count, "%3d", static_cast<int>(types.size()));
  text.append("# & TYPES OF OBS:").append(count).append(" ");
  for (int code : types) text.append(" ").append(SimTypeOf(code).name);
  text.append("\n");
}

void AppendOpenChannel(std::string& text, int slot, long mjd, int channel) {
  int year = 0, month = 0, day = 0;
  MjdToCivil(mjd, year, month, day);
  char line[96];
  std::snprintf(line, sizeof line, "R%02d       %04d %02d %02d 00 00 00.0%20s%d\n", slot, year,
                month, day, "", channel);
  text.append(line);
}

// A closed period: the start seconds stay two characters wide so that they
// end before the end year in column 32.
void AppendClosedChannel(std::string& text, int slot, long fromMjd, long toMjd, int channel) {
  int fromYear = 0, fromMonth = 0, fromDay = 0, toYear = 0, toMonth = 0, toDay = 0;
  MjdToCivil(fromMjd, fromYear, fromMonth, fromDay);
  MjdToCivil(toMjd, toYear, toMonth, toDay);
  char line[96];
  std::snprintf(line, sizeof line,
                "R%02d       %04d %02d %02d 00 00 00  %04d %02d %02d 23 59 59 %d\n", slot, fromYear,
                fromMonth, fromDay, toYear, toMonth, toDay, channel);
  text.append(line);
}

}  // namespace

void AppendHeader(std::string& text, const SimScene& scene, const std::vector<int>& types) {
  text.append("SINGLE_DIFFERENCES\n");
  AppendTextRecord(text, "MARKER NAME", kSimBase.markerName, kSimRover.markerName);
  AppendTextRecord(text, "MARKER NUMBER", kSimBase.markerNumber, kSimRover.markerNumber);
  AppendTextRecord(text, "RECEIVER TYPE", kSimBase.receiverType, kSimRover.receiverType);
  AppendTextRecord(text, "ANTENNA TYPE", kSimBase.antennaType, kSimRover.antennaType);
  AppendPositions(text, scene);
  AppendTypes(text, types);
  text.append("DIFFERENCE LEVEL:  1\n");
  text.append("END OF HEADER 1\n");
}

void AppendChannelFile(std::string& text, const std::vector<SimSatellite>& glonass, long firstMjd) {
  text.append("# GLONASS frequency channels of the simulated satellites\n");
  text.append("# slot      start (y m d h m s)    end (blank: open)   channel\n");
  for (std::size_t i = 0; i < glonass.size(); i++) {
    const SimSatellite& satellite = glonass[i];
    if (i == 0) {
      const int formerChannel =
          satellite.channel > -7 ? satellite.channel - 1 : satellite.channel + 1;
      AppendClosedChannel(text, satellite.prn, firstMjd - 60, firstMjd - 1, formerChannel);
    }
    AppendOpenChannel(text, satellite.prn, firstMjd, satellite.channel);
  }
}
