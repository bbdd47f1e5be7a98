// The base's and the rover's RINEX observation files of a simulated run.
#include "tools/SimReceivers.h"

#include <cmath>

#include "tools/SimBaseReceiver.h"

namespace {

const double kSecondsPerDay = 86400.0;
const double kTicksPerSecond = 1e7;
const double kPicosecondsPerSecond = 1e12;
const char kLostLock = '1';

// RINEX signal-strength indicator: 1 (at most 11 dB-Hz) to 9 (54 and above).
char StrengthIndicator(double dbHz) {
  const long level = std::lround(std::floor(dbHz / 6.0));
  return static_cast<char>('0' + (level < 1 ? 1 : level > 9 ? 9 : level));
}

void AddAbsent(SimRinexEpoch& epoch) {
  epoch.values.push_back(kSimAbsent);
  epoch.flags.append(2, ' ');
}

void AddPresent(SimRinexEpoch& epoch, long long thousandths, char lli, char strength) {
  epoch.values.push_back(thousandths);
  epoch.flags.push_back(lli);
  epoch.flags.push_back(strength);
}

}  // namespace

void SimRinexFile::Header(const std::string& header, long firstMjd) {
  if (compact_) AppendCompactHead(out_.text, firstMjd);
  out_.text.append(header);
}

void SimRinexFile::Epoch(const SimRinexEpoch& epoch) {
  if (compact_)
    encoder_.AppendEpoch(out_.text, epoch);
  else
    AppendRinexEpoch(out_.text, epoch);
  out_.FlushIfFull();
}

SimReceivers::SimReceivers(const SimPlan& plan, const SimRinexOutputs& outputs)
    : plan_(plan),
      columns_(RinexColumns(plan)),
      clockOffsets_(outputs.clockOffsets),
      baseFile_(*outputs.base, outputs.compact),
      roverFile_(*outputs.rover, outputs.compact) {
  std::string header;
  AppendRinexHeader(header, *outputs.baseStation, BasePosition(), plan, columns_);
  baseFile_.Header(header, plan.firstMjd);
  header.clear();
  AppendRinexHeader(header, *outputs.roverStation, RoverPosition(plan.scene), plan, columns_);
  roverFile_.Header(header, plan.firstMjd);
}

void SimReceivers::StartEpoch(double t) {
  const double day = std::floor(t / kSecondsPerDay);
  const long long tick = std::llround((t - day * kSecondsPerDay) * kTicksPerSecond);
  base_.Start(plan_.firstMjd + static_cast<long>(day), tick);
  rover_.Start(plan_.firstMjd + static_cast<long>(day), tick);
  const double baseClock = BaseClock(plan_.scene, t);
  base_.hasClock = rover_.hasClock = clockOffsets_;
  base_.clockPicoseconds = std::llround(baseClock * kPicosecondsPerSecond);
  rover_.clockPicoseconds =
      std::llround((baseClock + CodeClockDifference(plan_.scene, t)) * kPicosecondsPerSecond);
}

void SimReceivers::AddSatellite(SimTrack& track, const SimLook& look, double t,
                                const std::vector<double>& differences) {
  const SimSatellite& satellite = track.satellite;
  const std::vector<std::size_t>& columns = columns_[static_cast<int>(satellite.system)];
  base_.AddRecord(satellite.number, columns.size());
  rover_.AddRecord(satellite.number, columns.size());
  ObserveBase(plan_.scene, track, look, t, plan_.types, baseValues_);
  const SimLook before = LookAt(satellite, t - plan_.interval);
  const bool slipNow = satellite.number == plan_.scene.slipSatellite &&
                       look.pass == plan_.scene.slipPass && t >= plan_.scene.slipTime &&
                       t - plan_.interval < plan_.scene.slipTime;
  for (std::size_t column : columns)
    AddValue(track, look, before, slipNow, plan_.types[column], baseValues_[column],
             differences[column]);
}

// A signal the receivers track goes into both files, unless it is missing
// from the single differences: then the rover lost it.  Phases carry a
// loss of lock where the tracking starts (the satellite rises, or the
// second band is picked up) and in the rover at the cycle slip; codes and
// phases carry the signal strength.
void SimReceivers::AddValue(const SimTrack& track, const SimLook& look, const SimLook& before,
                            bool slipNow, int typeCode, double baseValue, double difference) {
  const SimSatellite& satellite = track.satellite;
  if (!Tracks(satellite, typeCode, look.elevation)) {
    AddAbsent(base_);
    AddAbsent(rover_);
    return;
  }
  const SimType& type = SimTypeOf(typeCode);
  const bool phase = type.kind == SimKind::Phase;
  const bool lockStarts =
      phase && !(IsVisible(before) && Tracks(satellite, typeCode, before.elevation));
  const bool indicated = phase || type.kind == SimKind::Code;
  const double strength = BaseStrength(type.band, look.elevation);
  const char baseStrength = indicated ? StrengthIndicator(strength) : ' ';
  const char roverStrength =
      indicated ? StrengthIndicator(strength + track.bands[type.band].strengthBias) : ' ';
  const long long base = Thousandths(baseValue);
  AddPresent(base_, base, lockStarts ? kLostLock : ' ', baseStrength);
  if (difference == 0.0) {
    AddAbsent(rover_);
    return;
  }
  AddPresent(rover_, base + Thousandths(difference),
             lockStarts || (phase && slipNow) ? kLostLock : ' ', roverStrength);
}

void SimReceivers::EndEpoch() {
  baseFile_.Epoch(base_);
  roverFile_.Epoch(rover_);
}

void SimReceivers::Finish() {
  baseFile_.Finish();
  roverFile_.Finish();
}
