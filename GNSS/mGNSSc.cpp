// GLONASS slot tables and their filling from a frequency channel.
#include "GNSS/mGNSSc.h"

namespace GLONASSc {

const long kSlots = 32;

matrix<long double> freq(kSlots, 2, 0.0L);
matrix<long double> lamb(kSlots, 2, 0.0L);
matrix<long double> lambWL(kSlots, 1, 0.0L);
matrix<long double> lambNL(kSlots, 1, 0.0L);
matrix<long double> alphaG(kSlots, 2, 0.0L);

void SetFrequency(long double k, short r) {
  freq(r, 0) = k * dfreq10 + freq10;
  freq(r, 1) = k * dfreq20 + freq20;
  lamb(r, 0) = c / freq(r, 0);
  lamb(r, 1) = c / freq(r, 1);
  lambWL(r, 0) = lamb(r, 0) * lamb(r, 1) / (lamb(r, 1) - lamb(r, 0));
  lambNL(r, 0) = lamb(r, 0) * lamb(r, 1) / (lamb(r, 1) + lamb(r, 0));
  alphaG(r, 0) = (GPSc::freq1 / freq(r, 0)) * (GPSc::freq1 / freq(r, 0));
  alphaG(r, 1) = (GPSc::freq1 / freq(r, 1)) * (GPSc::freq1 / freq(r, 1));
}

}  // namespace GLONASSc
