#pragma once
// The rough shape of a circuit: a closed control polygon whose corners become bends.
// Each style draws its own kind of polygon.
#include <vector>

#include "trackgen/rng.h"
#include "trackgen/vec2.h"

namespace trackgen {

enum class Style { twisty, flowing, hairpins };

struct Outline {
  std::vector<Vec2> points;    // corners in driving order
  std::vector<double> radii;   // the bend radius wished for at each corner, in pixels
  std::size_t start_edge = 0;  // the edge from points[i] to points[i + 1] that carries the start
  double tightest_radius = 0;  // the style's own lower bound for bend radii
};

// A polygon for `style` that fills the box from (left, top) to (right, bottom).
Outline draw_outline(Style style, Rng& rng, Vec2 top_left, Vec2 bottom_right);

// The signed angle (radians) by which the polygon turns at corner i.
double turn_at(const std::vector<Vec2>& points, std::size_t i);

}  // namespace trackgen
