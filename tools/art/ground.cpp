#include "ground.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace art {

namespace {

// The camera, in metres and pixels.
constexpr float kEyeHeight = 1.4f;
constexpr float kFocal = 520.0f;  // screen pixels per metre seen one metre ahead
// The track, in metres across from its centre line.
constexpr float kHalfRoad = 6.0f;
constexpr float kEdgeLine = 0.3f;
constexpr float kKerb = 1.3f;
constexpr float kKerbStripe = 2.4f;  // length of one red or one white block
// How far the car moves while the shutter is open: smears kerbs near the camera.
constexpr float kMotionBlur = 0.8f;

float road_centre(float depth) { return -1.0f + 0.004f * depth * depth; }
float racing_line(float depth) { return 3.2f * std::sin(0.03f * depth + 0.4f); }

// How much of a pixel that spans `blur` around x lies inside [low, high].
float band(float x, float low, float high, float blur) {
  const float from_low = std::clamp((x - low) / blur + 0.5f, 0.0f, 1.0f);
  const float to_high = std::clamp((high - x) / blur + 0.5f, 0.0f, 1.0f);
  return from_low * to_high;
}

// A square wave (1 on the first half of each period) averaged over `width` around t,
// so stripes blur correctly instead of flickering into moiré near the horizon.
float stripes(float t, float period, float width) {
  const auto integral = [period](float s) {
    const float whole = std::floor(s / period);
    return whole * period / 2.0f + std::min(s - whole * period, period / 2.0f);
  };
  return (integral(t + width / 2.0f) - integral(t - width / 2.0f)) / width;
}

Color asphalt(float across, float depth, float blur_x) {
  // Grain stretched along the road: the camera moves, so texture streaks forwards.
  const float grain = fractal_noise(across * 3.0f, depth * 0.12f, 3, 11);
  const float contrast = 0.35f * std::exp(-depth / 40.0f);
  Color c = scaled(rgb(74, 76, 84), 1.0f + contrast * (grain - 0.5f) * 2.0f);
  const float line = racing_line(depth);
  const float rubber = band(across, line - 1.2f, line + 1.2f, std::max(blur_x, 1.0f));
  // Two tyre tracks along the line, laid down unevenly by braking cars.
  const float track_width = std::max(blur_x, 0.25f);
  const float tracks = band(std::abs(across - line), 0.75f, 1.0f, track_width) * value_noise(depth * 0.08f, 3.0f, 17);
  return scaled(c, 1.0f - 0.3f * rubber - 0.3f * tracks);
}

Color kerb(float depth, float blur_z) {
  const float red = stripes(depth, 2.0f * kKerbStripe, blur_z);
  return mix(rgb(226, 224, 218), rgb(196, 34, 32), red);
}

Color grass(float across, float depth) {
  const float tufts = fractal_noise(across * 0.7f, depth * 0.06f, 3, 23);
  return scaled(rgb(36, 72, 40), 0.7f + 0.6f * tufts);
}

}  // namespace

Color ground_colour(Vec2 p, const Color& haze) {
  const float depth = kEyeHeight * kFocal / (p.y - kHorizonY);
  const float across = (p.x - kVanishingX) * depth / kFocal - road_centre(depth);
  const float side = std::abs(across);
  // One pixel's extent on the ground, across and along the road.
  const float blur_x = std::max(depth / kFocal, 0.02f);
  const float blur_z = depth * depth / (kEyeHeight * kFocal) + kMotionBlur;

  const float kerb_inner = kHalfRoad + kEdgeLine;
  const float kerb_outer = kerb_inner + kKerb;
  Color c = asphalt(across, depth, blur_x);
  c = mix(c, rgb(214, 214, 208), band(side, kHalfRoad, kerb_inner, blur_x));
  c = mix(c, kerb(depth, blur_z), band(side, kerb_inner, kerb_outer, blur_x));
  c = mix(c, grass(across, depth), std::clamp((side - kerb_outer) / blur_x + 0.5f, 0.0f, 1.0f));
  return mix(haze, c, std::exp(-depth / 150.0f));
}

}  // namespace art
