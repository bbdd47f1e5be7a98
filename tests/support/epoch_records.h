// Test support: epoch records built from a compact description.
#ifndef TESTS_SUPPORT_EPOCH_RECORDS_H
#define TESTS_SUPPORT_EPOCH_RECORDS_H

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "GNSS/PhsDiffData.h"
#include "tests/support/temp_file.h"

// One epoch: seconds of day 57000 and the satellites recorded, in file order.
struct EpochSpec {
  long double second;
  std::vector<short> sats;
};

// Sets the epochs, the per-epoch counts, the satellite of every record and the
// ascending list of distinct satellites.
inline void SetEpochs(PhsDiffData& d, const std::vector<EpochSpec>& epochs) {
  long nobs = 0;
  for (const EpochSpec& e : epochs) nobs += static_cast<long>(e.sats.size());
  d.neph = static_cast<long>(epochs.size());
  d.nobs = nobs;
  d.epoch.Resize(d.neph, 1);
  d.nsat.Resize(d.neph, 1);
  d.sat.Resize(nobs, 1);
  std::set<short> distinct;
  long k = 0;
  for (long i = 0; i < d.neph; i++) {
    d.epoch(i) = mjd(57000, epochs[i].second);
    d.nsat(i) = static_cast<short>(epochs[i].sats.size());
    for (short s : epochs[i].sats) {
      d.sat(k++) = s;
      distinct.insert(s);
    }
  }
  d.satList.Resize(static_cast<long>(distinct.size()), 1);
  long j = 0;
  for (short s : distinct) d.satList(j++) = s;
}

// One satellite at `n` epochs spaced `step` seconds from second 0.
inline void SetOneSatEpochs(PhsDiffData& d, short sat, long n, long double step) {
  std::vector<EpochSpec> epochs;
  for (long i = 0; i < n; i++) epochs.push_back({i * step, {sat}});
  SetEpochs(d, epochs);
}

// A series of one value per record, in record order; 0 is an absent value.
inline void FillSeries(matrix<gnssobs>& series, const std::vector<long double>& values) {
  series.Resize(static_cast<long>(values.size()), 1);
  for (long k = 0; k < series.r; k++) series(k) = values[k];
}

// Points the records' ambiguity file at a temporary file.
inline void BindAmbFile(PhsDiffData& d, const TempFile& file) {
  std::snprintf(d.AmbFile, sizeof d.AmbFile, "%s", file.path.c_str());
}

#endif
