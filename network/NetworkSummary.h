// The network's overview from the tasks' manifests: the state of a run
// (status), and OUT/summary.csv with OUT/index.html (summary).
#ifndef NETWORK_NETWORKSUMMARY_H
#define NETWORK_NETWORKSUMMARY_H

#include <ostream>
#include <string>
#include <vector>

#include "network/ReportHeadline.h"

struct TaskRow {
  std::string folder;  // YYYY/DDD/BASE-ROVER
  std::string status;  // "ok" or "failed"
  std::string message;
  ReportHeadline figures;  // empty for a failed task
};

// Every task folder below `output` that holds a manifest, in folder order.
std::vector<TaskRow> CollectRows(const std::string& output);

// The counts and the failed tasks with their messages.
void WriteStatus(std::ostream& out, const std::vector<TaskRow>& rows);
// One line per baseline-day: year, day, base, rover, status, the report's
// headline figures, its page and the message.
void WriteSummaryCsv(std::ostream& out, const std::vector<TaskRow>& rows);
// The same as a page that needs nothing but the output folder.
void WriteSummaryPage(std::ostream& out, const std::vector<TaskRow>& rows);

#endif
