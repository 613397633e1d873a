#pragma once
// Colours while painting: floats, clamped only when stored.

namespace trackgen {

struct Colour {
  float r = 0;
  float g = 0;
  float b = 0;
};

inline Colour mix(Colour a, Colour b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Colour scaled(Colour c, float k) { return {c.r * k, c.g * k, c.b * k}; }

}  // namespace trackgen
