// Simulated networks: one plan per day for the first station, and from it
// one per other station with its own offset and single-difference draws.
#include "tools/SimNetwork.h"

#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "tools/SimRun.h"
#include "tools/SimTime.h"

namespace {

// North-south over east-west spacing: unequal, so that fewer distances tie.
const double kRowSpacing = 1.25;

[[noreturn]] void CannotWrite(const std::string& path) {
  std::cerr << "sdsim: cannot write " << path << "\n";
  std::exit(1);
}

std::string Printed(const char* format, int a, int b = 0, int c = 0) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

// The interval as a long name's frequency field: 30S, 05M, 01H.
std::string FrequencyField(double interval) {
  const int seconds = static_cast<int>(std::lround(interval));
  if (seconds < 60) return Printed("%02dS", seconds);
  if (seconds < 3600) return Printed("%02dM", seconds / 60);
  return Printed("%02dH", seconds / 3600);
}

// A station's plan for the day: the first station's plan with the
// station's offset, clock, atmosphere and draws; the first station's own
// observations (its clock and draws) stay as they are.
SimPlan StationPlan(const SimPlan& first, const SimConfig& config, int k) {
  SimPlan plan = first;
  const std::uint64_t seed = MixSeed(config.seed, static_cast<std::uint64_t>(k));
  SimScene scene = DrawScene(seed);
  const SimOffset offset = NetworkOffset(k, config.networkStations, config.networkSpacing);
  scene.baselineEast = offset.east;
  scene.baselineNorth = offset.north;
  scene.baselineUp = 0.0;
  scene.baseClock = first.scene.baseClock;
  scene.baseClockDrift = first.scene.baseClockDrift;
  scene.hasJump = first.scene.hasJump;
  scene.jumpTime = first.scene.jumpTime;
  scene.slipSatellite = first.scene.slipSatellite;
  scene.slipPass = first.scene.slipPass;
  scene.slipTime = first.scene.slipTime;
  scene.missingRate = first.scene.missingRate;
  plan.scene = scene;
  for (SimTrack& track : plan.tracks) {
    SimTrack own = MakeTrack(track.satellite, seed);
    own.baseNoise = track.baseNoise;
    track = own;
  }
  return plan;
}

void Gzip(const std::string& plain, const std::string& compressed) {
  std::ifstream in(plain, std::ios::binary);
  gzFile out = gzopen(compressed.c_str(), "wb6");
  if (out == nullptr) CannotWrite(compressed);
  std::vector<char> block(1 << 16);
  while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0)
    if (gzwrite(out, block.data(), static_cast<unsigned>(in.gcount())) != in.gcount())
      CannotWrite(compressed);
  if (gzclose(out) != Z_OK) CannotWrite(compressed);
  std::remove(plain.c_str());
}

// One station's file of the day, written plain and then compressed when
// asked for.
class DayFile {
 public:
  DayFile(const std::string& station, int year, int dayOfYear, const SimConfig& config)
      : path_(config.networkFolder + "/" +
              NetworkFileName(station, year, dayOfYear, config.interval, config)),
        plain_(config.gzip ? path_.substr(0, path_.size() - 3) : path_),
        gzip_(config.gzip),
        out_(plain_, std::ios::binary) {
    if (!out_) CannotWrite(plain_);
  }
  std::ostream& Stream() { return out_; }
  std::string Close() {
    if (!out_.flush()) CannotWrite(plain_);
    out_.close();
    if (gzip_) Gzip(plain_, path_);
    return path_;
  }

 private:
  const std::string path_, plain_;
  const bool gzip_;
  std::ofstream out_;
};

// The header's names of every station: marker name N001, number SIM 0001.
struct StationNames {
  std::vector<std::string> markers, numbers;
  std::vector<SimStation> stations;

  explicit StationNames(int count) {
    for (int k = 0; k < count; k++) {
      markers.push_back(Printed("N%03d", k));
      numbers.push_back(Printed("SIM %04d", k));
    }
    for (int k = 0; k < count; k++)
      stations.push_back({markers[static_cast<size_t>(k)].c_str(),
                          numbers[static_cast<size_t>(k)].c_str(), kSimBase.receiverType,
                          kSimBase.antennaType});
  }
};

// The first station's file is written with the second one's and left
// aside for the later ones.
void WriteDay(const SimConfig& day, int year, int dayOfYear, const StationNames& names,
              std::vector<std::string>& written) {
  const SimPlan first = MakePlan(day);
  DayFile firstFile(NetworkStationName(0), year, dayOfYear, day);
  std::ostream discarded(nullptr);
  std::vector<std::string> others;
  for (int k = 1; k < day.networkStations; k++) {
    SimPlan plan = StationPlan(first, day, k);
    DayFile file(NetworkStationName(k), year, dayOfYear, day);
    const SimRinexOutputs outputs{k == 1 ? &firstFile.Stream() : &discarded,
                                  &file.Stream(),
                                  day.compactRinex,
                                  day.rinexClockOffsets,
                                  &names.stations[0],
                                  &names.stations[static_cast<size_t>(k)]};
    WriteRun(plan, nullptr, outputs);
    others.push_back(file.Close());
  }
  written.push_back(firstFile.Close());
  written.insert(written.end(), others.begin(), others.end());
}

}  // namespace

SimOffset NetworkOffset(int k, int stations, double spacing) {
  const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(stations))));
  const int row = k / columns;
  return {(k % columns) * spacing, row * spacing * kRowSpacing};
}

std::string NetworkStationName(int k) { return Printed("n%03d", k); }

std::string NetworkFileName(const std::string& station, int year, int dayOfYear, double interval,
                            const SimConfig& config) {
  std::string name;
  if (config.longNames) {
    std::string upper = station;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    name = upper + "00SIM_R_" + Printed("%04d%03d0000_01D_", year, dayOfYear) +
           FrequencyField(interval) + (config.compactRinex ? "_MO.crx" : "_MO.rnx");
  } else {
    name =
        station + Printed("%03d0.%02d", dayOfYear, year % 100) + (config.compactRinex ? "d" : "o");
  }
  return config.gzip ? name + ".gz" : name;
}

std::vector<std::string> WriteNetwork(const SimConfig& config) {
  const StationNames names(config.networkStations);
  const long firstMjd = CivilToMjd(config.start.year, config.start.month, config.start.day);
  std::vector<std::string> written;
  for (int d = 0; d < config.networkDays; d++) {
    SimConfig day = config;
    MjdToCivil(firstMjd + d, day.start.year, day.start.month, day.start.day);
    day.seed = MixSeed(config.seed, static_cast<std::uint64_t>(firstMjd + d));  // days differ
    const int dayOfYear = static_cast<int>(firstMjd + d - CivilToMjd(day.start.year, 1, 1)) + 1;
    WriteDay(day, day.start.year, dayOfYear, names, written);
  }
  return written;
}
