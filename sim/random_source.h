// A small deterministic random generator, so that one seed gives the same match on every
// platform (the standard distributions may differ between libraries).
#pragma once

#include <cstdint>

class RandomSource {
 public:
  explicit RandomSource(uint64_t seed) : state_(seed) {}
  // The next 64 random bits (splitmix64).
  uint64_t next();
  // A value in [0, 1).
  double unit();
  // A value in [low, high).
  double uniform(double low, double high) { return low + (high - low) * unit(); }
  // True with probability p.
  bool chance(double p) { return unit() < p; }
  // An integer in [0, count); 0 when count is 0 or less.
  int index(int count);

 private:
  uint64_t state_;
};
