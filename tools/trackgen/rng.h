#pragma once
// The generator's own random numbers (SplitMix64): the same seed gives the same track
// with every compiler and standard library, which std distributions do not promise.
#include <cstdint>

namespace trackgen {

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
  }
  double uniform() { return double(next() >> 11) * 0x1.0p-53; }  // 0 <= u < 1
  double between(double low, double high) { return low + (high - low) * uniform(); }
  int below(int count) { return int(next() % std::uint64_t(count)); }

 private:
  std::uint64_t state_;
};

}  // namespace trackgen
