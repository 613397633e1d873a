#pragma once
// Randomness that gives the same pictures on every machine: a seeded xorshift
// generator and hash-based value noise (no standard library distributions).
#include <cstdint>

namespace art {

class Rng {
 public:
  explicit Rng(std::uint32_t seed) : state_(seed != 0 ? seed : 0x9e3779b9u) {}
  std::uint32_t next();
  float uniform();                   // 0 <= u < 1
  float between(float low, float high);

 private:
  std::uint32_t state_;
};

// Smooth noise, 0..1, with features about one unit apart.
float value_noise(float x, float y, std::uint32_t seed);
// Several octaves of value noise, 0..1, for natural-looking texture.
float fractal_noise(float x, float y, int octaves, std::uint32_t seed);

}  // namespace art
