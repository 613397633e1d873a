#include "trackgen/noise.h"

#include <cmath>

#include "trackgen/rng.h"

namespace trackgen {

LatticeNoise::LatticeNoise(std::uint64_t seed, float cell, int period)
    : inverse_cell_(1.0f / cell), period_(period), values_(std::size_t(period) * std::size_t(period)) {
  Rng rng(seed);
  for (float& value : values_) value = float(rng.between(-1, 1));
}

float LatticeNoise::at(float x, float y) const {
  const float fx = x * inverse_cell_;
  const float fy = y * inverse_cell_;
  const float cx = std::floor(fx);
  const float cy = std::floor(fy);
  float tx = fx - cx;
  float ty = fy - cy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  auto wrap = [this](float c) {
    const int i = int(c) % period_;
    return std::size_t(i < 0 ? i + period_ : i);
  };
  const std::size_t x0 = wrap(cx);
  const std::size_t x1 = wrap(cx + 1);
  const std::size_t y0 = wrap(cy) * std::size_t(period_);
  const std::size_t y1 = wrap(cy + 1) * std::size_t(period_);
  const float top = values_[y0 + x0] + (values_[y0 + x1] - values_[y0 + x0]) * tx;
  const float bottom = values_[y1 + x0] + (values_[y1 + x1] - values_[y1 + x0]) * tx;
  return top + (bottom - top) * ty;
}

}  // namespace trackgen
