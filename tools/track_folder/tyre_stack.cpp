#include "track_folder/tyre_stack.h"

#include <algorithm>
#include <cmath>

namespace track_folder {
namespace {

float coverage(float inside) { return std::clamp(inside + 0.5f, 0.0f, 1.0f); }

}  // namespace

platform::Pixels tyre_stack(int size) {
  const float centre = float(size) / 2.0f;
  const float outer = centre - 1.5f;  // room for the shadow
  const float band_radius = outer - 2.2f;
  const float hole_radius = outer * 0.42f;
  platform::Pixels picture(size, size);
  picture.has_alpha = true;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const float dx = x + 0.5f - centre;
      const float dy = y + 0.5f - centre;
      const float r = std::sqrt(dx * dx + dy * dy);
      const float light = r > 0 ? (-dx - dy) / (r * 1.4142f) : 0;  // sun from the top left

      // Rubber, rounded: brighter where it faces the light, ribbed by the tread.
      const float across = std::clamp((r - hole_radius) / (band_radius - hole_radius), 0.0f, 1.0f);
      const float bulge = std::sin(across * 3.14159f);
      const float tread = 4.0f * std::sin(std::atan2(dy, dx) * 18.0f);
      float grey = 30.0f + 28.0f * bulge * std::max(light, 0.0f) + 10.0f * bulge + tread * bulge;
      float red = grey, green = grey, blue = grey;
      const float band = coverage(r - band_radius);
      red += (196.0f + 40.0f * light - red) * band;
      green += (34.0f + 14.0f * light - green) * band;
      blue += (30.0f + 12.0f * light - blue) * band;
      const float hole = coverage(hole_radius - r);
      red += (14.0f - red) * hole;
      green += (14.0f - green) * hole;
      blue += (14.0f - blue) * hole;

      const float tyre = coverage(outer - r);
      const float sx = dx - 1.3f;
      const float sy = dy - 1.6f;
      const float shadow = 0.45f * std::clamp((outer + 0.8f - std::sqrt(sx * sx + sy * sy)) / 2.0f, 0.0f, 1.0f);
      const float alpha = tyre + shadow * (1 - tyre);
      std::uint8_t* p = picture.at(x, y);
      if (alpha > 0) {
        p[0] = std::uint8_t(std::lround(red * tyre / alpha));
        p[1] = std::uint8_t(std::lround(green * tyre / alpha));
        p[2] = std::uint8_t(std::lround(blue * tyre / alpha));
      }
      p[3] = std::uint8_t(std::lround(alpha * 255));
    }
  }
  return picture;
}

}  // namespace track_folder
