#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace art {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height)) {}

void Canvas::blend(int x, int y, const Color& c, float coverage) {
  if (!inside(x, y) || coverage <= 0.0f) return;
  const float a = std::clamp(c.a * coverage, 0.0f, 1.0f);
  Premultiplied& p = at(x, y);
  const float keep = 1.0f - a;
  p.r = c.r * a + p.r * keep;
  p.g = c.g * a + p.g * keep;
  p.b = c.b * a + p.b * keep;
  p.a = a + p.a * keep;
}

void Canvas::add_light(int x, int y, const Color& c, float amount) {
  if (!inside(x, y) || amount <= 0.0f) return;
  Premultiplied& p = at(x, y);
  p.r += c.r * amount * p.a;
  p.g += c.g * amount * p.a;
  p.b += c.b * amount * p.a;
}

void Canvas::set(int x, int y, const Color& c) {
  if (!inside(x, y)) return;
  at(x, y) = {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
}

Color Canvas::get(int x, int y) const {
  const Premultiplied& p = at(x, y);
  if (p.a <= 0.0f) return {0, 0, 0, 0};
  return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

namespace {

std::uint8_t to_byte(float v) { return std::uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

}  // namespace

platform::Pixels Canvas::to_pixels(bool with_alpha) const {
  platform::Pixels out(width_, height_);
  out.has_alpha = with_alpha;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Color c = with_alpha ? get(x, y) : Color{at(x, y).r, at(x, y).g, at(x, y).b, 1};
      std::uint8_t* p = out.at(x, y);
      p[0] = to_byte(c.r);
      p[1] = to_byte(c.g);
      p[2] = to_byte(c.b);
      p[3] = to_byte(c.a);
    }
  }
  return out;
}

}  // namespace art
