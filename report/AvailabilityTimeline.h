// The data-availability timeline: one bar per satellite over the whole span,
// drawn where the satellite has rows and open at its gaps, with its slips
// (red), outliers (orange) and the clock events (a dark line across all).
#ifndef REPORT_AVAILABILITYTIMELINE_H
#define REPORT_AVAILABILITYTIMELINE_H

#include <string>

#include "report/StatisticsReport.h"

std::string SvgAvailabilityTimeline(const StatisticsCollector& statistics);

#endif
