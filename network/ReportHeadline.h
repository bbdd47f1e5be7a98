// The headline figures of one baseline-day, from the summary file
// (summary.json) the report writes.
#ifndef NETWORK_REPORTHEADLINE_H
#define NETWORK_REPORTHEADLINE_H

#include <string>

// Each figure as text, empty when the file does not give it.
struct ReportHeadline {
  std::string epochs;        // epochs present
  std::string completeness;  // epochs present of those expected, percent
  std::string satellites;    // common satellites, all systems
  std::string slips;         // all systems
  std::string clockEvents;
  std::string mp1Rms;  // metres, over all systems, each weighted by its rows
  std::string mp2Rms;
};

ReportHeadline ReadReportHeadline(const std::string& summaryFile);

#endif
