#pragma once
// The grass around the circuit: a 200 × 200 tile that repeats without seams. It lies
// under the whole circuit picture and is the game's filler beyond it, so the picture's
// edge cannot be seen.
#include <cstdint>

#include "platform/pictures.h"

namespace trackgen {

platform::Pixels grass_tile(std::uint64_t seed);

}  // namespace trackgen
