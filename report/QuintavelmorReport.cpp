// Quintavelmor-report: reads a listing written by Quintavelmor, or a
// single-difference file whose columns it forms itself, and writes
// per-satellite statistics, a CSV export and an HTML page of plots.
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "PROGINC/OutputCheck.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "PROGINC/ProgramVersion.h"
#include "report/CsvExport.h"
#include "report/HtmlReport.h"
#include "report/PlotCollector.h"
#include "report/SdInput.h"
#include "report/StatisticsReport.h"
#include "report/SummaryJson.h"

namespace {

const char* const kUsage =
    "usage: Quintavelmor-report [LISTING|-] [--stats] [--csv FILE] [--html DIR] [--summary FILE]\n"
    "                           [SCREENING]\n"
    "       Quintavelmor-report SDFILE [--channels FILE] [--columns LIST] [OUTPUTS] [SCREENING]\n"
    "       Quintavelmor-report --help | --version\n"
    "  LISTING     a listing as Quintavelmor writes it (standard input when absent or -)\n"
    "  SDFILE      a single-difference file, known by its first line; the report forms\n"
    "              its columns itself, at full precision\n"
    "  --channels FILE  the GLONASS frequency-channel file (without it GLONASS is left out)\n"
    "  --columns LIST   the columns to form, as Quintavelmor's -l names them (\"L4:MWp\");\n"
    "              by default per system L4, MW[P] or MW[C], MP1[P] or MP1[C], MP2, C1-L1\n"
    "  --stats     statistics table on standard output (the default when no other\n"
    "              output is asked for)\n"
    "  --csv FILE  one CSV row per satellite and epoch (- for standard output)\n"
    "  --html DIR  DIR/index.html with the statistics and plots of every column\n"
    "  --summary FILE  the headline figures per system and satellite as JSON\n"
    "  --raw-plots the page plots the raw columns (C1, L1, ...) as well\n"
    "  --help      this text\n"
    "  --version   the version number\n"
    "slips and outliers in L4 and MW (see the manual page):\n"
    "  --l4-slip METRES      L4 threshold's floor (default 0.05)\n"
    "  --l4-drift METRES/S   L4 threshold's growth per second of a step (default 0.0005)\n"
    "  --mw-slip METRES      MW threshold's floor (default 1.0)\n"
    "  --max-gap SECONDS     longer gaps start a new pass, unjudged (default 600)\n"
    "  --min-arc VALUES      shorter multipath arcs give no RMS (default 10)\n";

struct Options {
  std::string listing = "-";
  bool listingGiven = false;
  std::string channelFile;
  std::string columns;
  std::string summaryFile;
  std::string csvFile;
  std::string htmlDirectory;
  bool statistics = false;
  bool rawPlots = false;
  bool help = false;
  bool version = false;
  SlipSettings slips;
};

[[noreturn]] void Fatal(const std::string& message) {
  ProgramError(kReportProgramName, message.c_str());
}

// The value of a screening option: a number; zero only where `zeroAllowed`.
double ScreeningValue(const std::string& option, const char* text, bool zeroAllowed) {
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  if (end == text || *end != '\0' || !std::isfinite(value) || value < 0 ||
      (value == 0 && !zeroAllowed))
    Fatal(option + " NEEDS A " + (zeroAllowed ? "NON-NEGATIVE" : "POSITIVE") + " NUMBER, NOT \"" +
          text + "\"");
  return value;
}

// The screening option `word`'s setting, or null when `word` is none.
double* ScreeningSetting(const std::string& word, SlipSettings& slips) {
  if (word == "--l4-slip") return &slips.l4Metres;
  if (word == "--l4-drift") return &slips.l4DriftMetresPerSecond;
  if (word == "--mw-slip") return &slips.mwMetres;
  if (word == "--max-gap") return &slips.maxGapSeconds;
  if (word == "--min-arc") return &slips.minArcValues;
  return nullptr;
}

// The option `word`'s text setting, or null when `word` is none.
std::string* TextSetting(const std::string& word, Options& options) {
  if (word == "--csv") return &options.csvFile;
  if (word == "--html") return &options.htmlDirectory;
  if (word == "--channels") return &options.channelFile;
  if (word == "--columns") return &options.columns;
  if (word == "--summary") return &options.summaryFile;
  return nullptr;
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; i++) {
    const std::string word = argv[i];
    if (word == "--help" || word == "-h") {
      options.help = true;
    } else if (word == "--version") {
      options.version = true;
    } else if (word == "--stats") {
      options.statistics = true;
    } else if (word == "--raw-plots") {
      options.rawPlots = true;
    } else if (std::string* text = TextSetting(word, options)) {
      if (i + 1 >= argc) Fatal(word + " NEEDS A VALUE");
      *text = argv[++i];
    } else if (double* setting = ScreeningSetting(word, options.slips)) {
      if (i + 1 >= argc) Fatal(word + " NEEDS A VALUE");
      *setting = ScreeningValue(word, argv[++i], word == "--l4-drift");
    } else if (!options.listingGiven && (word == "-" || word[0] != '-')) {
      options.listing = word;
      options.listingGiven = true;
    } else {
      std::fputs(kUsage, stderr);
      Fatal("UNKNOWN ARGUMENT: " + word);
    }
  }
  if (options.csvFile.empty() && options.htmlDirectory.empty() && options.summaryFile.empty())
    options.statistics = true;
  if (options.csvFile == "-" && options.statistics)
    Fatal("--csv - AND THE STATISTICS TABLE WOULD BOTH GO TO STANDARD OUTPUT");
  return options;
}

std::FILE* OpenOrFail(const std::string& name, const char* mode, const char* what) {
  std::FILE* file = std::fopen(name.c_str(), mode);
  if (file == nullptr) Fatal(std::string(what) + " CAN NOT BE OPENED: " + name);
  return file;
}

// Every write to the file, its buffer's last one included, must have succeeded.
void CloseOutput(std::FILE* file, const std::string& what) {
  CheckOutput(file, kReportProgramName, what);
  if (std::fclose(file) != 0) OutputFailed(kReportProgramName, what, errno);
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  if (options.help || options.version) {
    if (options.help)
      std::fputs(kUsage, stdout);
    else
      WriteProgramVersion(stdout, kReportProgramName);
    CheckOutput(stdout, kReportProgramName, kStandardOutput);
    return 0;
  }
  // Run without a listing from a terminal, the program would wait on the
  // keyboard for a listing; it says how it is used instead.
  if (!options.listingGiven && isatty(STDIN_FILENO)) {
    std::fputs(kUsage, stderr);
    return 1;
  }
  const bool singleDifferences = options.listing != "-" && IsSingleDifferenceFile(options.listing);
  if (!singleDifferences && (!options.channelFile.empty() || !options.columns.empty()))
    Fatal("--channels AND --columns NEED A SINGLE-DIFFERENCE FILE, NOT A LISTING");
  std::FILE* input = singleDifferences        ? nullptr
                     : options.listing == "-" ? stdin
                                              : OpenOrFail(options.listing, "rb", "LISTING FILE");
  std::FILE* csvFile = options.csvFile.empty()  ? nullptr
                       : options.csvFile == "-" ? stdout
                                                : OpenOrFail(options.csvFile, "wb", "CSV FILE");

  const bool page = !options.htmlDirectory.empty();
  PlotCollector plots;
  StatisticsCollector statistics(options.slips, page ? &plots : nullptr);
  std::vector<ListingConsumer*> consumers{&statistics};
  CsvExport csv(csvFile);
  if (csvFile != nullptr) consumers.push_back(&csv);
  L4RateCollector rates;
  if (page) consumers.push_back(&plots);
  if (page) consumers.push_back(&rates);

  if (singleDifferences)
    ReadSingleDifferences({options.listing, options.channelFile, options.columns}, consumers);
  else
    ReadListing(input, consumers);

  if (csvFile == stdout)
    CheckOutput(stdout, kReportProgramName, "CSV ON STANDARD OUTPUT");
  else if (csvFile != nullptr)
    CloseOutput(csvFile, "CSV FILE " + options.csvFile);
  if (page && !WriteHtmlReport(options.htmlDirectory, statistics, plots, rates, options.rawPlots))
    Fatal("HTML PAGE CAN NOT BE WRITTEN IN " + options.htmlDirectory);
  if (!options.summaryFile.empty()) {
    std::FILE* summary = OpenOrFail(options.summaryFile, "wb", "SUMMARY FILE");
    const std::string json = SummaryJson(statistics);
    std::fwrite(json.data(), 1, json.size(), summary);
    CloseOutput(summary, "SUMMARY FILE " + options.summaryFile);
  }
  if (options.statistics) {
    WriteStatisticsTable(stdout, statistics);
    CheckOutput(stdout, kReportProgramName, "STATISTICS ON STANDARD OUTPUT");
  }
  return 0;
}
