// Quintavelmor-report: reads a listing written by Quintavelmor, or a
// single-difference file whose columns it forms itself, and writes
// per-satellite statistics, a CSV export, an HTML page of plots and a JSON
// summary.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "PROGINC/OutputCheck.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "PROGINC/ProgramVersion.h"
#include "report/CsvExport.h"
#include "report/HtmlReport.h"
#include "report/PlotCollector.h"
#include "report/ReportOptions.h"
#include "report/SdInput.h"
#include "report/StatisticsReport.h"
#include "report/SummaryJson.h"
#include "report/geometry/SkyTracks.h"
#include "rinex/InputFailure.h"

namespace {

[[noreturn]] void Fatal(const std::string& message) {
  ProgramError(kReportProgramName, message.c_str());
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

int Run(int argc, char** argv) {
  const ReportOptions options = ParseReportOptions(argc, argv);
  if (options.help || options.version) {
    if (options.help)
      std::fputs(kReportUsage, stdout);
    else
      WriteProgramVersion(stdout, kReportProgramName);
    CheckOutput(stdout, kReportProgramName, kStandardOutput);
    return 0;
  }
  // Run without a listing from a terminal, the program would wait on the
  // keyboard for a listing; it says how it is used instead.
  if (!options.listingGiven && isatty(STDIN_FILENO)) {
    std::fputs(kReportUsage, stderr);
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
  // The geometry sees each row first: the statistics' mask and the CSV's
  // angles read it.
  SkyTracks sky(options.navigationFiles, options.preciseFiles);
  statistics.SetElevationMask(&sky, options.elevationMask);
  std::vector<ListingConsumer*> consumers{&sky, &statistics};
  CsvExport csv(csvFile, &sky);
  if (csvFile != nullptr) consumers.push_back(&csv);
  L4RateCollector rates;
  if (page) consumers.push_back(&plots);
  if (page) consumers.push_back(&rates);

  if (singleDifferences)
    ReadSingleDifferences({options.listing, options.channelFile, options.columns}, consumers);
  else
    ReadListing(input, consumers);

  const SkyView view = sky.View(statistics, options.elevationMask);
  statistics.SetSky(&view);
  if (csvFile == stdout)
    CheckOutput(stdout, kReportProgramName, "CSV ON STANDARD OUTPUT");
  else if (csvFile != nullptr)
    CloseOutput(csvFile, "CSV FILE " + options.csvFile);
  if (page) {
    if (!WriteHtmlReport(options.htmlDirectory, statistics, plots, rates, options.rawPlots))
      Fatal("HTML PAGE CAN NOT BE WRITTEN IN " + options.htmlDirectory);
    // Standard output may carry the statistics or the CSV, so the page's
    // place goes to standard error.
    std::fprintf(stderr, "%s: page %s\n", kReportProgramName,
                 HtmlPagePath(options.htmlDirectory).c_str());
  }
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

}  // namespace

// A navigation or orbit file that can not be read ends the run in the
// report's own frame.
int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const InputFailure& failure) {
    Fatal(failure.what());
  }
}
