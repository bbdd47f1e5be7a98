// Conversions into the orbit arithmetic's time count.
#include "orbit/GpsSeconds.h"

#include <cmath>

#include "GNSS/TimeConverse.h"
#include "rinex/RinexTime.h"

namespace {
// Modified Julian day of 1980-01-06.
constexpr double kGpsStartDay = 44244;
}  // namespace

double GpsSeconds(const mjd& t) {
  return (static_cast<double>(t.mjday) - kGpsStartDay) * 86400.0 + static_cast<double>(t.second);
}

double SecondsOfTicks(int64_t ticks) {
  const int64_t day = ticks / kTicksPerDay;
  return (static_cast<double>(day) - kGpsStartDay) * 86400.0 +
         static_cast<double>(ticks - day * kTicksPerDay) / kTicksPerSecond;
}

int LeapSecondsAt(double gpsSeconds) {
  const double day = std::floor(gpsSeconds / 86400.0);
  return LeapSecond(
      mjd(static_cast<unsigned long>(kGpsStartDay + day), gpsSeconds - day * 86400.0));
}
