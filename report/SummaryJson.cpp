// Writing the JSON summary.
#include "report/SummaryJson.h"

#include <cmath>
#include <cstdio>

#include "report/SatelliteSummary.h"

namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string Number(double value, int decimals) {
  if (!std::isfinite(value)) return "null";
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// A figure the summaries mark as not known with a negative value.
std::string Figure(double value, int decimals) {
  return value < 0 ? "null" : Number(value, decimals);
}
std::string Count(long count) { return count < 0 ? "null" : std::to_string(count); }

std::string Member(const char* name, const std::string& value) {
  return Quoted(name) + ": " + value;
}

std::string ContextObject(const DataContext& context) {
  std::string json = "{";
  json += Member("first_epoch", context.firstEpoch.empty() ? "null" : Quoted(context.firstEpoch));
  json +=
      ", " + Member("last_epoch", context.lastEpoch.empty() ? "null" : Quoted(context.lastEpoch));
  json += ", " + Member("interval_s", context.interval > 0 ? Number(context.interval, 3) : "null");
  json += ", " +
          Member("epochs_expected", context.hasStations ? Count(context.epochsExpected) : "null");
  json +=
      ", " + Member("epochs_present", context.hasStations ? Count(context.epochsPresent) : "null");
  json += ", " + Member("base", context.hasStations ? Quoted(context.base.marker) : "null");
  json += ", " + Member("rover", context.hasStations ? Quoted(context.rover.marker) : "null");
  json +=
      ", " + Member("baseline_m", HasBaseline(context)
                                      ? Number(BaselineOf(context.base, context.rover).length, 3)
                                      : "null");
  return json + "}";
}

std::string ClockEventsArray(const StatisticsCollector& statistics) {
  std::string json = "[";
  for (const ClockEvent& event : statistics.ClockEvents()) {
    if (json.size() > 1) json += ",";
    json += "\n    {" + Member("epoch", Quoted(event.epoch)) + ", " +
            Member("metres", Number(event.metres, 3)) + ", " +
            Member("milliseconds", Number(ClockEventMilliseconds(event), 6)) + ", " +
            Member("satellites", std::to_string(event.satellites)) + "}";
  }
  return json + (json.size() > 1 ? "\n  ]" : "]");
}

std::string SystemsArray(const StatisticsCollector& statistics) {
  std::string json = "[";
  for (const SystemSummary& system : SystemSummaries(statistics)) {
    if (json.size() > 1) json += ",";
    json += "\n    {" + Member("system", Quoted(std::string(1, system.letter))) + ", " +
            Member("satellites", std::to_string(system.satellites)) + ", " +
            Member("rows", std::to_string(system.rows)) + ", " +
            Member("slips", Count(system.slips)) + ", " +
            Member("outliers", Count(system.outliers)) + ", " +
            Member("mp1_rms_m", Figure(system.mp1Rms, 4)) + ", " +
            Member("mp2_rms_m", Figure(system.mp2Rms, 4)) + "}";
  }
  return json + (json.size() > 1 ? "\n  ]" : "]");
}

std::string SatellitesArray(const StatisticsCollector& statistics) {
  std::string json = "[";
  for (const SatelliteSummary& satellite : SatelliteSummaries(statistics)) {
    if (json.size() > 1) json += ",";
    json += "\n    {" + Member("satellite", Quoted(satellite.name)) + ", " +
            Member("first_epoch", Quoted(satellite.firstEpoch)) + ", " +
            Member("last_epoch", Quoted(satellite.lastEpoch)) + ", " +
            Member("rows", std::to_string(satellite.rows)) + ", " +
            Member("percent_of_expected", Figure(satellite.percentOfExpected, 1)) + ", " +
            Member("arcs", Count(satellite.arcs)) + ", " + Member("slips", Count(satellite.slips)) +
            ", " + Member("outliers", Count(satellite.outliers)) + ", " +
            Member("clock_events", std::to_string(satellite.clockEvents)) + ", " +
            Member("mp1_rms_m", Figure(satellite.mp1Rms, 4)) + ", " +
            Member("mp2_rms_m", Figure(satellite.mp2Rms, 4)) + ", " +
            Member("elevation_min_deg",
                   satellite.hasElevation ? Number(satellite.lowestElevation, 1) : "null") +
            ", " +
            Member("elevation_max_deg",
                   satellite.hasElevation ? Number(satellite.highestElevation, 1) : "null") +
            "}";
  }
  return json + (json.size() > 1 ? "\n  ]" : "]");
}

}  // namespace

std::string SummaryJson(const StatisticsCollector& statistics) {
  return "{\n  " + Member("file", Quoted(statistics.Settings().observationFile)) + ",\n  " +
         Member("context", ContextObject(statistics.Settings().context)) + ",\n  " +
         Member("clock_events", ClockEventsArray(statistics)) + ",\n  " +
         Member("systems", SystemsArray(statistics)) + ",\n  " +
         Member("satellites", SatellitesArray(statistics)) + "\n}\n";
}
