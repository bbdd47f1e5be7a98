// The page's headline figures as a small JSON document, for scripts and the
// network page: the data's context, the clock events, and one object per
// system and per satellite.  A figure that is not known is null.
#ifndef REPORT_SUMMARYJSON_H
#define REPORT_SUMMARYJSON_H

#include <string>

#include "report/StatisticsReport.h"

std::string SummaryJson(const StatisticsCollector& statistics);

#endif
