// The report's command line, read with getopt_long.
#include "report/ReportOptions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "PROGINC/CommandLine.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"

const char* const kReportUsage =
    "usage: Quintavelmor-report [LISTING|-] [OUTPUTS] [SCREENING]\n"
    "       Quintavelmor-report SDFILE [--channels FILE] [--columns LIST] [OUTPUTS] [SCREENING]\n"
    "       Quintavelmor-report --help | --version\n"
    "  LISTING     a listing as Quintavelmor writes it (standard input when absent or -)\n"
    "  SDFILE      a single-difference file, known by its first line; the report forms\n"
    "              its columns itself, at full precision\n"
    "  --channels FILE  the GLONASS frequency-channel file (without it GLONASS is left out)\n"
    "  --columns LIST   the columns to form, as Quintavelmor's -l names them (\"L4:MWp\");\n"
    "              by default per system L4, MW[P] or MW[C], MP1[P] or MP1[C], MP2, C1-L1\n"
    "outputs:\n"
    "  --stats     statistics table on standard output (the default when no other\n"
    "              output is asked for)\n"
    "  --csv FILE  one CSV row per satellite and epoch (- for standard output)\n"
    "  --html DIR  DIR/index.html with the statistics and plots of the columns\n"
    "  --raw-plots the page plots the raw columns (C1, L1, D1, ...) as well\n"
    "  --summary FILE  the headline figures per system and satellite as JSON\n"
    "geometry (elevation and azimuth at the base of a single-difference file):\n"
    "  --nav FILE  a RINEX 2, 3 or 4 navigation file, plain or compressed (repeatable)\n"
    "  --sp3 FILE  an SP3-c or SP3-d precise orbit file (repeatable)\n"
    "  --elevation-mask DEG  lower values take no part in statistics and screening\n"
    "  --help      this text\n"
    "  --version   the version number\n"
    "slips and outliers in L4 and MW (see the manual page):\n"
    "  --l4-slip METRES      L4 threshold's floor (default 0.05)\n"
    "  --l4-drift METRES/S   L4 threshold's growth per second of a step (default 0.0005)\n"
    "  --mw-slip METRES      MW threshold's floor (default 1.0)\n"
    "  --max-gap SECONDS     longer gaps start a new pass, unjudged (default 600)\n"
    "  --min-arc VALUES      shorter multipath arcs give no RMS (default 10)\n";

namespace {

[[noreturn]] void Fatal(const std::string& message) {
  ProgramError(kReportProgramName, message.c_str());
}

[[noreturn]] void UnknownArgument(const std::string& element) {
  std::fputs(kReportUsage, stderr);
  Fatal("UNKNOWN ARGUMENT: " + element);
}

// The value of a screening option: a number; zero only where `zeroAllowed`.
double ScreeningValue(const std::string& option, const std::string& text, bool zeroAllowed) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || *end != '\0' || !std::isfinite(value) || value < 0 ||
      (value == 0 && !zeroAllowed))
    Fatal(option + " NEEDS A " + (zeroAllowed ? "NON-NEGATIVE" : "POSITIVE") + " NUMBER, NOT \"" +
          text + "\"");
  return value;
}

enum Code {
  HELP = 'h',
  VERSION = 256,
  STATS,
  CSV,
  HTML,
  SUMMARY,
  RAW_PLOTS,
  CHANNELS,
  COLUMNS,
  L4_SLIP,
  L4_DRIFT,
  MW_SLIP,
  MAX_GAP,
  MIN_ARC,
  NAV,
  SP3,
  ELEVATION_MASK
};

const option kLongOptions[] = {{"help", no_argument, nullptr, HELP},
                               {"version", no_argument, nullptr, VERSION},
                               {"stats", no_argument, nullptr, STATS},
                               {"csv", required_argument, nullptr, CSV},
                               {"html", required_argument, nullptr, HTML},
                               {"summary", required_argument, nullptr, SUMMARY},
                               {"raw-plots", no_argument, nullptr, RAW_PLOTS},
                               {"channels", required_argument, nullptr, CHANNELS},
                               {"columns", required_argument, nullptr, COLUMNS},
                               {"l4-slip", required_argument, nullptr, L4_SLIP},
                               {"l4-drift", required_argument, nullptr, L4_DRIFT},
                               {"mw-slip", required_argument, nullptr, MW_SLIP},
                               {"max-gap", required_argument, nullptr, MAX_GAP},
                               {"min-arc", required_argument, nullptr, MIN_ARC},
                               {"nav", required_argument, nullptr, NAV},
                               {"sp3", required_argument, nullptr, SP3},
                               {"elevation-mask", required_argument, nullptr, ELEVATION_MASK},
                               {nullptr, 0, nullptr, 0}};

// The screening setting of option `code`, or null when it is none.
double* ScreeningSetting(int code, SlipSettings& slips) {
  switch (code) {
    case L4_SLIP:
      return &slips.l4Metres;
    case L4_DRIFT:
      return &slips.l4DriftMetresPerSecond;
    case MW_SLIP:
      return &slips.mwMetres;
    case MAX_GAP:
      return &slips.maxGapSeconds;
    case MIN_ARC:
      return &slips.minArcValues;
    default:
      return nullptr;
  }
}

std::string LongName(int code) {
  for (const option* o = kLongOptions; o->name != nullptr; o++)
    if (o->val == code) return std::string("--") + o->name;
  return "";
}

void ApplyOption(ReportOptions& options, const CommandWord& word) {
  if (double* setting = ScreeningSetting(word.code, options.slips)) {
    *setting = ScreeningValue(LongName(word.code), word.value, word.code == L4_DRIFT);
    return;
  }
  switch (word.code) {
    case HELP:
      options.help = true;
      break;
    case VERSION:
      options.version = true;
      break;
    case STATS:
      options.statistics = true;
      break;
    case CSV:
      options.csvFile = word.value;
      break;
    case SUMMARY:
      options.summaryFile = word.value;
      break;
    case RAW_PLOTS:
      options.rawPlots = true;
      break;
    case CHANNELS:
      options.channelFile = word.value;
      break;
    case COLUMNS:
      options.columns = word.value;
      break;
    case NAV:
      options.navigationFiles.push_back(word.value);
      break;
    case SP3:
      options.preciseFiles.push_back(word.value);
      break;
    case ELEVATION_MASK:
      options.elevationMask = ScreeningValue("--elevation-mask", word.value, true);
      if (options.elevationMask >= 90) Fatal("--elevation-mask NEEDS LESS THAN 90 DEGREES");
      break;
    default:
      options.htmlDirectory = word.value;
  }
}

void ApplyWord(ReportOptions& options, const CommandWord& word) {
  switch (word.kind) {
    case CommandWord::OPTION:
      ApplyOption(options, word);
      return;
    case CommandWord::OPERAND:
      if (options.listingGiven) UnknownArgument(word.element);
      options.listing = word.value;
      options.listingGiven = true;
      return;
    case CommandWord::MISSING_VALUE:
      Fatal(word.element + " NEEDS A VALUE");
    default:
      UnknownArgument(word.element);
  }
}

}  // namespace

ReportOptions ParseReportOptions(int argc, const char* const* argv) {
  ReportOptions options;
  for (const CommandWord& word : ReadCommandLine(argc, argv, "h", kLongOptions))
    ApplyWord(options, word);
  if (options.csvFile.empty() && options.htmlDirectory.empty() && options.summaryFile.empty())
    options.statistics = true;
  if (options.csvFile == "-" && options.statistics)
    Fatal("--csv - AND THE STATISTICS TABLE WOULD BOTH GO TO STANDARD OUTPUT");
  return options;
}
