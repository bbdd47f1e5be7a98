// Deterministic random numbers for the simulator.
#include "tools/SimRandom.h"

#include <cmath>

namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
  x += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = x;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

const double kTwoPi = 6.283185307179586476925286766559;

}  // namespace

std::uint64_t MixSeed(std::uint64_t a, std::uint64_t b) {
  std::uint64_t x = a ^ RotateLeft(b, 23) ^ 0x2545F4914F6CDD1DULL;
  SplitMix(x);
  return SplitMix(x) ^ b;
}

SimRandom::SimRandom(std::uint64_t seed) : hasSpare(false), spare(0.0) {
  std::uint64_t x = seed;
  for (std::uint64_t& word : state) word = SplitMix(x);
}

std::uint64_t SimRandom::Next() {
  const std::uint64_t result = RotateLeft(state[1] * 5, 7) * 9;
  const std::uint64_t t = state[1] << 17;
  state[2] ^= state[0];
  state[3] ^= state[1];
  state[1] ^= state[2];
  state[0] ^= state[3];
  state[2] ^= t;
  state[3] = RotateLeft(state[3], 45);
  return result;
}

double SimRandom::Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

double SimRandom::Uniform(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

long SimRandom::Integer(long lo, long hi) {
  const std::uint64_t span = static_cast<std::uint64_t>(hi - lo) + 1;
  return lo + static_cast<long>(Next() % span);
}

double SimRandom::Gauss() {
  if (hasSpare) {
    hasSpare = false;
    return spare;
  }
  double u = Uniform();
  while (u <= 0.0) u = Uniform();
  const double radius = std::sqrt(-2.0 * std::log(u));
  const double angle = kTwoPi * Uniform();
  spare = radius * std::sin(angle);
  hasSpare = true;
  return radius * std::cos(angle);
}
