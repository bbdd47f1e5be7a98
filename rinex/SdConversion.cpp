// The conversion: headers, type choice, epoch pairing, differences, outputs.
#include "rinex/SdConversion.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "GNSS/SdWriter.h"
#include "rinex/ConverterError.h"
#include "rinex/EpochDifferencer.h"
#include "rinex/GlonassChannels.h"
#include "rinex/ObsReader.h"
#include "rinex/OutputFile.h"
#include "rinex/PhaseAlignment.h"
#include "rinex/PieceInput.h"
#include "rinex/RinexTime.h"
#include "rinex/SdReport.h"
#include "rinex/TextInput.h"

namespace {

// One input file with its header and reader.
struct Station {
  ObsHeader head;  // before the input, which fills it
  std::unique_ptr<TextInput> in;
  std::unique_ptr<ObsReader> reader;
  ObsEpoch epoch;
  int64_t previous = INT64_MIN;  // time tag of the epoch before the current one
  int64_t first = INT64_MIN;     // time tag of the file's first epoch
  bool more = false;             // the current epoch is valid

  Station(const std::vector<std::string>& pieces, const std::string& systems)
      : in(OpenObservationPieces(pieces, head)) {
    reader = std::make_unique<ObsReader>(*in, head, systems);
  }

  // Reads the next epoch; epochs closer than twice the tolerance could pair
  // with the same epoch of the other file, so they are refused.
  void Advance(int64_t tolerance) {
    if (more) previous = epoch.ticks;
    more = reader->Next(epoch);
    if (more && first == INT64_MIN) first = epoch.ticks;
    if (more && previous != INT64_MIN && epoch.ticks - previous <= 2 * tolerance)
      throw InputFailure(in->name, epoch.lineNo,
                         "the epoch follows the one before it within twice the pairing "
                         "tolerance; give a smaller --tolerance");
  }
};

// Whether two paths name one file (the second need not exist).
bool SameFile(const std::string& a, const std::string& b) {
  struct stat first, second;
  if (stat(a.c_str(), &first) != 0 || stat(b.c_str(), &second) != 0) return a == b;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// An output must not replace an input, nor another output.
void CheckOutputs(const SdOptions& options) {
  std::vector<std::string> inputs = PieceFiles(options.base, options.basePieces);
  inputs.insert(inputs.end(), options.roverPieces.begin(), options.roverPieces.end());
  inputs.push_back(options.rover);
  inputs.insert(inputs.end(), options.navigation.begin(), options.navigation.end());
  std::vector<std::string> outputs;
  for (const std::string* path : {&options.output, &options.channels, &options.lliList}) {
    if (path->empty()) continue;
    for (const std::string& input : inputs)
      if (SameFile(*path, input)) FileError(*path, "is an input file; the output would replace it");
    for (const std::string& earlier : outputs)
      if (SameFile(*path, earlier)) FileError(*path, "is named for two outputs");
    outputs.push_back(*path);
  }
}

void CopyText(char* field, size_t size, const std::string& text) {
  std::strncpy(field, text.c_str(), size - 1);
  field[size - 1] = '\0';
}

void DescribeStation(PhsDiffHeader& sd, int index, const ObsHeader& head) {
  CopyText(sd.mname[index], sizeof sd.mname[index], head.markerName);
  CopyText(sd.mnumber[index], sizeof sd.mnumber[index], head.markerNumber);
  CopyText(sd.rectype[index], sizeof sd.rectype[index], head.receiverType);
  CopyText(sd.anttype[index], sizeof sd.anttype[index], head.antennaType);
  CopyText(sd.antserial[index], sizeof sd.antserial[index], head.antennaSerial);
  sd.X0(index) = xyz(head.position[0], head.position[1], head.position[2]);
  // RINEX gives height, east, north; the file holds north, east, up.
  sd.Dp(index) = neu(head.deltaHEN[2], head.deltaHEN[1], head.deltaHEN[0]);
}

void WriteHeader(SdWriter& writer, const ObsHeader& base, const ObsHeader& rover,
                 const TypeMap& map) {
  PhsDiffHeader sd;
  DescribeStation(sd, PhsDiffHeader::BASE, base);
  DescribeStation(sd, PhsDiffHeader::ROVER, rover);
  sd.nobs = static_cast<short>(map.Written().size());
  sd.obs.Resize(sd.nobs, 1);
  for (short k = 0; k < sd.nobs; k++) sd.obs(k) = map.Written()[k];
  sd.diffLevel = 1;
  sd.HasObservations = true;
  writer.Header(sd, true);
}

class Conversion {
 public:
  explicit Conversion(const SdOptions& options)
      : options_(options),
        tolerance_(std::llround(options.tolerance * kTicksPerSecond)),
        base_(PieceFiles(options.base, options.basePieces), options.systems),
        rover_(PieceFiles(options.rover, options.roverPieces), options.systems),
        map_(base_.head, rover_.head, options.systems, options.priorities, options.types) {}

  void Run();

 private:
  const SdOptions& options_;
  const int64_t tolerance_;
  Station base_;
  Station rover_;
  TypeMap map_;
  GlonassChannels channels_;
  PairingCounts pairing_;

  void CheckCompatible();
  void SuggestGlonassCivilP2();
  void PairEpochs(EpochDifferencer& differencer);
  [[noreturn]] void NoCommonEpochs();
  [[noreturn]] void NothingToWrite(const EpochDifferencer& differencer);
  void GatherChannels();
  void WriteChannels(std::unique_ptr<OutputFile>& glonass, const EpochDifferencer& differencer);
};

void Conversion::CheckCompatible() {
  if (base_.head.timeSystem != rover_.head.timeSystem)
    ConverterError("the files use different time systems: " + options_.base + " " +
                   base_.head.timeSystem + ", " + options_.rover + " " + rover_.head.timeSystem);
  if (map_.Written().empty())
    ConverterError("the files have no common observation type in the systems " + options_.systems);
  for (const std::string& shifted : map_.ShiftedPhases())
    ConverterWarning(shifted +
                     ": the rover's phase is shifted against the base's by tracking that the files "
                     "do not align (rover minus base)");
  if (map_.Converts(SystemIndex('R'))) {
    for (const std::string& bias : GlonassBiasDifferences(base_.head, rover_.head))
      ConverterWarning("GLONASS COD/PHS/BIS differ: " + bias +
                       "; the difference reaches GLONASS code-minus-phase values");
    SuggestGlonassCivilP2();
  }
  for (const short type : options_.types)
    if (std::find(map_.Written().begin(), map_.Written().end(), type) == map_.Written().end())
      ConverterWarning(std::string("--types: ") + PhsDiffHeader::TypeName(type) +
                       " is not written, the files have no common code for it");
}

bool HasCode(const ObsHeader& head, char system, const ObsCode& code) {
  const std::vector<ObsCode>& codes = head.Types(system);
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// Many receivers track GLONASS L2 on the civil code alone: P2 then stays
// empty for GLONASS, and with it every combination of P2.
void Conversion::SuggestGlonassCivilP2() {
  const int glonass = SystemIndex('R');
  const std::vector<short>& written = map_.Written();
  const auto p2 = std::find(written.begin(), written.end(), PhsDiffHeader::P2);
  const bool wanted = options_.types.empty() ||
                      std::find(options_.types.begin(), options_.types.end(), PhsDiffHeader::P2) !=
                          options_.types.end();
  if (!wanted || base_.head.IsRinex2() || rover_.head.IsRinex2()) return;
  if (p2 != written.end() &&
      map_.Source(glonass, static_cast<size_t>(p2 - written.begin())).Written())
    return;
  for (const AttributePriority& p : options_.priorities)
    if (p.system == 'R' && p.type == PhsDiffHeader::P2) return;
  const ObsCode civil = {'C', '2', 'C'};
  if (!HasCode(base_.head, 'R', civil) || !HasCode(rover_.head, 'R', civil)) return;
  ConverterWarning(
      "R P2: the files carry no common GLONASS P code on L2 (C2P), so P2 stays empty for "
      "GLONASS; --priority R:P2:PC fills it from C2P where both files carry it and else from "
      "the civil C2C (GLONASS P2 then holds a C/A code)");
}

void Conversion::PairEpochs(EpochDifferencer& differencer) {
  base_.Advance(tolerance_);
  rover_.Advance(tolerance_);
  while (base_.more && rover_.more) {
    const int64_t dt = rover_.epoch.ticks - base_.epoch.ticks;
    if (dt < -tolerance_) {
      pairing_.roverOnly++;
      rover_.Advance(tolerance_);
      continue;
    }
    if (dt > tolerance_) {
      pairing_.baseOnly++;
      base_.Advance(tolerance_);
      continue;
    }
    pairing_.common++;
    if (differencer.Write(base_.epoch, rover_.epoch)) {
      if (pairing_.written++ == 0) pairing_.firstWritten = rover_.epoch.ticks;
      pairing_.lastWritten = rover_.epoch.ticks;
    }
    base_.Advance(tolerance_);
    rover_.Advance(tolerance_);
  }
  for (; base_.more; base_.Advance(tolerance_)) pairing_.baseOnly++;
  for (; rover_.more; rover_.Advance(tolerance_)) pairing_.roverOnly++;
  if (pairing_.common == 0) NoCommonEpochs();
  if (pairing_.written == 0) NothingToWrite(differencer);
}

// Common epochs without a value to write: no common observation, or only
// differences of exactly zero (the same receiver's file twice).
void Conversion::NothingToWrite(const EpochDifferencer& differencer) {
  long zeros = 0;
  for (const long count : differencer.zeroDifferences) zeros += count;
  std::string what = "the " + std::to_string(pairing_.common) +
                     " common epochs have no satellite with a common "
                     "observation";
  if (zeros > 0)
    what +=
        " other than " + std::to_string(zeros) + " exact zero differences (the same file twice?)";
  ConverterError(what);
}

// Says when each file runs: epochs of different days or files swapped by
// mistake show at once.
void Conversion::NoCommonEpochs() {
  std::string spans;
  for (const Station* station : {&base_, &rover_}) {
    spans += "; " + station->in->name + ": ";
    spans += station->first == INT64_MIN
                 ? std::string("no epochs")
                 : TicksText(station->first) + " to " + TicksText(station->previous);
  }
  char tolerance[32];
  std::snprintf(tolerance, sizeof tolerance, "%g", options_.tolerance);
  ConverterError(std::string("the files have no common epochs (time tags within ") + tolerance +
                 " s)" + spans);
}

void Conversion::GatherChannels() {
  channels_.AddHeader(rover_.head, options_.rover);
  channels_.AddHeader(base_.head, options_.base);
  for (const std::string& path : options_.navigation) channels_.ReadNavigation(path);
}

// The channel file, when one was asked for: none when no GLONASS satellite
// was written, and an error when none of those written has a known channel.
void Conversion::WriteChannels(std::unique_ptr<OutputFile>& glonass,
                               const EpochDifferencer& differencer) {
  const std::vector<int> slots = differencer.GlonassSlotsWritten();
  if (slots.empty()) {
    glonass.reset();
    return;
  }
  if (std::none_of(slots.begin(), slots.end(), [this](int slot) { return channels_.Has(slot); }))
    FileError(options_.channels,
              "no frequency channel is known for the GLONASS satellites written (neither the "
              "observation headers nor a navigation file give one); give a GLONASS navigation "
              "file of those days with -n NAV");
  channels_.Write(glonass->Stream(), pairing_.firstWritten);
}

// Every output is complete and checked before the first takes its name.
void Conversion::Run() {
  CheckOutputs(options_);
  CheckCompatible();
  if (!options_.channels.empty()) GatherChannels();
  OutputFile sd(options_.output);
  std::unique_ptr<OutputFile> lli;
  if (!options_.lliList.empty()) {
    lli = std::make_unique<OutputFile>(options_.lliList);
    lli->Stream() << "# satellite, epoch (the rover's tag: date and time, MJD and second of day), "
                     "type, station, "
                     "indicator\n";
  }
  std::unique_ptr<OutputFile> glonass;
  if (!options_.channels.empty()) glonass = std::make_unique<OutputFile>(options_.channels);
  SdWriter writer(sd.Stream());
  WriteHeader(writer, base_.head, rover_.head, map_);
  EpochDifferencer differencer(map_, writer, lli ? &lli->Stream() : nullptr);
  PairEpochs(differencer);
  writer.Finish();
  if (glonass) WriteChannels(glonass, differencer);
  PublishTogether({&sd, lli.get(), glonass.get()});
  ReportConversion(options_, map_, base_.reader->Counts(), rover_.reader->Counts(), pairing_,
                   differencer, options_.channels.empty() ? nullptr : &channels_);
}

}  // namespace

void ConvertToSd(const SdOptions& options) { Conversion(options).Run(); }
