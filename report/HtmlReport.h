// The report as one self-contained HTML page: settings, per column a plot of
// all satellites with a legend plus small per-satellite plots, and the
// statistics table.  Everything is inline (no scripts, no fonts, no network).
#ifndef REPORT_HTMLREPORT_H
#define REPORT_HTMLREPORT_H

#include <string>

#include "report/L4RateCollector.h"
#include "report/PlotCollector.h"
#include "report/StatisticsReport.h"

// The page's file in `directory`.
std::string HtmlPagePath(const std::string& directory);

// Writes `directory`/index.html, creating the directory; false when the file
// cannot be written.  The raw columns (the file's own types) are plotted
// only with `rawPlots`.
bool WriteHtmlReport(const std::string& directory, const StatisticsCollector& statistics,
                     const PlotCollector& plots, const L4RateCollector& rates, bool rawPlots);

#endif
