// A whole simulated run: which epochs and satellites, and the files they make.
#include "tools/SimRun.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "tools/SimFormat.h"
#include "tools/SimHeader.h"
#include "tools/SimReceivers.h"

namespace {

const double kSecondsPerDay = 86400.0;
// Counting visibility for the choice of satellites looks at no more epochs
// than this, evenly spread.
const long kVisibilitySamples = 2000;

double EpochTime(const SimPlan& plan, long epoch) {
  return plan.firstSecond + plan.interval * epoch;
}

// Time of the first epoch at or after the given offset from the first epoch.
double EpochAtOrAfter(const SimPlan& plan, double offset) {
  const double steps = std::ceil(offset / plan.interval - 1e-9);
  return EpochTime(plan, static_cast<long>(steps));
}

long VisibleEpochs(const SimPlan& plan, const SimSatellite& satellite) {
  const long step = std::max(1L, plan.epochs / kVisibilitySamples);
  long count = 0;
  for (long epoch = 0; epoch < plan.epochs; epoch += step)
    if (IsVisible(LookAt(satellite, EpochTime(plan, epoch)))) count++;
  return count;
}

// The satellites observed longest, at most count of them (0: all), in
// ascending number.
std::vector<SimSatellite> LongestObserved(const SimPlan& plan, std::vector<SimSatellite> satellites,
                                          int count) {
  if (count <= 0 || count >= static_cast<int>(satellites.size())) return satellites;
  std::vector<long> visible;
  visible.reserve(satellites.size());
  for (const SimSatellite& satellite : satellites)
    visible.push_back(VisibleEpochs(plan, satellite));
  std::vector<std::size_t> order(satellites.size());
  for (std::size_t i = 0; i < order.size(); i++) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return visible[a] > visible[b]; });
  order.resize(static_cast<std::size_t>(count));
  std::sort(order.begin(), order.end());
  std::vector<SimSatellite> kept;
  kept.reserve(order.size());
  for (std::size_t i : order) kept.push_back(satellites[i]);
  return kept;
}

void AddSystem(SimPlan& plan, const SimConfig& config, SimSystem system) {
  if (config.systems.find(SystemLetter(system)) == std::string::npos) return;
  const std::vector<SimSatellite> satellites =
      LongestObserved(plan, SimConstellation(system, config.seed), config.satellitesPerSystem);
  for (const SimSatellite& satellite : satellites)
    plan.tracks.push_back(MakeTrack(satellite, config.seed));
}

// The slip goes to the highest satellite that is seen at the slip epoch and at
// the epoch before, GPS first.
void PlaceSlip(SimPlan& plan, double slipTime) {
  double highest = -1.0;
  for (const SimTrack& track : plan.tracks) {
    const SimLook now = LookAt(track.satellite, slipTime);
    const SimLook before = LookAt(track.satellite, slipTime - plan.interval);
    if (!IsVisible(now) || !IsVisible(before) || now.pass != before.pass) continue;
    const double rank = now.elevation + (track.satellite.system == SimSystem::GPS ? 10.0 : 0.0);
    if (rank <= highest) continue;
    highest = rank;
    plan.scene.slipSatellite = track.satellite.number;
    plan.scene.slipPass = now.pass;
    plan.scene.slipTime = slipTime;
  }
}

// The satellites above the elevation mask at time t.
void FindVisible(SimPlan& plan, double t, std::vector<SimTrack*>& visible,
                 std::vector<SimLook>& looks) {
  visible.clear();
  looks.clear();
  for (SimTrack& track : plan.tracks) {
    const SimLook look = LookAt(track.satellite, t);
    if (!IsVisible(look)) continue;
    visible.push_back(&track);
    looks.push_back(look);
  }
}

void AppendSdEpochLine(std::string& text, const SimPlan& plan, double t, int satellites) {
  const double day = std::floor(t / kSecondsPerDay);
  const double baseClock = BaseClock(plan.scene, t);
  const double roverClock = baseClock + CodeClockDifference(plan.scene, t);
  AppendEpochLine(text, satellites, plan.firstMjd + static_cast<long>(day),
                  t - day * kSecondsPerDay, 0.0, baseClock * 1e6, roverClock * 1e6);
}

}  // namespace

SimPlan MakePlan(const SimConfig& config) {
  SimPlan plan;
  plan.firstMjd = CivilToMjd(config.start.year, config.start.month, config.start.day);
  plan.firstSecond = config.start.hour * 3600.0 + config.start.minute * 60.0 + config.start.second;
  plan.interval = config.interval;
  plan.epochs = static_cast<long>(std::floor(config.duration / config.interval + 1e-9)) + 1;
  plan.types = config.types;
  plan.scene = DrawScene(config.seed);
  plan.scene.missingRate = config.missingRate;
  AddSystem(plan, config, SimSystem::GPS);
  AddSystem(plan, config, SimSystem::GLONASS);
  AddSystem(plan, config, SimSystem::Galileo);
  if (config.jumpAt >= 0.0) {
    plan.scene.hasJump = true;
    plan.scene.jumpTime = EpochAtOrAfter(plan, config.jumpAt);
  }
  if (config.slipAt >= 0.0) PlaceSlip(plan, EpochAtOrAfter(plan, config.slipAt));
  return plan;
}

void WriteRun(SimPlan& plan, std::ostream* sd, const SimRinexOutputs& rinex) {
  std::unique_ptr<SimBlockOut> sdOut;
  if (sd != nullptr) {
    sdOut = std::make_unique<SimBlockOut>(*sd);
    AppendHeader(sdOut->text, plan.scene, plan.types);
  }
  std::unique_ptr<SimReceivers> receivers;
  if (rinex.base != nullptr) receivers = std::make_unique<SimReceivers>(plan, rinex);
  std::vector<SimTrack*> visible;
  std::vector<SimLook> looks;
  std::vector<double> values;
  for (long epoch = 0; epoch < plan.epochs; epoch++) {
    const double t = EpochTime(plan, epoch);
    FindVisible(plan, t, visible, looks);
    if (sdOut) AppendSdEpochLine(sdOut->text, plan, t, static_cast<int>(visible.size()));
    if (receivers) receivers->StartEpoch(t);
    for (std::size_t i = 0; i < visible.size(); i++) {
      Observe(plan.scene, *visible[i], looks[i], t, plan.types, values);
      if (sdOut) AppendSatelliteLine(sdOut->text, visible[i]->satellite.number, values);
      if (receivers) receivers->AddSatellite(*visible[i], looks[i], t, values);
    }
    if (receivers) receivers->EndEpoch();
    if (sdOut) sdOut->FlushIfFull();
  }
  if (sdOut) sdOut->Flush();
  if (receivers) receivers->Finish();
}

void WriteSingleDifferences(SimPlan& plan, std::ostream& out) {
  WriteRun(plan, &out, SimRinexOutputs());
}

std::string ChannelFileText(const SimPlan& plan) {
  std::vector<SimSatellite> glonass;
  for (const SimTrack& track : plan.tracks)
    if (track.satellite.system == SimSystem::GLONASS) glonass.push_back(track.satellite);
  std::string text;
  AppendChannelFile(text, glonass, plan.firstMjd);
  return text;
}
