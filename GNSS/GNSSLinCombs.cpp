// Dual-frequency linear combinations on numbers and on gnssobs values.
#include "GNSS/GNSSLinCombs.h"

#include "GNSS/mGNSSc.h"

namespace GLC {
thread_local long double LCion1 = GPSc::LCion1;
thread_local long double LCion2 = GPSc::LCion2;
thread_local long double LCwl1 = GPSc::LCwl1;
thread_local long double LCwl2 = GPSc::LCwl2;
thread_local long double LCnl1 = GPSc::LCnl1;
thread_local long double LCnl2 = GPSc::LCnl2;
thread_local long double lamb1 = GPSc::lamb1;
thread_local long double lamb2 = GPSc::lamb2;
thread_local long double lamb5 = GPSc::lamb5;
thread_local long double lamb3 = GLONASSc::lamb3;
thread_local long double lamb8 = GALILEOc::lamb8;
thread_local long double alpha = GPSc::alpha;
}  // namespace GLC

namespace {

// Each formula is written once for both forms: on numbers the operators are
// plain arithmetic, on gnssobs they carry absence.  A coefficient-wavelength
// product is formed before the observation is scaled by it.

template <class T>
T IonosphereFreePhase(const T& L1, const T& L2) {
  return (GLC::LCion1 * GLC::lamb1) * L1 - (GLC::LCion2 * GLC::lamb2) * L2;
}
template <class T>
T IonosphereFreeCode(const T& P1, const T& P2) {
  return GLC::LCion1 * P1 - GLC::LCion2 * P2;
}
template <class T>
T GeometryFreePhase(const T& L1, const T& L2) {
  return GLC::lamb1 * L1 - GLC::lamb2 * L2;
}
template <class T>
T WideLanePhase(const T& L1, const T& L2) {
  return (GLC::LCwl1 * GLC::lamb1) * L1 - (GLC::LCwl2 * GLC::lamb2) * L2;
}
template <class T>
T WideLaneCode(const T& P1, const T& P2) {
  return GLC::LCwl1 * P1 - GLC::LCwl2 * P2;
}
template <class T>
T NarrowLanePhase(const T& L1, const T& L2) {
  return (GLC::LCnl1 * GLC::lamb1) * L1 + (GLC::LCnl2 * GLC::lamb2) * L2;
}
template <class T>
T NarrowLaneCode(const T& P1, const T& P2) {
  return GLC::LCnl1 * P1 + GLC::LCnl2 * P2;
}
template <class T>
T MelbourneWuebbena(const T& L1, const T& L2, const T& P1, const T& P2) {
  return WideLanePhase(L1, L2) - NarrowLaneCode(P1, P2);
}

}  // namespace

long double GNSS_L3(const long double& L1, const long double& L2) {
  return IonosphereFreePhase(L1, L2);
}
gnssobs GNSS_L3(const gnssobs& L1, const gnssobs& L2) { return IonosphereFreePhase(L1, L2); }

long double GNSS_P3(const long double& P1, const long double& P2) {
  return IonosphereFreeCode(P1, P2);
}
gnssobs GNSS_P3(const gnssobs& P1, const gnssobs& P2) { return IonosphereFreeCode(P1, P2); }

long double GNSS_P3R(const long double& P1, const long double& P2) {
  return GLONASSc::LCion1 * P1 - GLONASSc::LCion2 * P2;
}

long double GNSS_L4(const long double& L1, const long double& L2) {
  return GeometryFreePhase(L1, L2);
}
gnssobs GNSS_L4(const gnssobs& L1, const gnssobs& L2) { return GeometryFreePhase(L1, L2); }

long double GNSS_P4(const long double& P1, const long double& P2) { return P2 - P1; }
gnssobs GNSS_P4(const gnssobs& P1, const gnssobs& P2) { return P2 - P1; }

long double GNSS_L5(const long double& L1, const long double& L2) { return WideLanePhase(L1, L2); }
gnssobs GNSS_L5(const gnssobs& L1, const gnssobs& L2) { return WideLanePhase(L1, L2); }

long double GNSS_P5(const long double& P1, const long double& P2) { return WideLaneCode(P1, P2); }
gnssobs GNSS_P5(const gnssobs& P1, const gnssobs& P2) { return WideLaneCode(P1, P2); }

long double GNSS_NLL(const long double& L1, const long double& L2) {
  return NarrowLanePhase(L1, L2);
}
gnssobs GNSS_NLL(const gnssobs& L1, const gnssobs& L2) { return NarrowLanePhase(L1, L2); }

long double GNSS_NLP(const long double& P1, const long double& P2) {
  return NarrowLaneCode(P1, P2);
}
gnssobs GNSS_NLP(const gnssobs& P1, const gnssobs& P2) { return NarrowLaneCode(P1, P2); }

long double GNSS_MW(const long double& L1, const long double& L2, const long double& P1,
                    const long double& P2) {
  return MelbourneWuebbena(L1, L2, P1, P2);
}
gnssobs GNSS_MW(const gnssobs& L1, const gnssobs& L2, const gnssobs& P1, const gnssobs& P2) {
  return MelbourneWuebbena(L1, L2, P1, P2);
}

long double GNSS_CL1(const long double& C1, const long double& L1) { return C1 - GLC::lamb1 * L1; }

long double GNSS_CLI(const long double& C1, const long double& L1) {
  return C1 / 2 + (GLC::lamb1 * L1) / 2;
}
