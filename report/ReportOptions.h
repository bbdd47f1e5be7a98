// The report's command line: the listing, the outputs asked for and the
// screening settings.
#ifndef REPORT_REPORTOPTIONS_H
#define REPORT_REPORTOPTIONS_H

#include <string>

#include "report/SlipDetector.h"

struct ReportOptions {
  std::string listing = "-";
  bool listingGiven = false;
  std::string csvFile;
  std::string htmlDirectory;
  bool statistics = false;
  bool help = false;
  bool version = false;
  SlipSettings slips;
};

// The usage text.
extern const char* const kReportUsage;

// Reads the command line; a mistake in it is a fatal error that says which
// (after the usage, for an argument the report does not know).
ReportOptions ParseReportOptions(int argc, const char* const* argv);

#endif
