// Writing the report page.
#include "report/HtmlReport.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "report/SvgPlot.h"

namespace {

const char* const kStyle =
    "body{font-family:sans-serif;margin:1.5em;color:#222}"
    "pre{background:#f4f4f4;padding:.6em;overflow:auto}"
    "table{border-collapse:collapse;font-size:.85em}"
    "td,th{border:1px solid #ccc;padding:2px 6px;text-align:right}"
    "td.l,th.l{text-align:left}"
    ".legend span{display:inline-block;margin:0 .8em .3em 0;font-size:.85em}"
    ".legend i{display:inline-block;width:1.4em;height:.5em;margin-right:.3em}"
    ".small{display:flex;flex-wrap:wrap;gap:.5em}"
    "figure{margin:0;font-size:.8em;text-align:center}"
    "svg .tick{font-size:11px;fill:#444}svg .axis{font-size:12px;fill:#222}";

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string StatisticsTable(const StatisticsCollector& statistics) {
  std::string html =
      "<table><tr><th class=\"l\">SAT</th><th class=\"l\">COLUMN</th><th>UNIT</th>"
      "<th>PRESENT</th><th>ABSENT</th><th>MEAN</th><th>STD.DEV</th><th>MIN</th><th>MAX</th>"
      "<th>ARCS</th><th>ARC RMS</th><th>SLIPS</th><th>OUTLIERS</th></tr>\n";
  for (const SatelliteStats& satellite : statistics.Satellites()) {
    for (std::size_t k = 0; k < satellite.columns.size(); k++) {
      const SeriesStats& stats = satellite.columns[k];
      const bool any = stats.Present() > 0;
      const SeriesKind kind = stats.Column().kind;
      const bool screened = kind == SeriesKind::Slips;
      html += "<tr><td class=\"l\">" + HtmlEscape(satellite.name) + "</td><td class=\"l\">" +
              HtmlEscape(statistics.Columns().labels[k]) + "</td><td>" + stats.Column().unit +
              "</td><td>" + std::to_string(stats.Present()) + "</td><td>" +
              std::to_string(stats.Absent()) + "</td><td>" +
              (any ? Fixed(stats.Mean(), 3) : "-") + "</td><td>" +
              (any ? Fixed(stats.StandardDeviation(), 4) : "-") + "</td><td>" +
              (any ? Fixed(stats.Min(), 3) : "-") + "</td><td>" +
              (any ? Fixed(stats.Max(), 3) : "-") + "</td><td>" +
              (any ? std::to_string(stats.Arcs()) : "-") + "</td><td>" +
              (any && kind == SeriesKind::ArcRms ? Fixed(stats.ArcRms(), 4) : "-") + "</td><td>" +
              (screened ? std::to_string(stats.Slips()) : "-") + "</td><td>" +
              (screened ? std::to_string(stats.Outliers()) : "-") + "</td></tr>\n";
    }
  }
  return html + "</table>\n";
}

std::string ColumnSection(const StatisticsCollector& statistics, const PlotCollector& plots,
                          std::size_t k) {
  const std::string& label = statistics.Columns().labels[k];
  const std::string title = label + " (" + statistics.Kinds()[k].unit + ")";
  PlotFrame frame;
  frame.cssClass = "column-plot";
  frame.valueTitle = title;
  frame.firstSeconds = plots.FirstSeconds();
  frame.lastSeconds = std::max(plots.LastSeconds(), plots.FirstSeconds() + 1);

  std::vector<PlotLine> lines;
  std::string legend = "<div class=\"legend\">";
  std::string small = "<div class=\"small\">";
  for (std::size_t s = 0; s < plots.SatelliteNames().size(); s++) {
    PlotLine line{SatelliteColour(s), plots.SatelliteNames()[s], plots.Segments(s, k)};
    if (line.segments.empty()) continue;
    legend += "<span><i style=\"background:" + line.colour + "\"></i>" + HtmlEscape(line.name) +
              "</span>";
    PlotFrame smallFrame = frame;
    smallFrame.width = 220;
    smallFrame.height = 80;
    smallFrame.axes = false;
    smallFrame.cssClass = "satellite-plot";
    small += "<figure>" + SvgTimeSeries(smallFrame, {line}) + "<figcaption>" +
             HtmlEscape(line.name) + "</figcaption></figure>\n";
    lines.push_back(line);
  }
  return "<section><h3>" + HtmlEscape(title) + "</h3>\n" + SvgTimeSeries(frame, lines) + legend +
         "</div>\n" + small + "</div>\n</section>\n";
}

}  // namespace

bool WriteHtmlReport(const std::string& directory, const StatisticsCollector& statistics,
                     const PlotCollector& plots) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  std::ofstream page(std::filesystem::path(directory) / "index.html", std::ios::binary);
  if (!page) return false;
  const std::string& file = statistics.Settings().observationFile;
  page << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
       << "Quintavelmor report: " << HtmlEscape(file) << "</title>\n<style>" << kStyle
       << "</style>\n</head>\n<body>\n<h1>Quintavelmor report</h1>\n<h2>Settings</h2>\n<pre>";
  for (const std::string& line : statistics.Settings().lines) page << HtmlEscape(line) << "\n";
  page << "</pre>\n<h2>Plots</h2>\n";
  for (std::size_t k = 0; k < statistics.Columns().labels.size(); k++)
    page << ColumnSection(statistics, plots, k);
  page << "<h2>Statistics</h2>\n" << StatisticsTable(statistics) << "</body>\n</html>\n";
  return static_cast<bool>(page.flush());
}
