// Writing the report page.
#include "report/HtmlReport.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <utility>

#include "report/AvailabilityTimeline.h"
#include "report/FixedText.h"
#include "report/SatelliteSummary.h"
#include "report/SkyView.h"
#include "report/SvgPlot.h"

namespace {

const char* const kStyle =
    "body{font-family:sans-serif;margin:1.5em;color:#222}"
    "pre{background:#f4f4f4;padding:.6em;overflow:auto;font-size:.8em}"
    "table{border-collapse:collapse;font-size:.85em;margin-bottom:.8em}"
    "td,th{border:1px solid #ccc;padding:2px 6px;text-align:right}"
    "td.l,th.l{text-align:left}"
    "tr.slip td:first-child{border-left:4px solid #d00}"
    "tr.outlier td:first-child{border-left:4px solid #f80}"
    ".legend span{display:inline-block;margin:0 .8em .3em 0;font-size:.85em;white-space:nowrap}"
    ".legend svg{vertical-align:middle;margin-right:.3em}"
    ".small{display:flex;flex-wrap:wrap;gap:.5em}"
    "figure{margin:0;font-size:.8em;text-align:center}"
    "details{margin:.3em 0 .8em;font-size:.9em}"
    "svg .tick{font-size:11px;fill:#444}svg .axis{font-size:12px;fill:#222}"
    "svg .small{font-size:9px}"
    "svg .slip{fill:#d00;stroke:#fff;stroke-width:.8}"
    "svg .outlier{fill:none;stroke:#f80;stroke-width:2}"
    "svg .present{fill:#7aa6d8}svg .slip-mark{stroke:#d00;stroke-width:2}"
    "svg .outlier-mark{stroke:#f80;stroke-width:2}"
    "svg .beyond{stroke:#000;stroke-width:1.5;stroke-dasharray:2 1}"
    "svg .clock-mark{stroke:#222;stroke-width:1.5;stroke-dasharray:4 2}"
    "nav.toc ol{columns:2;font-size:.9em}";

std::string Cell(const std::string& text) { return "<td>" + HtmlEscape(text) + "</td>"; }
std::string LeftCell(const std::string& text) {
  return "<td class=\"l\">" + HtmlEscape(text) + "</td>";
}

std::string SystemName(char letter) {
  switch (letter) {
    case 'G':
      return "GPS";
    case 'R':
      return "GLONASS";
    case 'E':
      return "Galileo";
    case 'C':
      return "BeiDou";
    default:
      return std::string("system ") + letter;
  }
}

bool InSystem(const SatelliteStats& satellite, char letter) {
  return !satellite.name.empty() && satellite.name[0] == letter;
}

// Per constellation: satellites, rows, values, slips and outliers of each
// screened column, arc RMS of each multipath and code-minus-phase column.
std::string SummaryTable(const StatisticsCollector& statistics) {
  const std::vector<std::string>& labels = statistics.Columns().labels;
  std::string head =
      "<tr><th class=\"l\">SYSTEM</th><th>SATELLITES</th><th>ROWS</th>"
      "<th>PRESENT</th><th>ABSENT</th>";
  for (std::size_t k = 0; k < labels.size(); k++) {
    const SeriesKind kind = statistics.Kinds()[k].kind;
    if (kind == SeriesKind::Slips)
      head += "<th>" + HtmlEscape(labels[k]) + " SLIPS</th><th>" + HtmlEscape(labels[k]) +
              " OUTLIERS</th>";
    else if (kind == SeriesKind::ArcRms)
      head += "<th>" + HtmlEscape(labels[k]) + " ARC RMS (m)</th>";
  }
  std::string html = "<table>" + head + "</tr>\n";
  for (char letter : ConstellationLetters(statistics)) {
    const SatelliteStats totals = ConstellationTotals(statistics, letter);
    long satellites = 0, present = 0, absent = 0;
    for (const SatelliteStats& satellite : statistics.Satellites())
      satellites += InSystem(satellite, letter) ? 1 : 0;
    std::string cells;
    for (const SeriesStats& column : totals.columns) {
      present += column.Present();
      absent += column.Absent();
      const bool any = column.Present() > 0;
      if (column.Column().kind == SeriesKind::Slips)
        cells += Cell(any ? std::to_string(column.Slips()) : "-") +
                 Cell(any ? std::to_string(column.Outliers()) : "-");
      else if (column.Column().kind == SeriesKind::ArcRms)
        cells += Cell(column.HasArcRms() ? FixedText(column.ArcRms(), 4) : "-");
    }
    html += "<tr>" + LeftCell(SystemName(letter)) + Cell(std::to_string(satellites)) +
            Cell(std::to_string(totals.rows)) + Cell(std::to_string(present)) +
            Cell(std::to_string(absent)) + cells + "</tr>\n";
  }
  return html + "</table>\n";
}

// One row per satellite: its span, share of the expected epochs, arcs,
// slips, outliers, clock events and multipath RMS.
std::string SatellitesTable(const StatisticsCollector& statistics) {
  std::string html =
      "<table class=\"satellites\"><tr><th class=\"l\">SAT</th><th class=\"l\">FIRST</th>"
      "<th class=\"l\">LAST</th><th>ROWS</th><th>% OF EXPECTED</th><th>ARCS</th><th>SLIPS</th>"
      "<th>OUTLIERS</th><th>CLOCK EVENTS</th><th>MP1 RMS (m)</th><th>MP2 RMS (m)</th>"
      "<th>ELEVATION (deg)</th></tr>\n";
  for (const SatelliteSummary& satellite : SatelliteSummaries(statistics))
    html += "<tr>" + LeftCell(satellite.name) + LeftCell(satellite.firstEpoch) +
            LeftCell(satellite.lastEpoch) + Cell(std::to_string(satellite.rows)) +
            Cell(FigureText(satellite.percentOfExpected, 1)) + Cell(CountText(satellite.arcs)) +
            Cell(CountText(satellite.slips)) + Cell(CountText(satellite.outliers)) +
            Cell(std::to_string(satellite.clockEvents)) + Cell(FigureText(satellite.mp1Rms, 4)) +
            Cell(FigureText(satellite.mp2Rms, 4)) + Cell(ElevationRangeText(satellite)) + "</tr>\n";
  return html + "</table>\n";
}

// The satellites' tracks across the base's sky, or why there are none.
std::string SkySection(const StatisticsCollector& statistics) {
  const SkyView* sky = statistics.Sky();
  if (sky == nullptr || !sky->missing.empty())
    return "<p>" + HtmlEscape(sky != nullptr ? sky->missing : "Geometry: none.") + "</p>\n";
  return "<p>North up, east right, the zenith in the middle; a track is faint below the "
         "elevation mask; red: slips, orange: outliers.</p>\n" +
         SvgSkyPlot(*sky);
}

// The page's sections, by their anchors.
std::string TableOfContents() {
  static const char* const kSections[][2] = {{"systems", "Summary by constellation"},
                                             {"satellites", "Satellites"},
                                             {"availability", "Data availability"},
                                             {"sky", "Sky plot"},
                                             {"elevation", "Multipath against elevation"},
                                             {"events", "Slips and outliers"},
                                             {"clock", "Clock events"},
                                             {"plots", "Plots"},
                                             {"statistics", "Statistics"},
                                             {"settings", "Settings"}};
  std::string html = "<nav class=\"toc\"><h2>Contents</h2><ol>\n";
  for (const auto& section : kSections)
    html += std::string("<li><a href=\"#") + section[0] + "\">" + section[1] + "</a></li>\n";
  return html + "</ol></nav>\n";
}

std::string EventsTable(const StatisticsCollector& statistics) {
  std::string html =
      "<table><tr><th class=\"l\">SAT</th><th class=\"l\">COLUMN</th><th class=\"l\">KIND</th>"
      "<th class=\"l\">EPOCH</th><th>SIZE</th><th class=\"l\">UNIT</th></tr>\n";
  long rows = 0;
  for (const SatelliteStats& satellite : statistics.Satellites()) {
    for (std::size_t k = 0; k < satellite.columns.size(); k++) {
      const SeriesStats& stats = satellite.columns[k];
      const std::string& label = statistics.Columns().labels[k];
      for (const SlipEvent& event : stats.Events()) {
        const char* kind = EventKindName(event.kind);
        html += std::string("<tr class=\"") + kind + "\">" + LeftCell(satellite.name) +
                LeftCell(label) + LeftCell(kind) + LeftCell(event.epoch) +
                Cell(FixedText(event.size, 3)) + LeftCell(stats.Column().unit) + "</tr>\n";
        rows++;
      }
      const long unlisted =
          stats.Slips() + stats.Outliers() - static_cast<long>(stats.Events().size());
      if (unlisted > 0)
        html += "<tr>" + LeftCell(satellite.name) + LeftCell(label) +
                "<td class=\"l\" colspan=\"4\">" + std::to_string(unlisted) +
                " more not listed</td></tr>\n";
    }
  }
  if (rows == 0) return "<p>No slips and no outliers.</p>\n";
  return html + "</table>\n";
}

// Stations, baseline, epochs, systems and types, as far as the input tells them.
std::string ContextSection(const StatisticsCollector& statistics) {
  std::string html = "<ul class=\"context\">\n";
  for (const std::string& line : ContextLines(statistics.Settings().context))
    html += "<li>" + HtmlEscape(line) + "</li>\n";
  for (const std::string& line : GeometryLines(statistics))
    html += "<li>" + HtmlEscape(line) + "</li>\n";
  return html + "</ul>\n";
}

std::string ClockEventsTable(const StatisticsCollector& statistics) {
  if (statistics.ClockEvents().empty()) return "<p>No clock events.</p>\n";
  std::string html =
      "<table class=\"clock-events\"><tr><th class=\"l\">EPOCH</th><th>SIZE (m)</th>"
      "<th>SIZE (ms)</th><th>SATELLITES AGREEING</th><th>WITH A VALUE</th></tr>\n";
  for (const ClockEvent& event : statistics.ClockEvents())
    html += "<tr>" + LeftCell(event.epoch) + Cell(FixedText(event.metres, 3)) +
            Cell(FixedText(ClockEventMilliseconds(event), 6)) +
            Cell(std::to_string(event.satellites)) + Cell(std::to_string(event.present)) +
            "</tr>\n";
  return html + "</table>\n";
}

std::string SettingsSection(const StatisticsCollector& statistics) {
  std::string html = "<ul>\n";
  for (const std::string& sentence : ScreeningSettings(statistics))
    html += "<li>" + HtmlEscape(sentence) + "</li>\n";
  html +=
      "<li>Plots: each arc is drawn less its mean (the offsets removed are listed under "
      "each plot); a red triangle marks a slip, an orange ring an outlier.</li>\n</ul>\n"
      "<p>The listing's settings:</p>\n<pre>";
  for (const std::string& line : statistics.Settings().lines) html += HtmlEscape(line) + "\n";
  return html + "</pre>\n";
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
      const bool screened = any && kind != SeriesKind::Plain;
      html += "<tr>" + LeftCell(satellite.name) + LeftCell(statistics.Columns().labels[k]) +
              Cell(stats.Column().unit) + Cell(std::to_string(stats.Present())) +
              Cell(std::to_string(stats.Absent())) + Cell(any ? FixedText(stats.Mean(), 3) : "-") +
              Cell(any ? FixedText(stats.StandardDeviation(), 4) : "-") +
              Cell(any ? FixedText(stats.Min(), 3) : "-") +
              Cell(any ? FixedText(stats.Max(), 3) : "-") +
              Cell(any ? std::to_string(stats.Arcs()) : "-") +
              Cell(stats.HasArcRms() && kind == SeriesKind::ArcRms ? FixedText(stats.ArcRms(), 4)
                                                                   : "-") +
              Cell(screened ? std::to_string(stats.Slips()) : "-") +
              Cell(screened ? std::to_string(stats.Outliers()) : "-") + "</tr>\n";
    }
  }
  return html + "</table>\n";
}

// The markers of one series' slips and outliers, at their values less the
// mean of their arc.
std::vector<PlotMarker> Markers(const StatisticsCollector& statistics, const PlotCollector& plots,
                                std::size_t s, std::size_t k) {
  const SeriesStats& stats = statistics.Satellites()[s].columns[k];
  const std::vector<PlotArc>& arcs = plots.Arcs(s, k);
  std::vector<PlotMarker> markers;
  for (const SlipEvent& event : stats.Events()) {
    const std::size_t arc = static_cast<std::size_t>(std::max(event.arc, 0L));
    const double mean = arc < arcs.size() ? arcs[arc].Mean() : event.value;
    markers.push_back(
        PlotMarker{event.seconds, event.value - mean, event.kind == SlipEventKind::Slip,
                   statistics.Satellites()[s].name + " " + statistics.Columns().labels[k] + " " +
                       EventKindName(event.kind) + " at " + event.epoch + ": " +
                       FixedText(event.size, 3) + " " + stats.Column().unit});
  }
  return markers;
}

// The offsets removed from one constellation's series in column `k`.
std::string OffsetsTable(const StatisticsCollector& statistics, const PlotCollector& plots,
                         std::size_t k, char letter) {
  const std::string& unit = statistics.Kinds()[k].unit;
  std::string html =
      "<details><summary>Offsets removed: the mean of each arc</summary>"
      "<table><tr><th class=\"l\">SAT</th><th>ARC</th><th>FROM</th><th>TO</th>"
      "<th>VALUES</th><th>MEAN (" +
      HtmlEscape(unit) + ")</th></tr>\n";
  for (std::size_t s = 0; s < statistics.Satellites().size(); s++) {
    if (!InSystem(statistics.Satellites()[s], letter)) continue;
    const std::vector<PlotArc>& arcs = plots.Arcs(s, k);
    for (std::size_t a = 0; a < arcs.size(); a++) {
      if (arcs[a].values == 0) continue;
      html += "<tr>" + LeftCell(statistics.Satellites()[s].name) + Cell(std::to_string(a + 1)) +
              Cell(TimeOfDay(arcs[a].firstSeconds, true)) +
              Cell(TimeOfDay(arcs[a].lastSeconds, true)) + Cell(std::to_string(arcs[a].values)) +
              Cell(FixedText(arcs[a].Mean(), 3)) + "</tr>\n";
    }
  }
  return html + "</table></details>\n";
}

// Whether satellite `s` of system `letter` has values to draw in column `k`,
// in arcs or below the elevation mask: such satellites take the colours in
// turn, the same in every plot of the column.
bool Drawn(const StatisticsCollector& statistics, const PlotCollector& plots, std::size_t s,
           std::size_t k, char letter) {
  return InSystem(statistics.Satellites()[s], letter) &&
         !(plots.Segments(s, k).empty() && plots.MaskedSegments(s, k).empty());
}

// One constellation's plot of column `k`, its legend, its offsets and the
// small plots of its satellites; empty when none of them has a value there.
std::string ConstellationPlots(const StatisticsCollector& statistics, const PlotCollector& plots,
                               std::size_t k, char letter) {
  const std::string& label = statistics.Columns().labels[k];
  const std::string& unit = statistics.Kinds()[k].unit;
  PlotFrame frame;
  frame.cssClass = "column-plot";
  frame.valueTitle = label + " less arc means (" + unit + ")";
  frame.firstSeconds = plots.FirstSeconds();
  frame.lastSeconds = std::max(plots.LastSeconds(), plots.FirstSeconds() + 1);
  PlotFrame smallFrame = frame;
  smallFrame.width = 260;
  smallFrame.height = 140;
  smallFrame.small = true;
  smallFrame.cssClass = "satellite-plot";
  smallFrame.valueTitle = "less arc means (" + unit + ")";

  std::vector<PlotLine> lines;
  std::vector<PlotMarker> markers;
  std::string legend = "<div class=\"legend\">";
  std::string small = "<div class=\"small\">";
  std::size_t styles = 0;
  for (std::size_t s = 0; s < statistics.Satellites().size(); s++) {
    if (!Drawn(statistics, plots, s, k, letter)) continue;
    const std::string& name = statistics.Satellites()[s].name;
    const LineStyle style = SatelliteStyle(styles++);
    std::vector<PlotLine> own;
    for (const PlotLine& line : {PlotLine{style, name, plots.MaskedSegments(s, k), true},
                                 PlotLine{style, name, plots.Segments(s, k)}})
      if (!line.segments.empty()) own.push_back(line);
    const std::vector<PlotMarker> ownMarkers = Markers(statistics, plots, s, k);
    legend += "<span>" + StyleSample(style) + HtmlEscape(name) + "</span>";
    small += "<figure>" + SvgTimeSeries(smallFrame, own, ownMarkers) + "<figcaption>" +
             HtmlEscape(name + " " + label) + "</figcaption></figure>\n";
    markers.insert(markers.end(), ownMarkers.begin(), ownMarkers.end());
    lines.insert(lines.end(), own.begin(), own.end());
  }
  if (lines.empty()) return "";
  return "<h4>" + HtmlEscape(SystemName(letter) + ": " + label) + "</h4>\n" +
         SvgTimeSeries(frame, lines, markers) + legend + "</div>\n" +
         OffsetsTable(statistics, plots, k, letter) + small + "</div>\n";
}

// A series' points placed at its satellite's elevation, reduced to the
// lowest and the highest value of each half degree, in elevation order.
std::vector<PlotPoint> AtElevation(const PlotSegments& segments, const SkyTrack& track) {
  constexpr double kBinDegrees = 0.5;
  std::map<long, std::pair<PlotPoint, PlotPoint>> bins;
  for (const std::vector<PlotPoint>& segment : segments)
    for (const PlotPoint& point : segment) {
      double elevation = 0;
      if (!ElevationAt(track, point.seconds, elevation)) continue;
      const PlotPoint placed{elevation, point.value};
      const auto [bin, added] =
          bins.try_emplace(std::lround(std::floor(elevation / kBinDegrees)), placed, placed);
      if (added) continue;
      if (placed.value < bin->second.first.value) bin->second.first = placed;
      if (placed.value > bin->second.second.value) bin->second.second = placed;
    }
  std::vector<PlotPoint> points;
  for (const auto& [bin, extremes] : bins) {
    const auto [low, high] = extremes;
    points.push_back(low.seconds <= high.seconds ? low : high);
    if (low.seconds != high.seconds || low.value != high.value)
      points.push_back(low.seconds <= high.seconds ? high : low);
  }
  return points;
}

// One system's plot of multipath column `k` against elevation; empty when
// none of its satellites has a value with a known elevation.
std::string ElevationPlot(const StatisticsCollector& statistics, const PlotCollector& plots,
                          std::size_t k, char letter) {
  const SkyView& sky = *statistics.Sky();
  const std::string& label = statistics.Columns().labels[k];
  PlotFrame frame;
  frame.axis = PlotAxis::Elevation;
  frame.cssClass = "elevation-plot";
  frame.valueTitle = label + " less arc means (" + statistics.Kinds()[k].unit + ")";
  frame.firstSeconds = 0;
  frame.lastSeconds = 90;
  std::vector<PlotLine> lines;
  std::vector<PlotMarker> markers;
  std::string legend = "<div class=\"legend\">";
  std::size_t styles = 0;  // the colours of the time plots
  for (std::size_t s = 0; s < statistics.Satellites().size(); s++) {
    if (!Drawn(statistics, plots, s, k, letter)) continue;
    const SatelliteStats& satellite = statistics.Satellites()[s];
    const LineStyle style = SatelliteStyle(styles++);
    const SkyTrack* track = TrackOf(sky, satellite.name);
    if (track == nullptr) continue;
    PlotLine line{style, satellite.name, {AtElevation(plots.Segments(s, k), *track)}};
    PlotLine low{style, satellite.name, {AtElevation(plots.MaskedSegments(s, k), *track)}, true};
    if (line.segments[0].empty() && low.segments[0].empty()) continue;
    legend += "<span>" + StyleSample(style) + HtmlEscape(satellite.name) + "</span>";
    for (PlotLine* drawn : {&low, &line})
      if (!drawn->segments[0].empty()) lines.push_back(*drawn);
    for (PlotMarker marker : Markers(statistics, plots, s, k)) {
      double elevation = 0;
      if (!ElevationAt(*track, marker.seconds, elevation)) continue;
      marker.seconds = elevation;
      markers.push_back(marker);
    }
  }
  if (lines.empty()) return "";
  return "<h4>" + HtmlEscape(SystemName(letter) + ": " + label + " against elevation") + "</h4>\n" +
         SvgTimeSeries(frame, lines, markers) + legend + "</div>\n";
}

// Per system, each multipath column against the satellites' elevation at
// the base, or why there is no geometry.
std::string ElevationSection(const StatisticsCollector& statistics, const PlotCollector& plots) {
  const SkyView* sky = statistics.Sky();
  if (sky == nullptr || !sky->missing.empty())
    return "<p>" + HtmlEscape(sky != nullptr ? sky->missing : "Geometry: none.") + "</p>\n";
  std::string plotsHtml;
  for (std::size_t k = 0; k < statistics.Columns().labels.size(); k++) {
    if (statistics.Columns().labels[k].rfind("MP", 0) != 0) continue;
    for (char letter : ConstellationLetters(statistics))
      plotsHtml += ElevationPlot(statistics, plots, k, letter);
  }
  if (plotsHtml.empty()) return "<p>No multipath column has a value of known elevation.</p>\n";
  return "<p>Each satellite's multipath less its arc means, at its elevation at the base: the "
         "lowest and the highest value of each half degree. Faint: below the elevation mask, each "
         "stretch less its own mean; red: slips, orange: outliers.</p>\n" +
         plotsHtml;
}

std::string ColumnSection(const StatisticsCollector& statistics, const PlotCollector& plots,
                          std::size_t k) {
  const std::string& label = statistics.Columns().labels[k];
  std::string html =
      "<section><h3>" + HtmlEscape(label + " (" + statistics.Kinds()[k].unit + ")") + "</h3>\n";
  for (char letter : ConstellationLetters(statistics))
    html += ConstellationPlots(statistics, plots, k, letter);
  return html + "</section>\n";
}

// One plot per system of L4 less its previous value, per satellite.
std::string L4RateSection(const StatisticsCollector& statistics, const L4RateCollector& rates) {
  if (!rates.HasL4()) return "";
  std::string html =
      "<section><h3>Ionosphere rate: L4 less its previous value (m)</h3>\n"
      "<p>Slips stand out as spikes, however the ionosphere drifts.</p>\n";
  PlotFrame frame;
  frame.cssClass = "rate-plot";
  frame.valueTitle = "L4 epoch difference (m)";
  frame.firstSeconds = rates.FirstSeconds();
  frame.lastSeconds = std::max(rates.LastSeconds(), rates.FirstSeconds() + 1);
  for (char letter : ConstellationLetters(statistics)) {
    std::vector<PlotLine> lines;
    std::string legend = "<div class=\"legend\">";
    for (std::size_t s = 0; s < rates.Names().size(); s++) {
      const std::string& name = rates.Names()[s];
      if (name.empty() || name[0] != letter) continue;
      PlotLine line{SatelliteStyle(lines.size()), name, rates.Segments(s)};
      if (line.segments.empty()) continue;
      legend += "<span>" + StyleSample(line.style) + HtmlEscape(name) + "</span>";
      lines.push_back(line);
    }
    if (lines.empty()) continue;
    html += "<h4>" + HtmlEscape(SystemName(letter) + ": L4 epoch difference") + "</h4>\n" +
            SvgTimeSeries(frame, lines, {}) + legend + "</div>\n";
  }
  return html + "</section>\n";
}

}  // namespace

std::string HtmlPagePath(const std::string& directory) {
  return (std::filesystem::path(directory) / "index.html").string();
}

bool WriteHtmlReport(const std::string& directory, const StatisticsCollector& statistics,
                     const PlotCollector& plots, const L4RateCollector& rates, bool rawPlots) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  std::ofstream page(HtmlPagePath(directory), std::ios::binary);
  if (!page) return false;
  const std::string& file = statistics.Settings().observationFile;
  page << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
       << "Quintavelmor report: " << HtmlEscape(file) << "</title>\n<style>" << kStyle
       << "</style>\n</head>\n<body>\n<h1>Quintavelmor report: " << HtmlEscape(file) << "</h1>\n"
       << ContextSection(statistics) << TableOfContents()
       << "<h2 id=\"systems\">Summary by constellation</h2>\n"
       << SummaryTable(statistics) << "<h2 id=\"satellites\">Satellites</h2>\n"
       << SatellitesTable(statistics) << "<h2 id=\"availability\">Data availability</h2>\n"
       << "<p>A bar where a satellite has rows, open at its gaps; red: slips, orange: outliers, "
          "dashed across all: clock events.</p>\n"
       << SvgAvailabilityTimeline(statistics) << "<h2 id=\"sky\">Sky plot</h2>\n"
       << SkySection(statistics) << "<h2 id=\"elevation\">Multipath against elevation</h2>\n"
       << ElevationSection(statistics, plots) << "<h2 id=\"events\">Slips and outliers</h2>\n"
       << EventsTable(statistics) << "<h2 id=\"clock\">Clock events</h2>\n"
       << "<p>A jump of the Melbourne-W&uuml;bbena combination that nearly all satellites share "
          "at one epoch: a receiver clock jump, not slips.</p>\n"
       << ClockEventsTable(statistics)
       << "<p>How they are found: see <a href=\"#settings\">Settings</a>.</p>\n<h2 "
          "id=\"plots\">Plots</h2>\n";
  // The screened columns first: their plots show the slips; then the
  // ionosphere's rate, then the other columns.
  for (bool screened : {true, false}) {
    for (std::size_t k = 0; k < statistics.Columns().labels.size(); k++) {
      const ColumnKind& kind = statistics.Kinds()[k];
      if ((kind.kind == SeriesKind::Slips) == screened && (rawPlots || !kind.raw))
        page << ColumnSection(statistics, plots, k);
    }
    if (screened) page << L4RateSection(statistics, rates);
  }
  page << "<h2 id=\"statistics\">Statistics</h2>\n"
       << StatisticsTable(statistics) << "<h2 id=\"settings\">Settings</h2>\n"
       << SettingsSection(statistics) << "</body>\n</html>\n";
  return static_cast<bool>(page.flush());
}
