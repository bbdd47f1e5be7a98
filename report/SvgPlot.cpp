// Inline SVG time-series plots.
#include "report/SvgPlot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

struct Margins {
  double left, right, top, bottom;
};

struct ValueRange {
  double low, high;
};

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

ValueRange RangeOf(const std::vector<PlotLine>& lines) {
  bool any = false;
  ValueRange range{0, 0};
  for (const PlotLine& line : lines)
    for (const std::vector<PlotPoint>& segment : line.segments)
      for (const PlotPoint& point : segment) {
        range.low = any ? std::min(range.low, point.value) : point.value;
        range.high = any ? std::max(range.high, point.value) : point.value;
        any = true;
      }
  if (range.high - range.low < 1e-9 * std::max(1.0, std::fabs(range.high))) {
    const double pad = std::max(1e-3, std::fabs(range.high) * 1e-3);
    range.low -= pad;
    range.high += pad;
  }
  return range;
}

// Time steps a tick may take, in seconds.
double TimeStep(double span) {
  static const double kSteps[] = {1,    2,    5,    10,    15,    30,    60,     120,
                                  300,  600,  900,  1800,  3600,  7200,  10800,  21600,
                                  43200, 86400, 172800, 604800};
  for (double step : kSteps)
    if (span / step <= 8) return step;
  return kSteps[sizeof kSteps / sizeof kSteps[0] - 1];
}

class Canvas {
 public:
  Canvas(const PlotFrame& frame, ValueRange range)
      : frame_(frame),
        range_(range),
        margins_(frame.axes ? Margins{78, 12, 10, 40} : Margins{4, 4, 4, 4}) {}

  double X(double seconds) const {
    const double span = std::max(frame_.lastSeconds - frame_.firstSeconds, 1e-9);
    return margins_.left + (seconds - frame_.firstSeconds) / span * PlotWidth();
  }
  double Y(double value) const {
    return margins_.top + (range_.high - value) / (range_.high - range_.low) * PlotHeight();
  }
  double PlotWidth() const { return frame_.width - margins_.left - margins_.right; }
  double PlotHeight() const { return frame_.height - margins_.top - margins_.bottom; }
  const Margins& Edges() const { return margins_; }

 private:
  const PlotFrame& frame_;
  ValueRange range_;
  Margins margins_;
};

std::string Axes(const PlotFrame& frame, const Canvas& canvas, ValueRange range) {
  std::string svg;
  const Margins& m = canvas.Edges();
  const double bottom = frame.height - m.bottom;
  svg += "<rect x=\"" + Number(m.left) + "\" y=\"" + Number(m.top) + "\" width=\"" +
         Number(canvas.PlotWidth()) + "\" height=\"" + Number(canvas.PlotHeight()) +
         "\" fill=\"none\" stroke=\"#888\"/>\n";
  const double span = frame.lastSeconds - frame.firstSeconds;
  const double timeStep = TimeStep(span);
  for (double t = std::ceil(frame.firstSeconds / timeStep) * timeStep; t <= frame.lastSeconds;
       t += timeStep) {
    const std::string x = Number(canvas.X(t));
    svg += "<line x1=\"" + x + "\" y1=\"" + Number(m.top) + "\" x2=\"" + x + "\" y2=\"" +
           Number(bottom) + "\" stroke=\"#ddd\"/>\n";
    svg += "<text x=\"" + x + "\" y=\"" + Number(bottom + 16) +
           "\" text-anchor=\"middle\" class=\"tick\">" + TimeOfDay(t, timeStep < 60) + "</text>\n";
  }
  const double valueStep = NiceStep(range.high - range.low, 5);
  const int decimals = valueStep >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(valueStep)));
  for (double v = std::ceil(range.low / valueStep) * valueStep; v <= range.high;
       v += valueStep) {
    const std::string y = Number(canvas.Y(v));
    char label[64];
    std::snprintf(label, sizeof label, "%.*f", decimals, std::fabs(v) < valueStep / 2 ? 0.0 : v);
    svg += "<line x1=\"" + Number(m.left) + "\" y1=\"" + y + "\" x2=\"" +
           Number(frame.width - m.right) + "\" y2=\"" + y + "\" stroke=\"#eee\"/>\n";
    svg += "<text x=\"" + Number(m.left - 4) + "\" y=\"" + y +
           "\" text-anchor=\"end\" dominant-baseline=\"middle\" class=\"tick\">" + label +
           "</text>\n";
  }
  svg += "<text x=\"" + Number(m.left + canvas.PlotWidth() / 2) + "\" y=\"" +
         Number(frame.height - 4.0) + "\" text-anchor=\"middle\" class=\"axis\">time of day (hh:mm" +
         std::string(timeStep < 60 ? ":ss" : "") + ")</text>\n";
  svg += "<text transform=\"translate(14," + Number(m.top + canvas.PlotHeight() / 2) +
         ") rotate(-90)\" text-anchor=\"middle\" class=\"axis\">" + HtmlEscape(frame.valueTitle) +
         "</text>\n";
  return svg;
}

std::string Path(const Canvas& canvas, const PlotLine& line) {
  std::string d;
  for (const std::vector<PlotPoint>& segment : line.segments) {
    for (std::size_t i = 0; i < segment.size(); i++) {
      d += i == 0 ? "M" : "L";
      d += Number(canvas.X(segment[i].seconds)) + " " + Number(canvas.Y(segment[i].value));
    }
    if (segment.size() == 1) d += "l0 0";
  }
  return "<path d=\"" + d + "\" stroke=\"" + line.colour +
         "\"><title>" + HtmlEscape(line.name) + "</title></path>\n";
}

}  // namespace

std::string HtmlEscape(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string SatelliteColour(std::size_t index) {
  const int hue = static_cast<int>(std::fmod(static_cast<double>(index) * 137.508, 360.0));
  return "hsl(" + std::to_string(hue) + ",70%," + (index % 2 ? "38%" : "48%") + ")";
}

double NiceStep(double span, int wanted) {
  const double raw = span / wanted;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  for (double factor : {1.0, 2.0, 5.0})
    if (raw <= factor * magnitude) return factor * magnitude;
  return 10 * magnitude;
}

std::string TimeOfDay(double seconds, bool withSeconds) {
  long whole = std::lround(seconds);
  whole = ((whole % 86400) + 86400) % 86400;
  char text[16];
  if (withSeconds)
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", whole / 3600, whole / 60 % 60,
                  whole % 60);
  else
    std::snprintf(text, sizeof text, "%02ld:%02ld", whole / 3600, whole / 60 % 60);
  return text;
}

std::string SvgTimeSeries(const PlotFrame& frame, const std::vector<PlotLine>& lines) {
  const ValueRange range = RangeOf(lines);
  const Canvas canvas(frame, range);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"" + frame.cssClass +
                    "\" width=\"" + std::to_string(frame.width) + "\" height=\"" +
                    std::to_string(frame.height) + "\" viewBox=\"0 0 " +
                    std::to_string(frame.width) + " " + std::to_string(frame.height) + "\">\n";
  if (frame.axes) svg += Axes(frame, canvas, range);
  svg += "<g fill=\"none\" stroke-width=\"1.2\" stroke-linecap=\"round\" "
         "stroke-linejoin=\"round\">\n";
  for (const PlotLine& line : lines) svg += Path(canvas, line);
  svg += "</g>\n</svg>\n";
  return svg;
}
