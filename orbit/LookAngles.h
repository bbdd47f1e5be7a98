// LookAngles: where a satellite stands in a station's sky, from the two
// Earth-fixed positions, on the WGS84 ellipsoid.
#ifndef ORBIT_LOOKANGLES_H
#define ORBIT_LOOKANGLES_H

#include "GNSS/xyz.h"

struct LookAngles {
  double elevation = 0;  // degrees above the horizon, -90 to 90
  double azimuth = 0;    // degrees from north through east, 0 to below 360
};

// Geodetic latitude and longitude (radians) and height (metres) on WGS84.
struct GeodeticPosition {
  double latitude = 0;
  double longitude = 0;
  double height = 0;
};

GeodeticPosition GeodeticOf(const xyz& position);
// The angles of `satellite` seen from `station`, whose horizon is the
// ellipsoid's tangent plane.
LookAngles LookAnglesOf(const xyz& station, const xyz& satellite);

#endif
