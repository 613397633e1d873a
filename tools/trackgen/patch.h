#pragma once
// The outline of a random patch of grid cells: a polygon with many corners, bending
// both ways, whose parallel parts always lie at least one cell apart.
#include <vector>

#include "trackgen/rng.h"
#include "trackgen/vec2.h"

namespace trackgen {

// Carves bites out of a full `columns` × `rows` grid until about `cells` cells are
// left, keeping the patch in one piece, touching all four sides of the grid, without
// cells that meet only at a corner (the road would cross itself there). Returns its
// outline clockwise on screen, corners only, in cell units.
std::vector<Vec2> patch_outline(Rng& rng, int columns, int rows, int cells);

}  // namespace trackgen
