#include "trackgen/grass.h"

#include <algorithm>
#include <cmath>

#include "trackgen/noise.h"

namespace trackgen {

platform::Pixels grass_tile(std::uint64_t seed) {
  constexpr int kSize = 200;
  // Every lattice wraps after exactly 200 pixels.
  const LatticeNoise patches(seed + 1, 50, 4);
  const LatticeNoise tufts(seed + 2, 20, 10);
  const LatticeNoise clumps(seed + 3, 8, 25);
  const LatticeNoise blades(seed + 4, 4, 50);
  platform::Pixels tile(kSize, kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      // Mowing stripes run diagonally, 50 pixels light, 50 dark, with soft edges.
      const float phase = float((x + y) % 100) / 100.0f;
      const float stripe = std::clamp(std::sin(phase * 6.2831853f) * 3.0f, -1.0f, 1.0f);
      const float fx = float(x);
      const float fy = float(y);
      const float shade = 1.0f + 0.03f * patches.at(fx, fy) + 0.03f * tufts.at(fx, fy) + 0.05f * clumps.at(fx, fy) +
                          0.05f * blades.at(fx, fy) + 0.07f * grain(x, y, std::uint32_t(seed)) +
                          0.04f * grain(x >> 1, y >> 1, std::uint32_t(seed) + 1) + 0.028f * stripe;
      const float yellow = 7.0f * tufts.at(fy, fx) + 5.0f * grain(x, y, std::uint32_t(seed) + 2);
      std::uint8_t* p = tile.at(x, y);
      p[0] = std::uint8_t(std::clamp((76.0f + yellow) * shade, 8.0f, 255.0f));
      p[1] = std::uint8_t(std::clamp(118.0f * shade, 8.0f, 255.0f));
      p[2] = std::uint8_t(std::clamp(48.0f * shade, 8.0f, 255.0f));
      p[3] = 255;
    }
  }
  return tile;
}

}  // namespace trackgen
