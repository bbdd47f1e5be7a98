// Quintavelmor-report: reads a listing written by Quintavelmor and writes
// per-satellite statistics, a CSV export and an HTML page of plots.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "PROGINC/OutputCheck.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramVersion.h"
#include "report/CsvExport.h"
#include "report/HtmlReport.h"
#include "report/PlotCollector.h"
#include "report/StatisticsReport.h"

namespace {

const char* const kProgram = "Quintavelmor-report";

const char* const kUsage =
    "usage: Quintavelmor-report [LISTING|-] [--stats] [--csv FILE] [--html DIR]\n"
    "       Quintavelmor-report --help | --version\n"
    "  LISTING     a listing as Quintavelmor writes it (standard input when absent or -)\n"
    "  --stats     statistics table on standard output (the default when no other\n"
    "              output is asked for)\n"
    "  --csv FILE  one CSV row per satellite and epoch (- for standard output)\n"
    "  --html DIR  DIR/index.html with the statistics and plots of every column\n"
    "  --help      this text\n"
    "  --version   the version number\n";

struct Options {
  std::string listing = "-";
  bool listingGiven = false;
  std::string csvFile;
  std::string htmlDirectory;
  bool statistics = false;
  bool help = false;
  bool version = false;
};

[[noreturn]] void Fatal(const std::string& message) { ProgramError(kProgram, message.c_str()); }

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
    } else if (word == "--csv" || word == "--html") {
      if (i + 1 >= argc) Fatal(word + " NEEDS A VALUE");
      (word == "--csv" ? options.csvFile : options.htmlDirectory) = argv[++i];
    } else if (!options.listingGiven && (word == "-" || word[0] != '-')) {
      options.listing = word;
      options.listingGiven = true;
    } else {
      std::fputs(kUsage, stderr);
      Fatal("UNKNOWN ARGUMENT: " + word);
    }
  }
  if (options.csvFile.empty() && options.htmlDirectory.empty()) options.statistics = true;
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
  CheckOutput(file, kProgram, what);
  if (std::fclose(file) != 0) OutputFailed(kProgram, what, errno);
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  if (options.help || options.version) {
    if (options.help)
      std::fputs(kUsage, stdout);
    else
      WriteProgramVersion(stdout, kProgram);
    CheckOutput(stdout, kProgram, "STANDARD OUTPUT");
    return 0;
  }
  // Run without a listing from a terminal, the program would wait on the
  // keyboard for a listing; it says how it is used instead.
  if (!options.listingGiven && isatty(STDIN_FILENO)) {
    std::fputs(kUsage, stderr);
    return 1;
  }
  std::FILE* input =
      options.listing == "-" ? stdin : OpenOrFail(options.listing, "rb", "LISTING FILE");
  std::FILE* csvFile = options.csvFile.empty() ? nullptr
                       : options.csvFile == "-" ? stdout
                                                : OpenOrFail(options.csvFile, "wb", "CSV FILE");

  StatisticsCollector statistics;
  PlotCollector plots;
  std::vector<ListingConsumer*> consumers{&statistics};
  CsvExport csv(csvFile);
  if (csvFile != nullptr) consumers.push_back(&csv);
  if (!options.htmlDirectory.empty()) consumers.push_back(&plots);

  ReadListing(input, consumers);

  if (csvFile == stdout)
    CheckOutput(stdout, kProgram, "CSV ON STANDARD OUTPUT");
  else if (csvFile != nullptr)
    CloseOutput(csvFile, "CSV FILE " + options.csvFile);
  if (!options.htmlDirectory.empty() &&
      !WriteHtmlReport(options.htmlDirectory, statistics, plots))
    Fatal("HTML PAGE CAN NOT BE WRITTEN IN " + options.htmlDirectory);
  if (options.statistics) {
    WriteStatisticsTable(stdout, statistics);
    CheckOutput(stdout, kProgram, "STATISTICS ON STANDARD OUTPUT");
  }
  return 0;
}
