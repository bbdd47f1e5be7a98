// Reading the few figures the network summary needs from the report's JSON,
// whose layout the report fixes: one "key": value after another, systems and
// clock events as arrays of flat objects.
#include "network/ReportHeadline.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

// The text of the value after "key": at or after `from`; empty when absent.
std::string Value(const std::string& json, const std::string& key, size_t from = 0,
                  size_t to = std::string::npos) {
  const size_t at = json.find("\"" + key + "\": ", from);
  if (at == std::string::npos || at >= to) return "";
  const size_t begin = at + key.size() + 4;
  const size_t end = json.find_first_of(",}]\n", begin);
  const std::string value = json.substr(begin, end - begin);
  return value == "null" ? "" : value;
}

// The part of the text that one array holds.
std::pair<size_t, size_t> Array(const std::string& json, const std::string& key) {
  const size_t at = json.find("\"" + key + "\": [");
  if (at == std::string::npos) return {0, 0};
  return {at, json.find(']', at)};
}

std::string Fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// Satellites, slips and the row-weighted multipath RMS over the systems.
void SumSystems(const std::string& json, ReportHeadline& headline) {
  const auto [begin, end] = Array(json, "systems");
  long satellites = 0;
  long slips = 0;
  double rows[2] = {0, 0};
  double squares[2] = {0, 0};
  for (size_t at = json.find('{', begin); at < end; at = json.find('{', at + 1)) {
    satellites += std::atol(Value(json, "satellites", at).c_str());
    slips += std::atol(Value(json, "slips", at).c_str());
    const double n = std::atof(Value(json, "rows", at).c_str());
    const char* keys[2] = {"mp1_rms_m", "mp2_rms_m"};
    for (int k = 0; k < 2; k++) {
      const size_t close = json.find('}', at);
      const std::string rms = Value(json, keys[k], at, close);
      if (rms.empty()) continue;
      rows[k] += n;
      squares[k] += n * std::atof(rms.c_str()) * std::atof(rms.c_str());
    }
  }
  if (begin == end) return;
  headline.satellites = std::to_string(satellites);
  headline.slips = std::to_string(slips);
  if (rows[0] > 0) headline.mp1Rms = Fixed(std::sqrt(squares[0] / rows[0]), 4);
  if (rows[1] > 0) headline.mp2Rms = Fixed(std::sqrt(squares[1] / rows[1]), 4);
}

}  // namespace

ReportHeadline ReadReportHeadline(const std::string& summaryFile) {
  std::ifstream in(summaryFile);
  std::stringstream text;
  text << in.rdbuf();
  const std::string json = text.str();
  ReportHeadline headline;
  headline.epochs = Value(json, "epochs_present");
  const double expected = std::atof(Value(json, "epochs_expected").c_str());
  if (!headline.epochs.empty() && expected > 0)
    headline.completeness = Fixed(100.0 * std::atof(headline.epochs.c_str()) / expected, 1);
  const auto [begin, end] = Array(json, "clock_events");
  if (end > begin) {
    long events = 0;
    for (size_t at = json.find('{', begin); at < end; at = json.find('{', at + 1)) events++;
    headline.clockEvents = std::to_string(events);
  }
  SumSystems(json, headline);
  return headline;
}
