// GLONASS broadcast orbits by numerical integration of the state vector.
#include "orbit/GlonassOrbit.h"

#include <algorithm>
#include <cmath>

#include "orbit/GpsSeconds.h"

namespace {

// PZ-90 constants of the GLONASS interface document.
constexpr double kGm = 398600.4418e9;       // m^3/s^2
constexpr double kEquatorRadius = 6378136;  // m
constexpr double kJ2 = 1082625.75e-9;
constexpr double kRotation = 7.292115e-5;  // rad/s
// The integration step, in seconds; the last step is shorter.
constexpr double kStep = 60;

using State = GlonassOrbit::State;

// The time derivative of a state under the record's constant lunisolar
// acceleration `moonSun` (m/s^2).
State Derivative(const State& s, const std::array<double, 3>& moonSun) {
  const double r2 = s[0] * s[0] + s[1] * s[1] + s[2] * s[2];
  const double r = std::sqrt(r2);
  const double central = kGm / (r2 * r);
  const double j2 = 1.5 * kJ2 * kGm * kEquatorRadius * kEquatorRadius / (r2 * r2 * r);
  const double zz = 5 * s[2] * s[2] / r2;
  const double w2 = kRotation * kRotation;
  return {s[3],
          s[4],
          s[5],
          -central * s[0] - j2 * s[0] * (1 - zz) + w2 * s[0] + 2 * kRotation * s[4] + moonSun[0],
          -central * s[1] - j2 * s[1] * (1 - zz) + w2 * s[1] - 2 * kRotation * s[3] + moonSun[1],
          -central * s[2] - j2 * s[2] * (3 - zz) + moonSun[2]};
}

State Advance(const State& s, double k, const State& d) {
  State out;
  for (size_t i = 0; i < s.size(); i++) out[i] = s[i] + k * d[i];
  return out;
}

State RungeKuttaStep(const State& s, double h, const std::array<double, 3>& moonSun) {
  const State k1 = Derivative(s, moonSun);
  const State k2 = Derivative(Advance(s, h / 2, k1), moonSun);
  const State k3 = Derivative(Advance(s, h / 2, k2), moonSun);
  const State k4 = Derivative(Advance(s, h, k3), moonSun);
  State out;
  for (size_t i = 0; i < s.size(); i++)
    out[i] = s[i] + h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
  return out;
}

}  // namespace

GlonassOrbit::GlonassOrbit(const BroadcastRecord& record, int leapSeconds, double reach)
    : epoch_(SecondsOfTicks(record.tocTicks) + leapSeconds) {
  const std::vector<double>& v = record.values;
  constexpr double km = 1000;
  moonSun_ = {v[kGloAx] * km, v[kGloAy] * km, v[kGloAz] * km};
  const State start = {v[kGloX] * km,  v[kGloY] * km,  v[kGloZ] * km,
                       v[kGloVx] * km, v[kGloVy] * km, v[kGloVz] * km};
  center_ = static_cast<int>(std::ceil(reach / kStep));
  states_.resize(2 * static_cast<size_t>(center_) + 1);
  states_[center_] = start;
  for (int k = 1; k <= center_; k++) {
    states_[center_ + k] = RungeKuttaStep(states_[center_ + k - 1], kStep, moonSun_);
    states_[center_ - k] = RungeKuttaStep(states_[center_ - k + 1], -kStep, moonSun_);
  }
}

xyz GlonassOrbit::Position(double gpsSeconds) const {
  // From the nearest state of the grid, or from its end beyond it.
  const double steps = std::round((gpsSeconds - epoch_) / kStep);
  const int node = static_cast<int>(std::clamp(steps, -double(center_), double(center_)));
  State s = states_[center_ + node];
  double left = gpsSeconds - (epoch_ + node * kStep);
  while (std::fabs(left) > 1e-9) {
    const double h = std::fabs(left) < kStep ? left : std::copysign(kStep, left);
    s = RungeKuttaStep(s, h, moonSun_);
    left -= h;
  }
  return xyz(s[0], s[1], s[2]);
}
