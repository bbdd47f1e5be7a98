// What the page shows of the satellites' geometry: each satellite's track
// across the base's sky with its elevation range, its slips and outliers
// where they happened, and the one line that says why there is no geometry
// when there is none.
#ifndef REPORT_SKYVIEW_H
#define REPORT_SKYVIEW_H

#include <string>
#include <vector>

struct SkyPoint {
  double seconds = 0;
  double elevation = 0;  // degrees
  double azimuth = 0;    // degrees from north through east
};

struct SkyTrack {
  std::string name;
  std::vector<SkyPoint> points;  // a minute apart, in time order
  double lowest = 0;             // elevation range of the rows, degrees
  double highest = 0;
  bool any = false;  // any row with known angles
};

struct SkyMark {
  double elevation = 0;
  double azimuth = 0;
  bool slip = true;   // else an outlier
  std::string title;  // hover text
};

struct SkyView {
  std::string missing;  // why there is no geometry; empty when there is
  std::vector<std::string> notes;
  std::vector<SkyTrack> tracks;
  std::vector<SkyMark> marks;
  double elevationMask = 0;  // degrees; below it values take no part in statistics
};

// The track of satellite `name`, or null.
const SkyTrack* TrackOf(const SkyView& sky, const std::string& name);

// The elevation of the track's satellite at `seconds`, between its points
// (or within a minute of its ends); false where the track does not reach.
bool ElevationAt(const SkyTrack& track, double seconds, double& elevation);

// The polar sky plot: north up, east right, the zenith in the middle, rings
// every 30 degrees; one line per satellite (faint below the mask), slips and
// outliers marked.
std::string SvgSkyPlot(const SkyView& sky);

#endif
