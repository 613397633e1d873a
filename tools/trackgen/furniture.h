#pragma once
// What stands on a finished centre line: the car's start, the three checkpoint squares
// and the tyre barriers, placed where a driver meets them.
#include <optional>

#include "trackgen/circuit.h"

namespace trackgen {

struct Furniture {
  double start_line_s = 0;
  track_folder::TrackLayout layout;
};

// Places everything with the start/finish line on the straight between arc lengths
// straight_begin and straight_end. Nothing when a square or a barrier would reach
// onto another part of the road.
std::optional<Furniture> place_furniture(const CentreLine& line, double straight_begin, double straight_end);

// The heading the game uses for a driving direction: 0 down, 90 left, 180 up, 270 right.
float heading_of(Vec2 direction);

// The distance from `p` to the axis-parallel square of half side `half` around `centre`.
double distance_to_box(Vec2 p, Vec2 centre, double half);

}  // namespace trackgen
