// Signal constants of GPS, GLONASS and Galileo (frequencies in Hz,
// wavelengths in metres) and the per-slot GLONASS channel tables.
#ifndef GNSS_MGNSSC_H
#define GNSS_MGNSSC_H

#include "matrix/matrix.h"

// Values marked "double" below carry double precision only: they are the
// double-precision quotients that stored results were computed with.

// GPS: carriers L1, L2, L5; the dual-frequency pair is L1/L2.
namespace GPSc {
constexpr long double c = 299792458.0L;  // speed of light, m/s
constexpr long double freq0 = 10230000.0L;
constexpr long double freq1 = 1575420000.0L;           // 154 f0
constexpr long double freq2 = 1227600000.0L;           // 120 f0
constexpr long double freq5 = 1176450000.0L;           // 115 f0
constexpr long double lamb0 = 29.305225610948191672L;  // double
constexpr long double lamb1 = 0.19029367279836488099L;
constexpr long double lamb2 = 0.24421021342456826394L;
constexpr long double lamb5 = 0.25482804879085384063L;
constexpr long double lamWL = 0.86191840032200563735L;   // c / (f1 - f2)
constexpr long double lamNL = 0.106953378142146684935L;  // c / (f1 + f2)
constexpr long double LCion1 = 2.5457277801631601477L;   // double, f1^2 / (f1^2 - f2^2)
constexpr long double LCion2 = 1.5457277801631601477L;   // double, f2^2 / (f1^2 - f2^2)
constexpr long double LCwl1 = 4.5294117647058822484L;    // double, f1 / (f1 - f2)
constexpr long double LCwl2 = 3.5294117647058822484L;    // double, f2 / (f1 - f2)
constexpr long double LCnl1 = 0.56204379562043793594L;   // double, f1 / (f1 + f2)
constexpr long double LCnl2 = 0.43795620437956206406L;   // double, f2 / (f1 + f2)
constexpr long double alpha = 1.6469444444444447662L;    // double, f1^2 / f2^2
constexpr long double f1_f2 = 1.283333333333333437L;     // double, f1 / f2
}  // namespace GPSc

// GLONASS: carriers G1, G2, G3 (the pair is G1/G2).  Every channel keeps
// G1 : G2 = 9 : 7, so the combination coefficients hold for all channels;
// the channel wavelengths come from the slot tables.
namespace GLONASSc {
constexpr long double c = 299792458.0L;
constexpr long double freq0 = 178000000.0L;
constexpr long double freq10 = 1602000000.0L;  // G1 of channel 0, 9 f0
constexpr long double freq20 = 1246000000.0L;  // G2 of channel 0, 7 f0
constexpr long double freq3 = 1202025000.0L;
constexpr long double dfreq10 = 562500.0L;  // G1 step per channel
constexpr long double dfreq20 = 437500.0L;  // G2 step per channel
constexpr long double lamb10 = 0.18713636579275905118L;
constexpr long double lamb20 = 0.24060389887640449438L;
constexpr long double lamb3 = 0.24940617541232503483L;
constexpr long double LCion1 = 2.53125L;  // 81 / 32
constexpr long double LCion2 = 1.53125L;  // 49 / 32
constexpr long double LCwl1 = 4.5L;
constexpr long double LCwl2 = 3.5L;
constexpr long double LCnl1 = 0.5625L;
constexpr long double LCnl2 = 0.4375L;
constexpr long double alpha = 1.6530612244897959773L;  // double, 81 / 49
constexpr long double f1_f2 = 1.2857142857142858094L;  // double, 9 / 7

// One row per slot (row = slot - 1, 32 rows), 0 until SetFrequency has set
// the slot's channel.
extern matrix<long double> freq;    // G1, G2 frequency
extern matrix<long double> lamb;    // G1, G2 wavelength
extern matrix<long double> lambWL;  // wide-lane wavelength
extern matrix<long double> lambNL;  // narrow-lane wavelength
extern matrix<long double> alphaG;  // (GPS L1 / G1)^2, (GPS L1 / G2)^2

// Fills row r (slot - 1) of the tables for frequency channel k.  A row
// outside 0-31 ends the program through the matrix index check.
void SetFrequency(long double k, short r);
}  // namespace GLONASSc

// Galileo: carriers E1, E5b, E5a, E5; the pair is E1/E5b.
namespace GALILEOc {
constexpr long double c = 299792458.0L;
constexpr long double freq0 = 10230000.0L;
constexpr long double freq1 = 1575420000.0L;           // E1, 154 f0
constexpr long double freq2 = 1207140000.0L;           // E5b, 118 f0
constexpr long double freq5 = 1176450000.0L;           // E5a, 115 f0
constexpr long double freq8 = 1191795000.0L;           // E5, 116.5 f0
constexpr long double lamb0 = 29.305225610948191672L;  // double
constexpr long double lamb1 = 0.19029367279836488099L;
constexpr long double lamb2 = 0.24834936958430670909L;
constexpr long double lamb5 = 0.25482804879085384063L;
constexpr long double lamb8 = 0.25154700095234499289L;
constexpr long double lamWL = 0.8140340447485608797L;
constexpr long double lamNL = 0.107739800040250704675L;
constexpr long double LCion1 = 2.421977124183006147L;   // double, 23716 / 9792
constexpr long double LCion2 = 1.4219771241830065911L;  // double, 13924 / 9792
constexpr long double LCwl1 = 4.277777777777777679L;    // double, 154 / 36
constexpr long double LCwl2 = 3.277777777777777679L;    // double, 118 / 36
constexpr long double LCnl1 = 0.56617647058823528106L;  // double, 154 / 272
constexpr long double LCnl2 = 0.43382352941176471894L;  // double, 118 / 272
constexpr long double alpha = 1.7032461936225224974L;   // double, 23716 / 13924
constexpr long double f1_f2 = 1.3050847457627119397L;   // double, 154 / 118
}  // namespace GALILEOc

#endif
