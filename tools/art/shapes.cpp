#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace art {

namespace {

float dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
Vec2 minus(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
float length(Vec2 v) { return std::sqrt(dot(v, v)); }

// A straight edge through a pixel centre covers half the pixel; one pixel further in, all of it.
float coverage(float distance) { return std::clamp(0.5f - distance, 0.0f, 1.0f); }

}  // namespace

Shape circle(Vec2 centre, float radius) {
  return {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius,
          [=](Vec2 p) { return length(minus(p, centre)) - radius; }};
}

Shape ellipse(Vec2 centre, float radius_x, float radius_y) {
  // A close estimate of the true distance; exact on the axes and good enough for edges.
  return {centre.x - radius_x, centre.y - radius_y, centre.x + radius_x, centre.y + radius_y, [=](Vec2 p) {
            const Vec2 d = minus(p, centre);
            const float k0 = length({d.x / radius_x, d.y / radius_y});
            const float k1 = length({d.x / (radius_x * radius_x), d.y / (radius_y * radius_y)});
            if (k1 == 0.0f) return -std::min(radius_x, radius_y);
            return k0 * (k0 - 1.0f) / k1;
          }};
}

Shape rounded_box(float left, float top, float right, float bottom, float corner_radius) {
  const Vec2 centre{(left + right) / 2, (top + bottom) / 2};
  const Vec2 inner{(right - left) / 2 - corner_radius, (bottom - top) / 2 - corner_radius};
  return {left, top, right, bottom, [=](Vec2 p) {
            const Vec2 q{std::abs(p.x - centre.x) - inner.x, std::abs(p.y - centre.y) - inner.y};
            const float outside = length({std::max(q.x, 0.0f), std::max(q.y, 0.0f)});
            return outside + std::min(std::max(q.x, q.y), 0.0f) - corner_radius;
          }};
}

Shape polygon(std::vector<Vec2> corners) {
  Shape shape{corners[0].x, corners[0].y, corners[0].x, corners[0].y, {}};
  for (const Vec2& c : corners) {
    shape.left = std::min(shape.left, c.x);
    shape.top = std::min(shape.top, c.y);
    shape.right = std::max(shape.right, c.x);
    shape.bottom = std::max(shape.bottom, c.y);
  }
  shape.distance = [corners = std::move(corners)](Vec2 p) {
    // Nearest edge for the magnitude, crossing count for the sign.
    float nearest = dot(minus(p, corners[0]), minus(p, corners[0]));
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
      const Vec2 edge = minus(corners[j], corners[i]);
      const Vec2 w = minus(p, corners[i]);
      const float t = std::clamp(dot(w, edge) / dot(edge, edge), 0.0f, 1.0f);
      const Vec2 off{w.x - edge.x * t, w.y - edge.y * t};
      nearest = std::min(nearest, dot(off, off));
      const bool crosses = (corners[i].y > p.y) != (corners[j].y > p.y);
      if (crosses && p.x < corners[i].x + (p.y - corners[i].y) * edge.x / edge.y) inside = !inside;
    }
    return inside ? -std::sqrt(nearest) : std::sqrt(nearest);
  };
  return shape;
}

Shape segment(Vec2 from, Vec2 to, float thickness) {
  const float r = thickness / 2;
  return {std::min(from.x, to.x) - r, std::min(from.y, to.y) - r, std::max(from.x, to.x) + r,
          std::max(from.y, to.y) + r, [=](Vec2 p) {
            const Vec2 along = minus(to, from);
            const Vec2 w = minus(p, from);
            const float t = std::clamp(dot(w, along) / dot(along, along), 0.0f, 1.0f);
            return length({w.x - along.x * t, w.y - along.y * t}) - r;
          }};
}

Shape grown(Shape shape, float by) {
  return {shape.left - by, shape.top - by, shape.right + by, shape.bottom + by,
          [d = std::move(shape.distance), by](Vec2 p) { return d(p) - by; }};
}

Shape outline(Shape shape, float width) {
  const float half = width / 2;
  return {shape.left - half, shape.top - half, shape.right + half, shape.bottom + half,
          [d = std::move(shape.distance), half](Vec2 p) { return std::abs(d(p)) - half; }};
}

Shape mirrored(Shape shape, float axis_x) {
  return {2 * axis_x - shape.right, shape.top, 2 * axis_x - shape.left, shape.bottom,
          [d = std::move(shape.distance), axis_x](Vec2 p) { return d({2 * axis_x - p.x, p.y}); }};
}

void fill(Canvas& canvas, const Shape& shape, const Paint& paint) {
  // One pixel of margin catches the soft half-pixel fringe on every side.
  const int x0 = std::max(0, int(std::floor(shape.left)) - 1);
  const int y0 = std::max(0, int(std::floor(shape.top)) - 1);
  const int x1 = std::min(canvas.width() - 1, int(std::ceil(shape.right)) + 1);
  const int y1 = std::min(canvas.height() - 1, int(std::ceil(shape.bottom)) + 1);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const Vec2 centre{float(x) + 0.5f, float(y) + 0.5f};
      const float cover = coverage(shape.distance(centre));
      if (cover > 0.0f) canvas.blend(x, y, paint(centre), cover);
    }
  }
}

void fill(Canvas& canvas, const Shape& shape, const Color& color) {
  fill(canvas, shape, [&color](Vec2) { return color; });
}

}  // namespace art
