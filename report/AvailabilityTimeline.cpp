// Drawing the availability timeline.
#include "report/AvailabilityTimeline.h"

#include <algorithm>
#include <cmath>

#include "report/FixedText.h"
#include "report/SvgPlot.h"

namespace {

constexpr int kWidth = 960;
constexpr int kLeft = 70;
constexpr int kRight = 16;
constexpr int kTop = 8;
constexpr int kBottom = 40;
constexpr int kRowHeight = 12;

std::string Number(double value) { return FixedText(value, 1); }

class TimeAxis {
 public:
  TimeAxis(double first, double last) : first_(first), span_(std::max(last - first, 1.0)) {}
  double X(double seconds) const {
    return kLeft + (seconds - first_) / span_ * (kWidth - kLeft - kRight);
  }
  double First() const { return first_; }
  double Last() const { return first_ + span_; }

 private:
  double first_;
  double span_;
};

std::string Ticks(const TimeAxis& axis, double bottom) {
  const double step = std::max(NiceStep(axis.Last() - axis.First(), 8), 1.0);
  std::string svg;
  for (double t = std::ceil(axis.First() / step) * step; t <= axis.Last(); t += step) {
    const std::string x = Number(axis.X(t));
    svg += "<line x1=\"" + x + "\" y1=\"" + Number(kTop) + "\" x2=\"" + x + "\" y2=\"" +
           Number(bottom) + "\" stroke=\"#ddd\"/>\n<text x=\"" + x + "\" y=\"" +
           Number(bottom + 14) + "\" text-anchor=\"middle\" class=\"tick\">" +
           TimeOfDay(t, step < 60) + "</text>\n";
  }
  svg += "<text x=\"" + Number(kLeft + (kWidth - kLeft - kRight) / 2.0) + "\" y=\"" +
         Number(bottom + 34) + "\" text-anchor=\"middle\" class=\"axis\">time of day (hh:mm" +
         std::string(step < 60 ? ":ss" : "") + ")</text>\n";
  return svg;
}

std::string Tick(const TimeAxis& axis, double seconds, double y, const char* cssClass,
                 const std::string& title) {
  const std::string x = Number(axis.X(seconds));
  return "<line class=\"" + std::string(cssClass) + "\" x1=\"" + x + "\" y1=\"" + Number(y) +
         "\" x2=\"" + x + "\" y2=\"" + Number(y + kRowHeight - 2) + "\"><title>" +
         HtmlEscape(title) + "</title></line>\n";
}

std::string SatelliteBar(const StatisticsCollector& statistics, const SatelliteStats& satellite,
                         const TimeAxis& axis, double y) {
  std::string svg = "<g class=\"satellite-bar\"><text x=\"" + Number(kLeft - 6) + "\" y=\"" +
                    Number(y + kRowHeight / 2.0) +
                    "\" text-anchor=\"end\" dominant-baseline=\"middle\" class=\"tick\">" +
                    HtmlEscape(satellite.name) + "</text>\n";
  for (const AvailabilityRun& run : satellite.runs) {
    const double x = axis.X(run.firstSeconds);
    const double width = std::max(axis.X(run.lastSeconds) - x, 1.0);
    svg += "<rect class=\"present\" x=\"" + Number(x) + "\" y=\"" + Number(y + 1) + "\" width=\"" +
           Number(width) + "\" height=\"" + Number(kRowHeight - 4) + "\"><title>" +
           HtmlEscape(satellite.name + " " + TimeOfDay(run.firstSeconds, true) + " to " +
                      TimeOfDay(run.lastSeconds, true)) +
           "</title></rect>\n";
  }
  for (std::size_t k = 0; k < satellite.columns.size(); k++) {
    const SeriesStats& column = satellite.columns[k];
    const std::string& label = statistics.Columns().labels[k];
    for (const SlipMark& mark : column.SlipMarks())
      svg += Tick(axis, mark.seconds, y, "slip-mark",
                  satellite.name + " " + label + " slip at " + mark.epoch);
    for (const SlipEvent& event : column.Events())
      if (event.kind == SlipEventKind::Outlier)
        svg += Tick(axis, event.seconds, y, "outlier-mark",
                    satellite.name + " " + label + " outlier at " + event.epoch);
  }
  return svg + "</g>\n";
}

}  // namespace

std::string SvgAvailabilityTimeline(const StatisticsCollector& statistics) {
  const std::vector<SatelliteStats>& satellites = statistics.Satellites();
  if (satellites.empty()) return "<p>No rows.</p>\n";
  double first = satellites.front().firstSeconds, last = satellites.front().lastSeconds;
  for (const SatelliteStats& satellite : satellites) {
    first = std::min(first, satellite.firstSeconds);
    last = std::max(last, satellite.lastSeconds);
  }
  const TimeAxis axis(first, last);
  const double bottom = kTop + kRowHeight * static_cast<double>(satellites.size());
  const int height = static_cast<int>(bottom) + kBottom;
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"timeline\" width=\"" +
                    std::to_string(kWidth) + "\" height=\"" + std::to_string(height) +
                    "\" viewBox=\"0 0 " + std::to_string(kWidth) + " " + std::to_string(height) +
                    "\">\n" + Ticks(axis, bottom);
  svg += "<text transform=\"translate(12," + Number((kTop + bottom) / 2) +
         ") rotate(-90)\" text-anchor=\"middle\" class=\"axis\">satellite (name)</text>\n";
  for (std::size_t s = 0; s < satellites.size(); s++)
    svg +=
        SatelliteBar(statistics, satellites[s], axis, kTop + kRowHeight * static_cast<double>(s));
  for (const ClockEvent& event : statistics.ClockEvents()) {
    const std::string x = Number(axis.X(event.seconds));
    svg += "<line class=\"clock-mark\" x1=\"" + x + "\" y1=\"" + Number(kTop) + "\" x2=\"" + x +
           "\" y2=\"" + Number(bottom) + "\"><title>clock event at " + HtmlEscape(event.epoch) +
           "</title></line>\n";
  }
  return svg + "</svg>\n";
}
