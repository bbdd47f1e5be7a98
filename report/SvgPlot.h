// Inline SVG time-series plots: axes with time-of-day ticks, value ticks with
// the column's unit, one coloured line per satellite, gaps left open.
#ifndef REPORT_SVGPLOT_H
#define REPORT_SVGPLOT_H

#include <string>
#include <vector>

#include "report/PlotCollector.h"

struct PlotLine {
  std::string colour;  // CSS colour
  std::string name;    // satellite, for the hover title
  PlotSegments segments;
};

struct PlotFrame {
  int width = 960;
  int height = 300;
  bool axes = true;        // ticks and labels (small plots have none)
  std::string cssClass;    // class of the <svg> element
  std::string valueTitle;  // e.g. "MP1[C] (m)"
  double firstSeconds = 0;
  double lastSeconds = 1;
};

// Text made safe inside HTML or SVG markup.
std::string HtmlEscape(const std::string& text);

// The colour of the i-th satellite: hues spread by the golden angle.
std::string SatelliteColour(std::size_t index);

// A nice tick step of about span / wanted (1, 2 or 5 times a power of ten).
double NiceStep(double span, int wanted);

// "HH:MM" (or "HH:MM:SS" when `withSeconds`) of a time in seconds since a
// midnight; days wrap.
std::string TimeOfDay(double seconds, bool withSeconds);

std::string SvgTimeSeries(const PlotFrame& frame, const std::vector<PlotLine>& lines);

#endif
