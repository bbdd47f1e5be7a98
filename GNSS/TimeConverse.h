// Conversions between mjd, ymdhms and GPSws, the leap-year rule and the
// GPS - UTC leap-second table.  No conversion changes the time scale.
#ifndef GNSS_TIMECONVERSE_H
#define GNSS_TIMECONVERSE_H

#include "GNSS/GPSws.h"
#include "GNSS/mjd.h"
#include "GNSS/ymdhms.h"

// 1 for a Gregorian leap year, else 0 (also for year 0 and below).
int LeapYear(long year);
// GPS - UTC in whole seconds on the day of the epoch.
int LeapSecond(const mjd& t);

// Splits seconds of a day into whole hours, whole minutes and seconds, without
// any carry: the seconds may come out a hair below or at 60.
void SplitDaySecond(long double s, unsigned short& h, unsigned short& m, long double& sec);
// Splits seconds of a day into hours, minutes and seconds, carrying a seconds
// value within 1e-10 of 60 into the minute and a minute of 60 into the hour.
void Sec2HMS(long double s, unsigned short& h, unsigned short& m, long double& sec);

// Each conversion builds its result through the target's validating Set.
mjd ymdhms2mjd(const ymdhms& t);
ymdhms mjd2ymdhms(const mjd& t);
mjd GPSws2mjd(const GPSws& t);
GPSws mjd2GPSws(const mjd& t);
ymdhms GPSws2ymdhms(const GPSws& t);
GPSws ymdhms2GPSws(const ymdhms& t);

#endif
