#pragma once
// Cheap, repeatable texture noise: per-pixel grain from an integer hash, and smooth
// value noise on a lattice that can wrap so a texture tiles without seams.
#include <cstdint>
#include <vector>

#include "common/hash.h"

namespace trackgen {

// A random value in -1 ... 1 for each pixel, the same for the same (x, y, seed).
inline float grain(int x, int y, std::uint32_t seed) {
  return float(tools::point_hash(x, y, seed) >> 8) * (2.0f / 16777216.0f) - 1.0f;
}

// Smooth noise in -1 ... 1 with features about `cell` pixels apart. The lattice wraps
// after `period` cells, so with cell * period = 200 it tiles with the track tiles.
class LatticeNoise {
 public:
  LatticeNoise(std::uint64_t seed, float cell, int period);
  float at(float x, float y) const;

 private:
  float inverse_cell_;
  int period_;
  std::vector<float> values_;
};

}  // namespace trackgen
