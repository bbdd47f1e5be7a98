// The report's command line: the listing, the outputs asked for and the
// screening settings.
#ifndef REPORT_REPORTOPTIONS_H
#define REPORT_REPORTOPTIONS_H

#include <string>
#include <vector>

#include "report/SlipDetector.h"

struct ReportOptions {
  std::string listing = "-";  // a listing, or a single-difference file
  bool listingGiven = false;
  std::string channelFile;  // GLONASS channels of a single-difference file
  std::string columns;      // columns to form from a single-difference file
  std::string csvFile;
  std::string htmlDirectory;
  std::string summaryFile;
  std::vector<std::string> navigationFiles;  // broadcast orbits (--nav, repeatable)
  std::vector<std::string> preciseFiles;     // SP3 orbits (--sp3, repeatable)
  double elevationMask = 0;                  // degrees
  bool statistics = false;
  bool rawPlots = false;
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
