// One line per satellite: when it was seen, how much of the span, its arcs,
// slips, outliers and clock events, and its multipath RMS; and the same
// headline figures per system.  The table, the page and the JSON summary
// all read them from here.
#ifndef REPORT_SATELLITESUMMARY_H
#define REPORT_SATELLITESUMMARY_H

#include <string>
#include <vector>

#include "report/StatisticsReport.h"

struct SatelliteSummary {
  std::string name;
  std::string firstEpoch;  // as the listing writes it
  std::string lastEpoch;
  long rows = 0;
  double percentOfExpected = -1;  // rows against the epochs the span expects; -1 when not known
  long arcs = -1;                 // of the screened columns; -1 without any value there
  long slips = -1;                // epochs with a slip in any screened column
  long outliers = -1;
  long clockEvents = 0;
  double mp1Rms = -1;  // -1: no arc long enough, or no multipath column
  double mp2Rms = -1;
  bool hasElevation = false;  // the range of the rows' elevations at the base, degrees
  double lowestElevation = 0;
  double highestElevation = 0;
};

struct SystemSummary {
  char letter = 0;
  long satellites = 0;
  long rows = 0;
  long slips = -1;
  long outliers = -1;
  double mp1Rms = -1;
  double mp2Rms = -1;
};

std::vector<SatelliteSummary> SatelliteSummaries(const StatisticsCollector& statistics);
std::vector<SystemSummary> SystemSummaries(const StatisticsCollector& statistics);

// "12.3" for a figure that is known, "-" for one that is not (negative).
std::string FigureText(double value, int decimals);
std::string CountText(long count);
// "12.3-67.0" for a satellite with known elevations, else "-".
std::string ElevationRangeText(const SatelliteSummary& satellite);

#endif
