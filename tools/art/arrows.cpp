// Track selector arrows, 30 x 50 pixels: a rounded white triangle with a dark rim.
#include "drawings.h"
#include "shapes.h"

namespace art {

namespace {

constexpr int kWidth = 30;
constexpr int kHeight = 50;
constexpr float kRoundness = 2.5f;
constexpr float kRim = 2.0f;

Shape pointing_right() { return polygon({{7.5f, 8.5f}, {23.0f, 25.0f}, {7.5f, 41.5f}}); }

// White at the top fading to a light grey, as if lit from above.
Color face(Vec2 p) { return mix(rgb(255, 255, 255), rgb(200, 205, 216), p.y / float(kHeight)); }

// A slightly darker band just inside the rim makes the face look raised.
Color bevel(Vec2 p) { return scaled(face(p), 0.8f); }

}  // namespace

platform::Pixels draw_arrow(bool pointing_right_way) {
  Shape core = pointing_right();
  if (!pointing_right_way) core = mirrored(core, kWidth / 2.0f);
  Canvas canvas(kWidth, kHeight);
  fill(canvas, grown(core, kRoundness + kRim), rgb(34, 36, 44));
  fill(canvas, grown(core, kRoundness), bevel);
  fill(canvas, grown(core, kRoundness - 1.5f), face);
  return canvas.to_pixels(true);
}

}  // namespace art
