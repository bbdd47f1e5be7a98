// Inline SVG time-series plots: a frame with time-of-day ticks, value ticks
// and both axes titled with their units, one line per satellite (a colour
// and a dash pattern each), gaps left open, and markers for slips and
// outliers.  Large and small plots differ only in size and lettering.
#ifndef REPORT_SVGPLOT_H
#define REPORT_SVGPLOT_H

#include <string>
#include <vector>

#include "report/PlotCollector.h"

// How a satellite's line is drawn.
struct LineStyle {
  std::string colour;  // CSS colour
  std::string dash;    // SVG stroke-dasharray, empty for a solid line
};

struct PlotLine {
  LineStyle style;
  std::string name;  // satellite, for the hover title
  PlotSegments segments;
  bool faint = false;  // values below the elevation mask
};

// A slip or an outlier where it was found; values outside the plot's range
// are drawn at its edge.
struct PlotMarker {
  double seconds = 0;
  double value = 0;
  bool slip = true;
  std::string title;  // hover text
};

// What the horizontal axis holds: the points' `seconds` as a time of day, or
// as an elevation in degrees (the points then drawn as dots, unjoined).
enum class PlotAxis { TimeOfDay, Elevation };

struct PlotFrame {
  PlotAxis axis = PlotAxis::TimeOfDay;
  int width = 960;
  int height = 300;
  bool small = false;      // a satellite's own plot: smaller lettering, fewer ticks
  std::string cssClass;    // class of the <svg> element
  std::string valueTitle;  // e.g. "MP1[C] - arc mean (m)"
  double firstSeconds = 0;
  double lastSeconds = 1;
};

// Text made safe inside HTML or SVG markup.
std::string HtmlEscape(const std::string& text);

// The style of the i-th satellite of a plot: 20 colours that stay apart on
// white, then the same colours dashed, dotted and dash-dotted, so 80
// satellites get styles of their own.
LineStyle SatelliteStyle(std::size_t index);

// A nice tick step of about span / wanted (1, 2 or 5 times a power of ten).
double NiceStep(double span, int wanted);

// "HH:MM" (or "HH:MM:SS" when `withSeconds`) of a time in seconds since a
// midnight; days wrap.
std::string TimeOfDay(double seconds, bool withSeconds);

// A legend entry's sample of a line style, as inline SVG.
std::string StyleSample(const LineStyle& style);

std::string SvgTimeSeries(const PlotFrame& frame, const std::vector<PlotLine>& lines,
                          const std::vector<PlotMarker>& markers);

#endif
