// Rows from manifests, and the three ways of writing them.
#include "network/NetworkSummary.h"

#include <algorithm>
#include <filesystem>

#include "network/Manifest.h"

namespace fs = std::filesystem;

namespace {

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Html(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '&')
      escaped += "&amp;";
    else if (c == '<')
      escaped += "&lt;";
    else if (c == '>')
      escaped += "&gt;";
    else if (c == '"')
      escaped += "&quot;";
    else
      escaped += c;
  }
  return escaped;
}

// YYYY, DDD, BASE and ROVER of a task folder.
std::vector<std::string> FolderParts(const std::string& folder) {
  const size_t dash = folder.rfind('-');
  return {folder.substr(0, 4), folder.substr(5, 3), folder.substr(9, dash - 9),
          folder.substr(dash + 1)};
}

std::vector<std::string> Figures(const ReportHeadline& h) {
  return {h.epochs, h.completeness, h.satellites, h.slips, h.clockEvents, h.mp1Rms, h.mp2Rms};
}

const char kPageHead[] =
    "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
    "<title>Network summary</title>\n<style>\n"
    "body{font-family:sans-serif;margin:1em}table{border-collapse:collapse}"
    "td,th{border:1px solid #999;padding:2px 6px}.failed{color:#b00}\n"
    "</style>\n</head>\n<body>\n<h1>Network summary</h1>\n";

}  // namespace

std::vector<TaskRow> CollectRows(const std::string& output) {
  std::vector<TaskRow> rows;
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(output, error)) {
    if (entry.path().filename() != "manifest.txt") continue;
    const std::string folder = entry.path().parent_path().string();
    const std::string relative = fs::relative(folder, output, error).string();
    Manifest manifest;
    if (relative.size() < 11 || !ReadManifest(folder, manifest)) continue;
    // A failed task's folder may still hold an earlier run's outputs.
    const bool ok = manifest.status == "ok";
    rows.push_back({relative, manifest.status, manifest.message,
                    ok ? ReadReportHeadline(folder + "/summary.json") : ReportHeadline()});
  }
  std::sort(rows.begin(), rows.end(),
            [](const TaskRow& a, const TaskRow& b) { return a.folder < b.folder; });
  return rows;
}

void WriteStatus(std::ostream& out, const std::vector<TaskRow>& rows) {
  const auto failed = std::count_if(rows.begin(), rows.end(),
                                    [](const TaskRow& row) { return row.status != "ok"; });
  out << rows.size() << " tasks: " << rows.size() - failed << " done, " << failed << " failed\n";
  for (const TaskRow& row : rows)
    if (row.status != "ok") out << "failed " << row.folder << ": " << row.message << "\n";
}

void WriteSummaryCsv(std::ostream& out, const std::vector<TaskRow>& rows) {
  out << "year,day,base,rover,status,epochs,completeness_percent,satellites,slips,clock_events,"
         "mp1_rms_m,mp2_rms_m,report,message\n";
  for (const TaskRow& row : rows) {
    for (const std::string& part : FolderParts(row.folder)) out << part << ',';
    out << row.status << ',';
    for (const std::string& figure : Figures(row.figures)) out << figure << ',';
    out << (row.status == "ok" ? row.folder + "/report/index.html" : "") << ','
        << CsvField(row.message) << '\n';
  }
}

void WriteSummaryPage(std::ostream& out, const std::vector<TaskRow>& rows) {
  out << kPageHead << "<table>\n<tr><th>Year</th><th>Day</th><th>Base</th><th>Rover</th>"
      << "<th>Status</th><th>Epochs</th><th>Complete %</th><th>Satellites</th><th>Slips</th>"
      << "<th>Clock events</th><th>MP1 RMS m</th><th>MP2 RMS m</th><th>Report</th></tr>\n";
  for (const TaskRow& row : rows) {
    out << "<tr>";
    for (const std::string& part : FolderParts(row.folder)) out << "<td>" << Html(part) << "</td>";
    const bool ok = row.status == "ok";
    out << "<td" << (ok ? "" : " class=\"failed\"") << ">" << Html(row.status) << "</td>";
    for (const std::string& figure : Figures(row.figures)) out << "<td>" << figure << "</td>";
    out << "<td>";
    if (ok) out << "<a href=\"" << Html(row.folder) << "/report/index.html\">report</a>";
    out << "</td></tr>\n";
  }
  out << "</table>\n<h2>Failed tasks</h2>\n<ul>\n";
  for (const TaskRow& row : rows)
    if (row.status != "ok")
      out << "<li>" << Html(row.folder) << ": " << Html(row.message) << "</li>\n";
  out << "</ul>\n</body>\n</html>\n";
}
