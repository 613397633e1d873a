#pragma once
// The integer hash behind the tools' repeatable noise: the same (x, y, seed) always
// gives the same 32 bits, on every machine.
#include <cstdint>

namespace tools {

inline std::uint32_t point_hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  std::uint32_t h = std::uint32_t(x) * 0x8da6b343u ^ std::uint32_t(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  h *= 0x297a2d39u;
  h ^= h >> 15;
  return h;
}

}  // namespace tools
