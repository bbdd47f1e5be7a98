// Inline SVG time-series plots.
#include "report/SvgPlot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "report/FixedText.h"

namespace {

struct Margins {
  double left, right, top, bottom;
};

struct ValueRange {
  double low, high;
};

// Lettering and tick density of the two sizes.
struct Lettering {
  Margins margins;
  int timeTicks;     // about this many time ticks
  int valueTicks;    // about this many value ticks
  double labelDrop;  // from the frame's bottom to the time labels' baseline
  const char* tickClass;
  const char* axisClass;
};

const Lettering kLarge{{78, 22, 10, 40}, 8, 5, 16, "tick", "axis"};
const Lettering kSmall{{50, 16, 8, 30}, 3, 3, 11, "tick small", "axis small"};

// Colours far apart in hue and lightness, dark enough for thin lines on white.
const char* const kColours[] = {"#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd",
                                "#8c564b", "#e377c2", "#17becf", "#7f7f7f", "#bcbd22",
                                "#393b79", "#637939", "#8c6d31", "#843c39", "#7b4173",
                                "#3182bd", "#e6550d", "#31a354", "#756bb1", "#000000"};
const char* const kDashes[] = {"", "6 3", "1.5 2.5", "8 3 2 3"};
constexpr std::size_t kColourCount = sizeof kColours / sizeof kColours[0];
constexpr std::size_t kDashCount = sizeof kDashes / sizeof kDashes[0];

std::string Number(double value) { return FixedText(value, 1); }

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
double TimeStep(double span, int wanted) {
  static const double kSteps[] = {1,     2,     5,     10,    15,     30,    60,
                                  120,   300,   600,   900,   1800,   3600,  7200,
                                  10800, 21600, 43200, 86400, 172800, 604800};
  for (double step : kSteps)
    if (span / step <= wanted) return step;
  return kSteps[sizeof kSteps / sizeof kSteps[0] - 1];
}

class Canvas {
 public:
  Canvas(const PlotFrame& frame, ValueRange range, const Margins& margins)
      : frame_(frame), range_(range), margins_(margins) {}

  double X(double seconds) const {
    const double span = std::max(frame_.lastSeconds - frame_.firstSeconds, 1e-9);
    return margins_.left + (seconds - frame_.firstSeconds) / span * PlotWidth();
  }
  // Values outside the range are drawn at its edge.
  double Y(double value) const {
    const double clamped = std::min(std::max(value, range_.low), range_.high);
    return margins_.top + (range_.high - clamped) / (range_.high - range_.low) * PlotHeight();
  }
  // Whether a value lies outside the drawn range (and is drawn at its edge).
  bool Beyond(double value) const { return value < range_.low || value > range_.high; }
  double PlotWidth() const { return frame_.width - margins_.left - margins_.right; }
  double PlotHeight() const { return frame_.height - margins_.top - margins_.bottom; }
  const Margins& Edges() const { return margins_; }

 private:
  const PlotFrame& frame_;
  ValueRange range_;
  Margins margins_;
};

std::string TimeTicks(const PlotFrame& frame, const Canvas& canvas, const Lettering& lettering) {
  const Margins& m = canvas.Edges();
  const double bottom = frame.height - m.bottom;
  const double span = frame.lastSeconds - frame.firstSeconds;
  const bool elevation = frame.axis == PlotAxis::Elevation;
  const double step =
      elevation ? NiceStep(span, lettering.timeTicks) : TimeStep(span, lettering.timeTicks);
  std::string svg;
  for (double t = std::ceil(frame.firstSeconds / step) * step; t <= frame.lastSeconds; t += step) {
    const std::string x = Number(canvas.X(t));
    svg += "<line x1=\"" + x + "\" y1=\"" + Number(m.top) + "\" x2=\"" + x + "\" y2=\"" +
           Number(bottom) + "\" stroke=\"#ddd\"/>\n";
    svg += "<text x=\"" + x + "\" y=\"" + Number(bottom + lettering.labelDrop) +
           "\" text-anchor=\"middle\" class=\"" + lettering.tickClass + "\">" +
           (elevation ? FixedText(t, 0) : TimeOfDay(t, step < 60)) + "</text>\n";
  }
  const std::string title = elevation
                                ? "elevation (deg)"
                                : "time of day (hh:mm" + std::string(step < 60 ? ":ss" : "") + ")";
  svg += "<text x=\"" + Number(m.left + canvas.PlotWidth() / 2) + "\" y=\"" +
         Number(frame.height - 3.0) + "\" text-anchor=\"middle\" class=\"" + lettering.axisClass +
         "\">" + title + "</text>\n";
  return svg;
}

std::string ValueTicks(const PlotFrame& frame, const Canvas& canvas, ValueRange range,
                       const Lettering& lettering) {
  const Margins& m = canvas.Edges();
  double step = NiceStep(range.high - range.low, lettering.valueTicks);
  // At least two ticks, so that the scale can be read.
  if (std::floor(range.high / step) - std::ceil(range.low / step) < 1)
    step = NiceStep(range.high - range.low, 2 * lettering.valueTicks);
  const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
  std::string svg;
  for (double v = std::ceil(range.low / step) * step; v <= range.high; v += step) {
    const std::string y = Number(canvas.Y(v));
    const std::string label = FixedText(std::fabs(v) < step / 2 ? 0.0 : v, decimals);
    svg += "<line x1=\"" + Number(m.left) + "\" y1=\"" + y + "\" x2=\"" +
           Number(frame.width - m.right) + "\" y2=\"" + y + "\" stroke=\"#eee\"/>\n";
    svg += "<text x=\"" + Number(m.left - 3) + "\" y=\"" + y +
           "\" text-anchor=\"end\" dominant-baseline=\"middle\" class=\"" + lettering.tickClass +
           "\">" + label + "</text>\n";
  }
  svg += "<text transform=\"translate(" + Number(frame.small ? 9 : 14) + "," +
         Number(m.top + canvas.PlotHeight() / 2) +
         ") rotate(-90)\" text-anchor=\"middle\" class=\"" + lettering.axisClass + "\">" +
         HtmlEscape(frame.valueTitle) + "</text>\n";
  return svg;
}

std::string Axes(const PlotFrame& frame, const Canvas& canvas, ValueRange range,
                 const Lettering& lettering) {
  const Margins& m = canvas.Edges();
  return "<rect x=\"" + Number(m.left) + "\" y=\"" + Number(m.top) + "\" width=\"" +
         Number(canvas.PlotWidth()) + "\" height=\"" + Number(canvas.PlotHeight()) +
         "\" fill=\"none\" stroke=\"#888\"/>\n" + TimeTicks(frame, canvas, lettering) +
         ValueTicks(frame, canvas, range, lettering);
}

// A segment reduced to the plot's resolution: of the points that fall in one
// pixel column, the lowest and the highest, in time order, so that a spike
// stays visible however many values the column holds.
std::vector<PlotPoint> PixelColumns(const Canvas& canvas, const std::vector<PlotPoint>& segment) {
  std::vector<PlotPoint> kept;
  std::size_t i = 0;
  while (i < segment.size()) {
    const long column = std::lround(canvas.X(segment[i].seconds));
    PlotPoint low = segment[i], high = segment[i];
    for (i++; i < segment.size() && std::lround(canvas.X(segment[i].seconds)) == column; i++) {
      if (segment[i].value < low.value) low = segment[i];
      if (segment[i].value > high.value) high = segment[i];
    }
    const bool lowFirst = low.seconds <= high.seconds;
    kept.push_back(lowFirst ? low : high);
    if (low.seconds != high.seconds || low.value != high.value)
      kept.push_back(lowFirst ? high : low);
  }
  return kept;
}

// A line through the points, or (`dots`) a dot at each, which the round
// caps of a zero-length stroke draw.
std::string Path(const Canvas& canvas, const PlotLine& line, bool dots) {
  std::string d;
  for (const std::vector<PlotPoint>& full : line.segments) {
    const std::vector<PlotPoint> segment = PixelColumns(canvas, full);
    for (std::size_t i = 0; i < segment.size(); i++) {
      d += i == 0 || dots ? "M" : "L";
      d += Number(canvas.X(segment[i].seconds)) + " " + Number(canvas.Y(segment[i].value));
      if (dots) d += "l0 0";
    }
    if (segment.size() == 1 && !dots) d += "l0 0";
  }
  std::string style;
  if (!line.style.dash.empty() && !dots) style = "\" stroke-dasharray=\"" + line.style.dash;
  if (dots) style += "\" stroke-width=\"3";
  if (line.faint) style += "\" stroke-opacity=\"0.3";
  return "<path d=\"" + d + "\" stroke=\"" + line.style.colour + style + "\"><title>" +
         HtmlEscape(line.name + (line.faint ? " below the elevation mask" : "")) +
         "</title></path>\n";
}

// A slip: a red triangle pointing down at the value; an outlier: an orange ring.
std::string Marker(const Canvas& canvas, const PlotMarker& marker, bool small) {
  const double x = canvas.X(marker.seconds);
  const double y = canvas.Y(marker.value);
  const double size = small ? 4 : 6;
  // A value beyond the drawn range sits at its edge; the hover text says so.
  const bool beyond = canvas.Beyond(marker.value);
  const std::string title =
      "<title>" +
      HtmlEscape(marker.title + (beyond ? " (drawn at the edge: " + FixedText(marker.value, 3) +
                                              " beyond the range)"
                                        : std::string())) +
      "</title>";
  if (!marker.slip)
    return "<circle class=\"" + std::string(beyond ? "outlier beyond" : "outlier") + "\" cx=\"" +
           Number(x) + "\" cy=\"" + Number(y) + "\" r=\"" + Number(size * 0.7) + "\">" + title +
           "</circle>\n";
  return "<path class=\"" + std::string(beyond ? "slip beyond" : "slip") + "\" d=\"M" +
         Number(x - size) + " " + Number(y - 1.6 * size) + "L" + Number(x + size) + " " +
         Number(y - 1.6 * size) + "L" + Number(x) + " " + Number(y) + "Z\">" + title + "</path>\n";
}

}  // namespace

std::string HtmlEscape(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

LineStyle SatelliteStyle(std::size_t index) {
  return LineStyle{kColours[index % kColourCount], kDashes[index / kColourCount % kDashCount]};
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

std::string StyleSample(const LineStyle& style) {
  std::string dash;
  if (!style.dash.empty()) dash = "\" stroke-dasharray=\"" + style.dash;
  return "<svg class=\"sample\" width=\"28\" height=\"8\"><line x1=\"1\" y1=\"4\" x2=\"27\" "
         "y2=\"4\" stroke-width=\"2\" stroke=\"" +
         style.colour + dash + "\"/></svg>";
}

std::string SvgTimeSeries(const PlotFrame& frame, const std::vector<PlotLine>& lines,
                          const std::vector<PlotMarker>& markers) {
  const Lettering& lettering = frame.small ? kSmall : kLarge;
  const ValueRange range = RangeOf(lines);
  const Canvas canvas(frame, range, lettering.margins);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"" + frame.cssClass +
                    "\" width=\"" + std::to_string(frame.width) + "\" height=\"" +
                    std::to_string(frame.height) + "\" viewBox=\"0 0 " +
                    std::to_string(frame.width) + " " + std::to_string(frame.height) + "\">\n";
  svg += Axes(frame, canvas, range, lettering);
  svg +=
      "<g fill=\"none\" stroke-width=\"1.2\" stroke-linecap=\"round\" "
      "stroke-linejoin=\"round\">\n";
  for (const PlotLine& line : lines) svg += Path(canvas, line, frame.axis == PlotAxis::Elevation);
  svg += "</g>\n";
  for (const PlotMarker& marker : markers) svg += Marker(canvas, marker, frame.small);
  return svg + "</svg>\n";
}
