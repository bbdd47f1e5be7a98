// Drawing the sky plot.
#include <algorithm>
#include <cmath>

#include "report/FixedText.h"
#include "report/SkyView.h"
#include "report/SvgPlot.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSize = 520;
constexpr double kCentre = kSize / 2.0;
constexpr double kRadius = kSize / 2.0 - 40;

std::string Number(double value) { return FixedText(value, 1); }

// The plot position of a direction: the horizon on the outer ring.
void Place(double elevation, double azimuth, double& x, double& y) {
  const double r = kRadius * (90 - std::max(elevation, 0.0)) / 90;
  x = kCentre + r * std::sin(azimuth * kPi / 180);
  y = kCentre - r * std::cos(azimuth * kPi / 180);
}

std::string Grid() {
  std::string svg;
  for (int elevation : {0, 30, 60}) {
    const double r = kRadius * (90 - elevation) / 90;
    svg += "<circle cx=\"" + Number(kCentre) + "\" cy=\"" + Number(kCentre) + "\" r=\"" +
           Number(r) + "\" fill=\"none\" stroke=\"#ccc\"/>\n<text x=\"" + Number(kCentre + 3) +
           "\" y=\"" + Number(kCentre - r - 2) + "\" class=\"tick\">" + std::to_string(elevation) +
           "&#176;</text>\n";
  }
  const char* const kDirections[] = {"N", "E", "S", "W"};
  for (int k = 0; k < 4; k++) {
    double x = 0, y = 0;
    Place(-8, 90.0 * k, x, y);
    svg += "<text x=\"" + Number(x) + "\" y=\"" + Number(y) +
           "\" text-anchor=\"middle\" dominant-baseline=\"middle\" class=\"axis\">" +
           kDirections[k] + "</text>\n";
  }
  return svg;
}

// A track as runs of points above and below the mask, the latter faint.
std::string Track(const SkyTrack& track, const LineStyle& style, double mask) {
  std::string svg;
  std::string d;
  bool low = false;
  const auto flush = [&](bool faint) {
    if (d.empty()) return;
    svg += "<path d=\"" + d + "\" stroke=\"" + style.colour + "\"" +
           (faint ? " stroke-opacity=\"0.3\"" : "") + "><title>" + HtmlEscape(track.name) +
           "</title></path>\n";
    d.clear();
  };
  const SkyPoint* previous = nullptr;
  for (const SkyPoint& point : track.points) {
    const bool below = point.elevation < mask;
    // A jump across the plot (more than 10 minutes apart) breaks the line.
    const bool apart = previous != nullptr && point.seconds - previous->seconds > 600;
    if (previous != nullptr && (below != low || apart)) {
      flush(low);
      if (!apart) {
        double x = 0, y = 0;
        Place(previous->elevation, previous->azimuth, x, y);
        d = "M" + Number(x) + " " + Number(y);
      }
    }
    low = below;
    double x = 0, y = 0;
    Place(point.elevation, point.azimuth, x, y);
    d += (d.empty() ? "M" : " L") + Number(x) + " " + Number(y);
    previous = &point;
  }
  flush(low);
  return svg;
}

}  // namespace

const SkyTrack* TrackOf(const SkyView& sky, const std::string& name) {
  for (const SkyTrack& track : sky.tracks)
    if (track.name == name) return &track;
  return nullptr;
}

bool ElevationAt(const SkyTrack& track, double seconds, double& elevation) {
  // Points are a minute apart; farther apart, the satellite was not seen between.
  constexpr double kReach = 60, kLongestStep = 600;
  const std::vector<SkyPoint>& points = track.points;
  const auto after =
      std::lower_bound(points.begin(), points.end(), seconds,
                       [](const SkyPoint& point, double time) { return point.seconds < time; });
  if (after != points.end() && after->seconds - seconds <= kReach &&
      (after == points.begin() || after->seconds == seconds)) {
    elevation = after->elevation;
    return true;
  }
  if (after == points.begin()) return false;
  const SkyPoint& before = *(after - 1);
  if (after == points.end() || after->seconds - before.seconds > kLongestStep) {
    const bool nearBefore = seconds - before.seconds <= kReach;
    const bool nearAfter = after != points.end() && after->seconds - seconds <= kReach;
    if (!nearBefore && !nearAfter) return false;
    elevation = nearBefore ? before.elevation : after->elevation;
    return true;
  }
  const double f = (seconds - before.seconds) / (after->seconds - before.seconds);
  elevation = before.elevation + f * (after->elevation - before.elevation);
  return true;
}

std::string SvgSkyPlot(const SkyView& sky) {
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"sky-plot\" width=\"" +
                    std::to_string(kSize) + "\" height=\"" + std::to_string(kSize) +
                    "\" viewBox=\"0 0 " + std::to_string(kSize) + " " + std::to_string(kSize) +
                    "\">\n" + Grid();
  // Titles both axes as the time plots do: azimuth round, elevation inward.
  svg += "<text x=\"" + Number(kCentre) + "\" y=\"" + Number(kSize - 3.0) +
         "\" text-anchor=\"middle\" class=\"axis\">azimuth (deg)</text>\n";
  svg += "<text transform=\"translate(12," + Number(kCentre) +
         ") rotate(-90)\" text-anchor=\"middle\" class=\"axis\">elevation (deg)</text>\n";
  svg += "<g fill=\"none\" stroke-width=\"1.5\">\n";
  std::size_t styles = 0;
  for (const SkyTrack& track : sky.tracks)
    if (!track.points.empty())
      svg += "<g class=\"sky-track\">" + Track(track, SatelliteStyle(styles++), sky.elevationMask) +
             "</g>\n";
  svg += "</g>\n";
  for (const SkyMark& mark : sky.marks) {
    double x = 0, y = 0;
    Place(mark.elevation, mark.azimuth, x, y);
    svg += std::string("<circle class=\"") + (mark.slip ? "slip" : "outlier") + "\" cx=\"" +
           Number(x) + "\" cy=\"" + Number(y) + "\" r=\"4\"><title>" + HtmlEscape(mark.title) +
           "</title></circle>\n";
  }
  return svg + "</svg>\n";
}
