// Settings of the simulator and their command line.
#include "tools/SimConfig.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <iostream>

#include "GNSS/PhsDiffHeader.h"
#include "tools/SimSignals.h"

namespace {

const char kDefaultTypes[] = "C1:P1:P2:L1:L2:C2:S1:S2:D1:D2:C5:L5:C7:L7";

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << "sdsim: " << message << "\n(sdsim --help lists the options)\n";
  std::exit(2);
}

double ParseNumber(const std::string& option, const std::string& text) {
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || errno != 0 || !std::isfinite(value))
    Fail(option + ": not a number: \"" + text + "\"");
  return value;
}

double ParsePositive(const std::string& option, const std::string& text) {
  const double value = ParseNumber(option, text);
  if (value <= 0.0) Fail(option + ": must be above 0: \"" + text + "\"");
  return value;
}

std::uint64_t ParseWhole(const std::string& option, const std::string& text) {
  char* end = nullptr;
  errno = 0;
  const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
  if (text.empty() || text[0] == '-' || *end != '\0' || errno != 0)
    Fail(option + ": not a whole number: \"" + text + "\"");
  return value;
}

int ParseCount(const std::string& option, const std::string& text, int least, int most) {
  const std::uint64_t value = ParseWhole(option, text);
  if (value < static_cast<std::uint64_t>(least) || value > static_cast<std::uint64_t>(most))
    Fail(option + ": from " + std::to_string(least) + " to " + std::to_string(most) + ": \"" +
         text + "\"");
  return static_cast<int>(value);
}

std::vector<int> ParseTypes(const std::string& text) {
  std::vector<int> types;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t colon = std::min(text.find(':', from), text.size());
    const std::string name = text.substr(from, colon - from);
    const int code = PhsDiffHeader::TypeCode(name);
    if (code < 0) Fail("--types: unknown observation type \"" + name + "\"");
    types.push_back(code);
    from = colon + 1;
  }
  // Each type takes 17 characters of a satellite line of at most 1022.
  if (types.size() > 59) Fail("--types: at most 59 types fit on a line");
  return types;
}

std::string ParseSystems(const std::string& text) {
  if (text.empty() || text.find_first_not_of("GRE") != std::string::npos)
    Fail("--systems: letters G, R and E only: \"" + text + "\"");
  return text;
}

void ApplyOption(SimConfig& config, const std::string& option, const std::string& value) {
  if (option == "--sd")
    config.sdFile = value;
  else if (option == "--channels")
    config.channelFile = value;
  else if (option == "--base-rinex")
    config.baseRinexFile = value;
  else if (option == "--rover-rinex")
    config.roverRinexFile = value;
  else if (option == "--start") {
    if (!ParseCivil(value, config.start))
      Fail("--start: expected YYYY-MM-DD/HH:MM:SS: \"" + value + "\"");
  } else if (option == "--duration") {
    config.duration = ParseNumber(option, value);
    if (config.duration < 0.0) Fail("--duration: must not be negative");
  } else if (option == "--interval")
    config.interval = ParsePositive(option, value);
  else if (option == "--systems")
    config.systems = ParseSystems(value);
  else if (option == "--sats")
    config.satellitesPerSystem =
        static_cast<int>(std::min<std::uint64_t>(ParseWhole(option, value), 99));
  else if (option == "--seed")
    config.seed = ParseWhole(option, value);
  else if (option == "--jump-at")
    config.jumpAt = ParseNumber(option, value);
  else if (option == "--slip-at")
    config.slipAt = ParseNumber(option, value);
  else if (option == "--missing") {
    config.missingRate = ParseNumber(option, value);
    if (config.missingRate < 0.0 || config.missingRate > 1.0)
      Fail("--missing: a share from 0 to 1");
  } else if (option == "--types")
    config.types = ParseTypes(value);
  else if (option == "--network")
    config.networkStations = ParseCount(option, value, 2, 999);
  else if (option == "--network-folder")
    config.networkFolder = value;
  else if (option == "--days")
    config.networkDays = ParseCount(option, value, 1, 366);
  else if (option == "--spacing")
    config.networkSpacing = ParsePositive(option, value);
  else
    Fail("unknown option " + option);
}

// The options without a value.
bool SetSwitch(SimConfig& config, const std::string& option) {
  bool* flag = option == "--compact"         ? &config.compactRinex
               : option == "--clock-offsets" ? &config.rinexClockOffsets
               : option == "--long-names"    ? &config.longNames
               : option == "--gzip"          ? &config.gzip
                                             : nullptr;
  if (flag != nullptr) *flag = true;
  return flag != nullptr;
}

}  // namespace

SimConfig DefaultSimConfig() {
  SimConfig config;
  config.types = ParseTypes(kDefaultTypes);
  return config;
}

SimConfig ParseSimArgs(int argc, const char* const* argv) {
  SimConfig config = DefaultSimConfig();
  bool jumpGiven = false, slipGiven = false, sdGiven = false;
  for (int i = 1; i < argc; i++) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      PrintSimUsage(std::cout);
      std::exit(0);
    }
    if (SetSwitch(config, option)) continue;
    if (i + 1 >= argc) Fail("option " + option + " needs a value");
    ApplyOption(config, option, argv[++i]);
    jumpGiven = jumpGiven || option == "--jump-at";
    slipGiven = slipGiven || option == "--slip-at";
    sdGiven = sdGiven || option == "--sd";
  }
  if (config.baseRinexFile.empty() != config.roverRinexFile.empty())
    Fail("--base-rinex and --rover-rinex go together");
  if (!jumpGiven) config.jumpAt = 0.4 * config.duration;
  if (!slipGiven) config.slipAt = 0.6 * config.duration;
  if (!sdGiven && (!config.baseRinexFile.empty() || config.networkStations > 0))
    config.sdFile.clear();
  return config;
}

void PrintSimUsage(std::ostream& out) {
  out << "sdsim: writes a simulated single-difference file, a GLONASS channel file and\n"
         "the RINEX observation files of the base and the rover behind them\n"
         "\n"
         "  --sd FILE           single-difference file to write, - for standard output\n"
         "                      (sim.sd; none when only RINEX files are asked for)\n"
         "  --channels FILE     GLONASS frequency-channel file to write (none)\n"
         "  --base-rinex FILE   RINEX 3.04 observation files of the base and the rover\n"
         "  --rover-rinex FILE  (none; both or neither): the rover's values minus the\n"
         "                      base's are the single differences\n"
         "  --compact           those files in compact RINEX 3.0 (Hatanaka)\n"
         "  --clock-offsets     their epoch lines give the receiver clock offsets\n"
         "  --start DATE        first epoch, YYYY-MM-DD/HH:MM:SS (2024-06-24/08:00:00)\n"
         "  --duration SECONDS  time from the first to the last epoch (3600)\n"
         "  --interval SECONDS  time between epochs (30)\n"
         "  --systems LETTERS   constellations, any of G, R, E (GRE)\n"
         "  --sats N            keep the N longest-observed satellites per constellation (all)\n"
         "  --types LIST        observation types, e.g. C1:P2:L1:L2\n"
         "                      ("
      << kDefaultTypes
      << ")\n"
         "  --seed N            seed of every random draw (1)\n"
         "  --jump-at SECONDS   millisecond clock jump on all codes from this time after the\n"
         "                      first epoch on; negative: none (40 % of the duration)\n"
         "  --slip-at SECONDS   cycle slip on one satellite; negative: none (60 % of the "
         "duration)\n"
         "  --missing SHARE     share of values written as missing (0.002)\n"
         "\n"
         "A network instead of a pair: stations on a grid sharing one sky, one RINEX\n"
         "file per station and day, named as archives name them:\n"
         "  --network N         this many stations, n000 to n(N-1) (2 to 999)\n"
         "  --network-folder DIR  where their files go (.)\n"
         "  --days N            days from the date of --start, each over --duration\n"
         "                      from its time of day (1)\n"
         "  --spacing METRES    east-west distance of grid neighbours; north-south 1.25\n"
         "                      times it (10000)\n"
         "  --long-names        NNNN00SIM_R_YYYYDDD0000_01D_30S_MO.rnx instead of\n"
         "                      nnnnddd0.yyo (.crx and .yyd with --compact)\n"
         "  --gzip              the files gzip-compressed (.gz)\n";
}
