// splitmix64: tiny, fast and good enough for a match generator.
#include "sim/random_source.h"

uint64_t RandomSource::next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

double RandomSource::unit() {
  return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

int RandomSource::index(int count) {
  if (count <= 0) return 0;
  return static_cast<int>(next() % static_cast<uint64_t>(count));
}
