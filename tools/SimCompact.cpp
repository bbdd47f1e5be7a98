// Compact RINEX 3.0 encoding of a simulated station's epochs.
#include "tools/SimCompact.h"

#include <cstdio>

#include "GNSS/SatelliteName.h"
#include "tools/SimTime.h"

namespace {

const std::size_t kSatelliteListAt = 41;

// Appends the difference that turns `before` into `now` (which `before` is
// made equal to): a blank keeps a character, '&' blanks it.
void AppendTextDifference(std::string& text, std::string& before, const std::string& now) {
  const std::size_t start = text.size();
  if (before.size() < now.size()) before.resize(now.size(), ' ');
  for (std::size_t k = 0; k < before.size(); k++) {
    const char was = before[k];
    const char is = k < now.size() ? now[k] : ' ';
    text.push_back(was == is ? ' ' : is == ' ' ? '&' : is);
    before[k] = is;
  }
  while (text.size() > start && text.back() == ' ') text.pop_back();
}

}  // namespace

void SimArc::AppendField(std::string& text, long long value) {
  if (!started_) {
    started_ = true;
    reached_ = 0;
    terms_[0] = value;
    text.append(std::to_string(kOrder)).push_back('&');
    text.append(std::to_string(value));
    return;
  }
  if (reached_ < kOrder) reached_++;
  long long next[kOrder + 1];
  next[0] = value;
  for (int order = 1; order <= reached_; order++) next[order] = next[order - 1] - terms_[order - 1];
  for (int order = 0; order <= reached_; order++) terms_[order] = next[order];
  text.append(std::to_string(next[reached_]));
}

void AppendCompactHead(std::string& text, long mjd) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  int year = 0, month = 0, day = 0;
  MjdToCivil(mjd, year, month, day);
  char line[192];
  std::snprintf(line, sizeof line, "%-20s%-20s%-20s%s\n%-20s%-20s%02d-%s-%02d 00:00     %s\n",
                "3.0", "COMPACT RINEX FORMAT", "", "CRINEX VERS   / TYPE", "sdsim", "", day,
                kMonths[month - 1], year % 100, "CRINEX PROG / DATE");
  text.append(line);
}

void SimCompactEncoder::AppendEpoch(std::string& text, const SimRinexEpoch& epoch) {
  AppendEpochLine(text, epoch);
  if (epoch.hasClock)
    clock_.AppendField(text, epoch.clockPicoseconds);
  else
    clock_.Stop();
  text.push_back('\n');
  for (const SimRinexRecord& record : epoch.records) AppendRecord(text, epoch, record);
  epochs_++;
}

// The first epoch line is given whole; the others as differences.
void SimCompactEncoder::AppendEpochLine(std::string& text, const SimRinexEpoch& epoch) {
  std::string line;
  AppendEpochHead(line, epoch);
  line.resize(kSatelliteListAt, ' ');
  for (const SimRinexRecord& record : epoch.records) line += SatName(record.number);
  if (epochLine_.empty()) {
    text.append(line);
    epochLine_ = line;
  } else {
    AppendTextDifference(text, epochLine_, line);
  }
  text.push_back('\n');
}

// The observations as arc fields separated by blanks (an empty field for a
// missing value, which ends its arc), then a blank and the difference of
// the indicators.
void SimCompactEncoder::AppendRecord(std::string& text, const SimRinexEpoch& epoch,
                                     const SimRinexRecord& record) {
  Satellite& satellite = CarriedOn(record);
  const std::size_t start = text.size();
  for (std::size_t k = 0; k < record.count; k++) {
    if (k > 0) text.push_back(' ');
    SimArc& arc = satellite.arcs[k];
    const long long value = epoch.values[record.first + k];
    if (value == kSimAbsent)
      arc.Stop();
    else
      arc.AppendField(text, value);
  }
  text.push_back(' ');
  AppendTextDifference(text, satellite.flags,
                       epoch.flags.substr(2 * record.first, 2 * record.count));
  while (text.size() > start && text.back() == ' ') text.pop_back();
  text.push_back('\n');
}

SimCompactEncoder::Satellite& SimCompactEncoder::CarriedOn(const SimRinexRecord& record) {
  Satellite& satellite = satellites_[static_cast<std::size_t>(record.number)];
  if (satellite.lastEpoch != epochs_ - 1 || satellite.arcs.size() != record.count) {
    satellite.arcs.assign(record.count, SimArc());
    satellite.flags.assign(2 * record.count, ' ');
  }
  satellite.lastEpoch = epochs_;
  return satellite;
}
