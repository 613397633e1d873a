#pragma once
// A float RGBA canvas. Pixels are kept with premultiplied alpha so that layers
// laid over each other, and over transparent ground, blend without dark fringes.
#include <vector>

#include "platform/pictures.h"

namespace art {

// A colour with straight alpha, every component 0..1.
struct Color {
  float r = 0, g = 0, b = 0, a = 1;
};

// A colour from 0..255 components, as colours are usually written down.
inline Color rgb(int r, int g, int b, float alpha = 1.0f) {
  return {float(r) / 255.0f, float(g) / 255.0f, float(b) / 255.0f, alpha};
}

// Linear blend: t = 0 gives a, t = 1 gives b. Inline, as the filters call it millions of times.
inline Color mix(const Color& a, const Color& b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

inline Color scaled(const Color& c, float brightness) {
  return {c.r * brightness, c.g * brightness, c.b * brightness, c.a};
}

class Canvas {
 public:
  Canvas(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  // Lays c over pixel (x, y) with the given coverage 0..1; pixels outside are ignored.
  void blend(int x, int y, const Color& c, float coverage);
  // Adds light: brightens the pixel by c times amount without touching its alpha.
  void add_light(int x, int y, const Color& c, float amount);
  void set(int x, int y, const Color& c);
  Color get(int x, int y) const;  // straight alpha

  // Rounds to 8 bits. Without alpha the pixels come out opaque, as a JPEG would carry them.
  platform::Pixels to_pixels(bool with_alpha) const;

 private:
  struct Premultiplied {
    float r = 0, g = 0, b = 0, a = 0;
  };
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Premultiplied& at(int x, int y) { return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }
  const Premultiplied& at(int x, int y) const {
    return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
  }

  int width_;
  int height_;
  std::vector<Premultiplied> pixels_;
};

}  // namespace art
