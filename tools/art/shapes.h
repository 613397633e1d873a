#pragma once
// Shapes as signed distance functions (negative inside, in pixels), which gives
// anti-aliased edges, outlines and rounded corners from one description.
// Pixel (x, y) covers the square from (x, y) to (x + 1, y + 1); its centre is at +0.5.
#include <functional>
#include <vector>

#include "canvas.h"

namespace art {

struct Vec2 {
  float x = 0, y = 0;
};

struct Shape {
  float left = 0, top = 0, right = 0, bottom = 0;  // bounds; nothing of the shape lies outside
  std::function<float(Vec2)> distance;
};

// Colour depending on the position, for gradients and shading.
using Paint = std::function<Color(Vec2)>;

Shape circle(Vec2 centre, float radius);
Shape ellipse(Vec2 centre, float radius_x, float radius_y);
Shape rounded_box(float left, float top, float right, float bottom, float corner_radius);
Shape polygon(std::vector<Vec2> corners);
Shape segment(Vec2 from, Vec2 to, float thickness);  // a capsule of that full thickness

Shape grown(Shape shape, float by);        // every edge moved outwards by `by` (rounds corners)
Shape outline(Shape shape, float width);   // a band of that width centred on the edge
Shape mirrored(Shape shape, float axis_x); // mirror image about the vertical line x = axis_x

void fill(Canvas& canvas, const Shape& shape, const Color& color);
void fill(Canvas& canvas, const Shape& shape, const Paint& paint);

}  // namespace art
