// Deterministic random numbers for the simulator: the same seed gives the same
// sequence on every platform and library version (no std distributions).
#ifndef TOOLS_SIMRANDOM_H
#define TOOLS_SIMRANDOM_H

#include <cstdint>

// Mixes two values into a new, well-spread seed; used to give every satellite,
// band and pass a stream of its own that does not depend on the others.
std::uint64_t MixSeed(std::uint64_t a, std::uint64_t b);

// xoshiro256** generator with uniform and normal draws.
class SimRandom {
 public:
  explicit SimRandom(std::uint64_t seed = 0);

  std::uint64_t Next();
  // Uniform in [0, 1), 53 significant bits.
  double Uniform();
  // Uniform in [lo, hi).
  double Uniform(double lo, double hi);
  // Whole number from lo to hi, both included.
  long Integer(long lo, long hi);
  // Standard normal draw (Box-Muller; the second value of a pair is kept).
  double Gauss();

 private:
  std::uint64_t state[4];
  bool hasSpare;
  double spare;
};

#endif
