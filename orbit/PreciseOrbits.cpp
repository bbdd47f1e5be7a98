// Precise orbits out of SP3 files, and their interpolation.
#include "orbit/PreciseOrbits.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "GNSS/SatNumber.h"
#include "PROGINC/NumField.h"
#include "PROGINC/TextField.h"
#include "orbit/GpsSeconds.h"
#include "rinex/ConverterError.h"
#include "rinex/RinexLine.h"
#include "rinex/RinexTime.h"
#include "rinex/SatSystems.h"
#include "rinex/TextInput.h"

namespace {

constexpr size_t kSp3LineWidth = 80;
// Epochs taken for one interpolation.
constexpr size_t kLagrangePoints = 10;
// Two neighbouring epochs further apart than this many times the file's
// usual spacing are a gap that no interpolation crosses.
constexpr double kLargestGap = 1.5;
constexpr double kTaiAheadOfGps = 19;
constexpr double kGlonassAheadOfUtc = 3 * 3600;

// GPS time minus the time of the file's time system, at about `time`.
double OffsetToGps(std::string_view system, double time) {
  if (system == "BDT") return kBeiDouBehindGps;
  if (system == "TAI") return -kTaiAheadOfGps;
  if (system == "UTC") return LeapSecondsAt(time);
  if (system == "GLO") return LeapSecondsAt(time) - kGlonassAheadOfUtc;
  return 0;  // GPS, GAL, QZS
}

// "*  2021  9 22  0 15  0.00000000": an epoch line's time in seconds of
// the file's time scale (the eighth decimal of the seconds is dropped).
double EpochLineTime(const TextInput& in, std::string_view line) {
  CalendarEpoch epoch;
  int64_t ticks = 0;
  const std::string_view seconds = Field(line, 20, 11);
  epoch.secondTicks =
      std::llround(RealField(seconds.data(), seconds.size(), 0, seconds.size()) * kTicksPerSecond);
  if (!ReadWhole(Field(line, 3, 4), epoch.year) || !ReadWhole(Field(line, 8, 2), epoch.month) ||
      !ReadWhole(Field(line, 11, 2), epoch.day) || !ReadWhole(Field(line, 14, 2), epoch.hour) ||
      !ReadWhole(Field(line, 17, 2), epoch.minute) || !CalendarToTicks(epoch, ticks))
    InputError(in, "the epoch line's time cannot be read");
  return SecondsOfTicks(ticks);
}

// Lagrange's interpolation of the samples [first, first + count) at `time`.
template <typename Sample>
xyz Lagrange(const Sample* samples, size_t count, double time) {
  xyz sum;
  for (size_t i = 0; i < count; i++) {
    double weight = 1;
    for (size_t j = 0; j < count; j++)
      if (j != i) weight *= (time - samples[j].time) / (samples[i].time - samples[j].time);
    sum += samples[i].position * weight;
  }
  return sum;
}

}  // namespace

void PreciseOrbits::Load(const std::string& path) {
  std::unique_ptr<TextInput> in = OpenTextInput(path);
  if (!in->Next()) FileError(path, "is empty, not an SP3 file");
  const std::string_view first = CheckedLine(*in, kSp3LineWidth);
  if (first.size() < 3 || first[0] != '#' || (first[1] != 'c' && first[1] != 'd'))
    InputError(*in, "not an SP3-c or SP3-d file");
  std::string timeSystem;
  bool seenSystemLine = false;
  double epochTime = 0;
  double offset = 0;
  bool inEpoch = false;
  while (in->Next()) {
    const std::string_view line = CheckedLine(*in, kSp3LineWidth);
    if (line.compare(0, 2, "%c") == 0 && !seenSystemLine) {
      seenSystemLine = true;
      timeSystem = std::string(TrimmedField(line, 9, 3));
    } else if (!line.empty() && line[0] == '*') {
      epochTime = EpochLineTime(*in, line);
      offset = OffsetToGps(timeSystem, epochTime);
      inEpoch = true;
    } else if (inEpoch && !line.empty() && line[0] == 'P') {
      int number = 0;
      const int place = SystemIndex(line.size() > 1 ? line[1] : ' ');
      if (place < 0 || !ReadWhole(Field(line, 2, 2), number) || number < 1) continue;
      const xyz km(RealField(line.data(), line.size(), 4, 14),
                   RealField(line.data(), line.size(), 18, 14),
                   RealField(line.data(), line.size(), 32, 14));
      // A position of zero is a satellite without an orbit at this epoch.
      if (km.x == 0 && km.y == 0 && km.z == 0) continue;
      satellites_[SatNumber(place, number)].push_back({epochTime + offset, km * 1000.0L});
    }
  }
  for (auto& [sat, samples] : satellites_) {
    std::stable_sort(samples.begin(), samples.end());
    samples.erase(std::unique(samples.begin(), samples.end(),
                              [](const Sample& a, const Sample& b) { return a.time == b.time; }),
                  samples.end());
  }
}

std::optional<xyz> PreciseOrbits::Position(short sat, double gpsSeconds) const {
  const auto found = satellites_.find(sat);
  if (found == satellites_.end()) return std::nullopt;
  const std::vector<Sample>& samples = found->second;
  if (samples.size() < kLagrangePoints || gpsSeconds < samples.front().time ||
      gpsSeconds > samples.back().time)
    return std::nullopt;
  const auto after = std::upper_bound(samples.begin(), samples.end(), Sample{gpsSeconds, xyz()});
  const size_t index = static_cast<size_t>(after - samples.begin());
  const size_t start = std::min(index > kLagrangePoints / 2 ? index - kLagrangePoints / 2 : 0,
                                samples.size() - kLagrangePoints);
  const Sample* window = samples.data() + start;
  // The window's spacing against the narrowest step in it.
  double narrowest = window[1].time - window[0].time;
  double widest = narrowest;
  for (size_t k = 1; k + 1 < kLagrangePoints; k++) {
    narrowest = std::min(narrowest, window[k + 1].time - window[k].time);
    widest = std::max(widest, window[k + 1].time - window[k].time);
  }
  if (widest > kLargestGap * narrowest) return std::nullopt;
  return Lagrange(window, kLagrangePoints, gpsSeconds);
}
