// The converter's report on standard error.
#include "rinex/SdReport.h"

#include <iostream>
#include <string>

#include "GNSS/SatNumber.h"
#include "GNSS/SatelliteName.h"
#include "rinex/ConverterError.h"
#include "rinex/RinexTime.h"

namespace {

// "base 3, rover 0" when either count is not 0; empty otherwise.
std::string BothCounts(long base, long rover) {
  if (base == 0 && rover == 0) return "";
  return "base " + std::to_string(base) + ", rover " + std::to_string(rover);
}

std::string SkippedSystems(const ObsReadCounts& counts) {
  std::string text;
  for (int letter = 0; letter < 26; letter++)
    if (counts.skippedRecords[letter] > 0)
      text += (text.empty() ? "" : ", ") + std::string(1, static_cast<char>('A' + letter)) + " " +
              std::to_string(counts.skippedRecords[letter]);
  return text.empty() ? "none" : text;
}

std::string ZeroDifferences(const EpochDifferencer& d) {
  std::string text;
  for (short type = 0; type < PhsDiffHeader::NTYPES; type++)
    if (d.zeroDifferences[type] > 0)
      text += (text.empty() ? "" : ", ") + std::string(PhsDiffHeader::TypeName(type)) + " " +
              std::to_string(d.zeroDifferences[type]);
  return text;
}

// The written types without a single value: a column of the file that holds
// nothing.
std::string EmptyColumns(const TypeMap& map, const EpochDifferencer& d) {
  std::string text;
  for (const short type : map.Written())
    if (d.valuesOf[type] == 0)
      text += (text.empty() ? "" : " ") + std::string(PhsDiffHeader::TypeName(type));
  return text;
}

std::string LossOfLock(const EpochDifferencer& d) {
  std::string text;
  for (int sat = 0; sat < PhsDiffData::NSATNUMBERS; sat++)
    if (d.lliBase[sat] > 0 || d.lliRover[sat] > 0)
      text += (text.empty() ? "" : ", ") + SatName(sat) + " " + std::to_string(d.lliBase[sat]) +
              "/" + std::to_string(d.lliRover[sat]);
  return text;
}

// An input as the user gave it, with the count of its later pieces.
std::string InputText(const std::string& first, const std::vector<std::string>& later) {
  if (later.empty()) return first;
  return first + " and " + std::to_string(later.size()) +
         (later.size() == 1 ? " later piece" : " later pieces");
}

void Line(const std::string& what, const std::string& value) {
  if (!value.empty()) std::cerr << "  " << what << ": " << value << '\n';
}

void WarnMissingChannels(const EpochDifferencer& d, const GlonassChannels& channels) {
  std::string missing;
  for (const int slot : d.GlonassSlotsWritten())
    if (!channels.Has(slot)) missing += " " + SatName(GlonassSatNumber(slot));
  if (!missing.empty())
    ConverterWarning("no frequency channel is known for the GLONASS satellites" + missing);
}

// The letters of the systems with satellite lines in the file.
std::string SystemsWritten(const EpochDifferencer& d) {
  std::string systems;
  for (int sat = 0; sat < PhsDiffData::NSATNUMBERS; sat++)
    if (d.linesOf[sat] > 0 && systems.find(SatLetter(static_cast<short>(sat))) == std::string::npos)
      systems += SatLetter(static_cast<short>(sat));
  return systems;
}

}  // namespace

void ReportConversion(const SdOptions& options, const TypeMap& map, const ObsReadCounts& base,
                      const ObsReadCounts& rover, const PairingCounts& pairing,
                      const EpochDifferencer& differences, const GlonassChannels* channels) {
  std::string types;
  for (const short type : map.Written()) types += std::string(" ") + PhsDiffHeader::TypeName(type);
  std::cerr << kConverterName << ": " << options.output << ": " << pairing.written
            << " epochs from " << TicksText(pairing.firstWritten) << " to "
            << TicksText(pairing.lastWritten) << ", " << differences.satelliteLines
            << " satellite lines, rover minus base\n";
  Line("types", types.substr(1));
  if (options.verbose)
    for (const std::string& pair : map.Pairs(SystemsWritten(differences))) Line("codes", pair);
  Line("base " + InputText(options.base, options.basePieces),
       std::to_string(base.epochs) + " epochs, " + std::to_string(pairing.baseOnly) +
           " without a rover epoch; systems not converted: " + SkippedSystems(base));
  Line("rover " + InputText(options.rover, options.roverPieces),
       std::to_string(rover.epochs) + " epochs, " + std::to_string(pairing.roverOnly) +
           " without a base epoch; systems not converted: " + SkippedSystems(rover));
  if (pairing.common > pairing.written)
    Line("common epochs without a satellite written",
         std::to_string(pairing.common - pairing.written));
  Line("power failures (event flag 1)", BothCounts(base.powerFailures, rover.powerFailures));
  Line("event records passed over (flags 2 to 5)",
       BothCounts(base.eventRecords, rover.eventRecords));
  Line("cycle-slip records passed over (flag 6)",
       BothCounts(base.cycleSlipRecords, rover.cycleSlipRecords));
  if (differences.emptySatellites > 0)
    Line("satellites of both epochs without a common value",
         std::to_string(differences.emptySatellites));
  Line("exact zero differences, written as missing", ZeroDifferences(differences));
  Line("columns without any value", EmptyColumns(map, differences));
  if (differences.roundedDifferences > 0)
    Line("differences rounded to thousandths after the files' SYS / SCALE FACTOR",
         std::to_string(differences.roundedDifferences));
  Line("loss-of-lock indicators on written values (base/rover)", LossOfLock(differences));
  const bool glonassWritten = !differences.GlonassSlotsWritten().empty();
  if (channels != nullptr && glonassWritten) {
    Line("GLONASS channels", std::to_string(channels->Count()) + " slots in " + options.channels);
    WarnMissingChannels(differences, *channels);
  } else if (channels != nullptr) {
    Line("GLONASS channels",
         "no GLONASS satellite was written, so " + options.channels + " was not written");
  } else if (glonassWritten) {
    Line("GLONASS", "the listing needs their frequency channels: give -g CHANNELS.txt");
  }
}
