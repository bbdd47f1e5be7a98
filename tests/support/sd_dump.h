// Test support: everything a load of a single-difference file stored, as
// text, to compare two loads.
#ifndef TESTS_SUPPORT_SD_DUMP_H
#define TESTS_SUPPORT_SD_DUMP_H

#include <sstream>
#include <string>

#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffHeader.h"
#include "GNSS/gnssobs.h"
#include "GNSS/gnssobsshort.h"

// The header fields, epochs, records and satellite list a load stored.
inline std::string Dump(PhsDiffHeader& head, PhsDiffData& data) {
  std::ostringstream out;
  out.precision(21);
  out << head.nobs << ' ' << head.diffLevel << ' ' << head.HasObservations << ' ' << head.interval
      << ' ' << head.mname[0] << '|' << head.mname[1] << ' ' << head.X0(0).GetX() << ' '
      << head.X0(1).GetZ() << ' ' << head.Dp(1).GetN() << '\n';
  for (long e = 0; e < data.neph; e++)
    out << data.nsat(e) << ' ' << data.epoch(e).GetMJDay() << ' ' << data.epoch(e).GetSecond()
        << ' ' << data.dtR_B(e) << ' ' << data.clkErB(e) << ' ' << data.clkErR(e) << '\n';
  for (long r = 0; r < data.nobs; r++) {
    out << data.sat(r);
    for (long k = 0; k < head.nobs; k++) {
      const short code = head.obs(k);
      if (matrix<gnssobs>* s = data.ObsSeries(code)) out << ' ' << (*s)(r).GetObs();
      if (matrix<gnssobsshort>* s = data.DopplerSeries(code)) out << ' ' << (*s)(r).GetObs();
    }
    out << '\n';
  }
  for (long i = 0; i < data.satList.NRow(); i++) out << data.satList(i) << ' ';
  return out.str();
}

#endif
