#include "filters.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

// The canvas's colours in a plain grid, for fast repeated lookups.
class ColorGrid {
 public:
  explicit ColorGrid(const Canvas& canvas) : width_(canvas.width()), height_(canvas.height()) {
    colors_.reserve(std::size_t(width_) * std::size_t(height_));
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) colors_.push_back(canvas.get(x, y));
    }
  }

  // Colour at a point between pixel centres, blended from the four nearest pixels.
  Color bilinear(float x, float y) const {
    x = std::clamp(x - 0.5f, 0.0f, float(width_ - 1));
    y = std::clamp(y - 0.5f, 0.0f, float(height_ - 1));
    const int x0 = int(x);
    const int y0 = int(y);
    const int x1 = std::min(x0 + 1, width_ - 1);
    const int y1 = std::min(y0 + 1, height_ - 1);
    const Color top = mix(at(x0, y0), at(x1, y0), x - float(x0));
    const Color bottom = mix(at(x0, y1), at(x1, y1), x - float(x0));
    return mix(top, bottom, y - float(y0));
  }

 private:
  const Color& at(int x, int y) const { return colors_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }

  int width_;
  int height_;
  std::vector<Color> colors_;
};

}  // namespace

Canvas zoom_blur(const Canvas& source, Vec2 centre, float strength, int max_samples) {
  const ColorGrid grid(source);
  Canvas out(source.width(), source.height());
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x) {
      const Vec2 p{float(x) + 0.5f, float(y) + 0.5f};
      const Vec2 to_centre{centre.x - p.x, centre.y - p.y};
      // A sample every two pixels of smear is enough; near the centre little is smeared.
      const float smear = strength * std::sqrt(to_centre.x * to_centre.x + to_centre.y * to_centre.y);
      const int samples = std::clamp(int(smear / 2.0f) + 1, 1, max_samples);
      Color sum{0, 0, 0, 0};
      for (int i = 0; i < samples; ++i) {
        const float t = strength * float(i) / float(samples);
        const Color c = grid.bilinear(p.x + to_centre.x * t, p.y + to_centre.y * t);
        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
      }
      const float n = float(samples);
      out.set(x, y, {sum.r / n, sum.g / n, sum.b / n, sum.a / n});
    }
  }
  return out;
}

void vignette(Canvas& canvas, float amount) {
  const float cx = float(canvas.width()) / 2.0f;
  const float cy = float(canvas.height()) / 2.0f;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const float dx = (float(x) + 0.5f - cx) / cx;
      const float dy = (float(y) + 0.5f - cy) / cy;
      const float r2 = (dx * dx + dy * dy) / 2.0f;  // 1 in the corners
      const Color c = canvas.get(x, y);
      canvas.set(x, y, scaled(c, 1.0f - amount * r2 * r2));
    }
  }
}

void lift_blacks(Canvas& canvas, float lowest) {
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Color c = canvas.get(x, y);
      canvas.set(x, y, {std::max(c.r, lowest), std::max(c.g, lowest), std::max(c.b, lowest), c.a});
    }
  }
}

}  // namespace art
