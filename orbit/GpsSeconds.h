// Time of the orbit arithmetic: seconds of GPS time since the start of GPS
// week 0 (1980-01-06), in double precision (a microsecond over a century).
#ifndef ORBIT_GPSSECONDS_H
#define ORBIT_GPSSECONDS_H

#include <cstdint>

#include "GNSS/mjd.h"

constexpr double kSecondsPerWeek = 604800.0;
// BeiDou time runs 14 s behind GPS time.
constexpr double kBeiDouBehindGps = 14.0;

// The GPS seconds of an epoch held as modified Julian date in GPS time.
double GpsSeconds(const mjd& t);
// The same count for ticks of 100 ns since modified Julian day 0, in
// whichever time scale the ticks are.
double SecondsOfTicks(int64_t ticks);
// GPS - UTC in whole seconds at a time given as GPS seconds.
int LeapSecondsAt(double gpsSeconds);

#endif
