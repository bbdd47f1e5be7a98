// Test support: observation values built in one call, and the value
// classes' process-wide print switches put back after a test.
#ifndef TESTS_SUPPORT_OBSERVATION_VALUES_H
#define TESTS_SUPPORT_OBSERVATION_VALUES_H

#include "GNSS/gnssobs.h"
#include "GNSS/gnssobsshort.h"

inline gnssobs Obs(long double value, unsigned short lli = 0, unsigned short ss = 0) {
  gnssobs o;
  o.obs = value;
  o.lli = lli;
  o.ss = ss;
  return o;
}

// The print switches of both value classes at their start values.
inline void RestoreObsPrintSwitches() {
  gnssobsns::PrintType = gnssobsns::NORINEX;
  gnssobsns::Width = 14;
  gnssobsshortns::PrintType = gnssobsshortns::NORINEX;
  gnssobsshortns::Width = 14;
}

#endif
