// The stations, the baseline and the epochs of the data.
#include "report/DataContext.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSemiMajorAxis = 6378137.0;         // WGS-84, metres
constexpr double kFlattening = 1.0 / 298.257223563;  // WGS-84
constexpr double kEccentricity2 = kFlattening * (2 - kFlattening);

bool Known(const StationContext& station) {
  return station.position[0] != 0 || station.position[1] != 0 || station.position[2] != 0;
}

// Geodetic latitude and longitude (radians) of an Earth-centred position,
// by iteration on the latitude; a few rounds reach well below a nanoradian.
void LatitudeLongitude(const double* xyz, double& latitude, double& longitude) {
  longitude = std::atan2(xyz[1], xyz[0]);
  const double p = std::hypot(xyz[0], xyz[1]);
  latitude = std::atan2(xyz[2], p * (1 - kEccentricity2));
  for (int round = 0; round < 6; round++) {
    const double sine = std::sin(latitude);
    const double n = kSemiMajorAxis / std::sqrt(1 - kEccentricity2 * sine * sine);
    latitude = std::atan2(xyz[2] + kEccentricity2 * n * sine, p);
  }
}

std::string Position(const StationContext& station) {
  if (!Known(station)) return "position not known";
  char text[96];
  std::snprintf(text, sizeof text, "X %.4f Y %.4f Z %.4f m", station.position[0],
                station.position[1], station.position[2]);
  return text;
}

std::string StationLine(const char* role, const StationContext& station) {
  auto orDash = [](const std::string& text) { return text.empty() ? std::string("-") : text; };
  return std::string(role) + ": marker " + orDash(station.marker) + ", receiver " +
         orDash(station.receiver) + ", antenna " + orDash(station.antenna) + ", " +
         Position(station);
}

std::string BaselineLine(const DataContext& context) {
  if (!HasBaseline(context)) return "Baseline: not known (a station's position is zero)";
  const Baseline line = BaselineOf(context.base, context.rover);
  char text[160];
  std::snprintf(text, sizeof text,
                "Baseline: %.3f m, azimuth %.2f deg, elevation %.2f deg (north %.3f, east %.3f, "
                "up %.3f m)",
                line.length, line.azimuth, line.elevation, line.north, line.east, line.up);
  return text;
}

std::string EpochLine(const DataContext& context) {
  if (context.firstEpoch.empty()) return "Epochs: none";
  char counts[160];
  if (context.interval > 0)
    std::snprintf(counts, sizeof counts, "interval %g s, %ld expected, %ld present (%.1f %%)",
                  context.interval, context.epochsExpected, context.epochsPresent,
                  context.epochsExpected > 0 ? 100.0 * static_cast<double>(context.epochsPresent) /
                                                   static_cast<double>(context.epochsExpected)
                                             : 0.0);
  else
    std::snprintf(counts, sizeof counts, "interval not known, %ld present", context.epochsPresent);
  return "Epochs: " + context.firstEpoch + " to " + context.lastEpoch + ", " + counts;
}

}  // namespace

bool HasBaseline(const DataContext& context) {
  return context.hasStations && Known(context.base) && Known(context.rover);
}

Baseline BaselineOf(const StationContext& base, const StationContext& rover) {
  double latitude = 0, longitude = 0;
  LatitudeLongitude(base.position, latitude, longitude);
  const double dx = rover.position[0] - base.position[0];
  const double dy = rover.position[1] - base.position[1];
  const double dz = rover.position[2] - base.position[2];
  const double sinB = std::sin(latitude), cosB = std::cos(latitude);
  const double sinL = std::sin(longitude), cosL = std::cos(longitude);
  Baseline line;
  line.north = -sinB * cosL * dx - sinB * sinL * dy + cosB * dz;
  line.east = -sinL * dx + cosL * dy;
  line.up = cosB * cosL * dx + cosB * sinL * dy + sinB * dz;
  line.length = std::sqrt(dx * dx + dy * dy + dz * dz);
  line.azimuth = std::atan2(line.east, line.north) * 180 / kPi;
  if (line.azimuth < 0) line.azimuth += 360;
  line.elevation = line.length > 0 ? std::asin(line.up / line.length) * 180 / kPi : 0;
  return line;
}

long ExpectedEpochs(double first, double last, double interval) {
  if (interval <= 0 || last < first) return 0;
  return std::lround((last - first) / interval) + 1;
}

std::vector<std::string> ContextLines(const DataContext& context) {
  std::vector<std::string> lines;
  if (context.hasStations) {
    lines.push_back(StationLine("Base", context.base));
    lines.push_back(StationLine("Rover", context.rover));
    lines.push_back(BaselineLine(context));
    lines.push_back(EpochLine(context));
  }
  if (!context.systems.empty()) lines.push_back("Systems: " + context.systems);
  if (!context.types.empty()) lines.push_back("Types: " + context.types);
  for (const std::string& note : context.notes) lines.push_back(note);
  return lines;
}
