#include "noise.h"

#include <cmath>

#include "common/hash.h"

namespace art {

std::uint32_t Rng::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

float Rng::uniform() { return float(next() >> 8) / 16777216.0f; }

float Rng::between(float low, float high) { return low + (high - low) * uniform(); }

namespace {

// Integer hash of a lattice point, 0..1.
float lattice(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  return float(tools::point_hash(x, y, seed) >> 8) / 16777215.0f;
}

float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

float value_noise(float x, float y, std::uint32_t seed) {
  const float fx = std::floor(x);
  const float fy = std::floor(y);
  const auto ix = std::int32_t(fx);
  const auto iy = std::int32_t(fy);
  const float tx = smooth(x - fx);
  const float ty = smooth(y - fy);
  const float top = lattice(ix, iy, seed) + (lattice(ix + 1, iy, seed) - lattice(ix, iy, seed)) * tx;
  const float bottom = lattice(ix, iy + 1, seed) + (lattice(ix + 1, iy + 1, seed) - lattice(ix, iy + 1, seed)) * tx;
  return top + (bottom - top) * ty;
}

float fractal_noise(float x, float y, int octaves, std::uint32_t seed) {
  float sum = 0.0f;
  float weight = 0.5f;
  float total = 0.0f;
  for (int i = 0; i < octaves; ++i) {
    sum += value_noise(x, y, seed + std::uint32_t(i)) * weight;
    total += weight;
    x *= 2.03f;  // not exactly 2, so octaves do not line up on the lattice
    y *= 2.03f;
    weight *= 0.5f;
  }
  return sum / total;
}

}  // namespace art
