#include "trackgen/paint.h"

#include <algorithm>
#include <cmath>

namespace trackgen {
namespace {

constexpr float kHalf = float(kHalfWidth);
constexpr float kStripe = 20;       // kerb stripe length
constexpr float kLineInset = 8;     // centre of the white edge line, from the road edge
constexpr float kChequer = 12;      // squares of the start/finish line
constexpr Colour kWhitePaint{236, 236, 229};

// How much of a pixel lies on the inner side of an edge `inside` pixels away.
float coverage(float inside) { return std::clamp(inside + 0.5f, 0.0f, 1.0f); }

float smooth(float edge0, float edge1, float x) {
  const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}

// 1 between `begin` and `end`, easing in and out over `ramp` pixels.
float plateau(float x, float begin, float end, float ramp) {
  return std::min(smooth(begin, begin + ramp, x), 1 - smooth(end - ramp, end, x));
}

}  // namespace

Painter::Painter(const Circuit& circuit, const platform::Pixels& grass)
    : circuit_(circuit),
      grass_(grass),
      wide_(circuit.params.seed + 101, 320, std::max(circuit.params.width, circuit.params.height) / 320 + 2),
      meadow_(circuit.params.seed + 104, 90, std::max(circuit.params.width, circuit.params.height) / 90 + 2),
      medium_(circuit.params.seed + 102, 36, 64),
      fine_(circuit.params.seed + 103, 9, 64),
      woods_(circuit) {}

Colour Painter::grass_at(int x, int y) const {
  const std::uint8_t* p = grass_.at(x % grass_.width, y % grass_.height);
  const Colour tile{float(p[0]), float(p[1]), float(p[2])};
  // Meadows are never even; the change fades out towards the picture's edge, where
  // the plain filler tiles take over.
  const int edge = std::min({x, y, circuit_.params.width - 1 - x, circuit_.params.height - 1 - y});
  const float fade = smooth(0, 300, float(edge));
  const float change = wide_.at(float(x), float(y)) * fade;
  const float dry = std::max(0.0f, meadow_.at(float(x), float(y)) + 0.3f * change) * fade;
  Colour c = scaled(tile, 1 + 0.07f * change);
  c.r += 16 * dry;
  c.g += 4 * dry;
  return woods_.over(x, y, c);
}

Colour Painter::asphalt(int x, int y, const Place& place) const {
  const float away = std::abs(place.offset);
  const float rubber = (place.offset - place.racing) / 26;
  const float tone = 93 + 6 * wide_.at(float(x), float(y)) + 4 * medium_.at(float(x), float(y)) +
                     8 * grain(x, y, 11) + 3 * grain(x >> 1, y >> 1, 12) - 12 * std::exp(-rubber * rubber) +
                     5 * smooth(kHalf - 30, kHalf, away);
  return {tone - 1, tone, tone + 3};
}

Colour Painter::kerb(int x, int y, const Place& place, float along) const {
  const float t = std::fmod(along, 2 * kStripe) + (along < 0 ? 2 * kStripe : 0);
  const float red =
      t < kStripe ? coverage(std::min(t, kStripe - t)) : 1 - coverage(std::min(t - kStripe, 2 * kStripe - t));
  Colour c = mix(kWhitePaint, Colour{198, 38, 36}, red);
  // A rounded top: a little darker along both rims.
  const float rim = std::min(std::abs(place.offset) - (kHalf - 3), kHalf + float(kKerbWidth) - std::abs(place.offset));
  return scaled(c, (0.82f + 0.18f * smooth(0, 4, rim)) * (1 + 0.04f * grain(x, y, 21)));
}

Colour Painter::gravel(int x, int y) const {
  const float pebble = grain(x, y, 31);
  const float k = 1 + 0.09f * grain(x, y, 32) + 0.05f * fine_.at(float(x), float(y)) +
                  0.04f * medium_.at(float(x), float(y)) - (pebble > 0.8f ? 0.25f : 0) + (pebble < -0.88f ? 0.1f : 0);
  return scaled(Colour{196, 177, 138}, k);
}

Colour Painter::road_at(int x, int y, const Place& place, Colour grass) const {
  const float away = std::abs(place.offset);
  const double lap = circuit_.line.length;
  Colour c = grass;
  // Grass worn brown right at the road edge.
  c = mix(c, Colour{c.r * 0.95f + 10, c.g * 0.88f + 4, c.b * 0.9f}, 0.5f * (1 - smooth(kHalf, kHalf + 9, away)));

  if (place.gravel_edge > 0) {
    const float depth = place.gravel_edge - kHalf;
    const float edge = kHalf + depth * (1 + 0.08f * medium_.at(float(x), float(y)));
    c = mix(c, gravel(x, y), coverage(edge - place.gravel_away));
  }

  float kerb_reach = 0;  // 0 no kerb ... 1 full kerb width
  for (int index : place.bends) {
    if (index < 0) continue;
    const Bend& bend = circuit_.line.bends[std::size_t(index)];
    const float span = float(bend.s_end - bend.s_begin);
    const float into = float(lap_ahead(bend.s_begin, place.s, lap));
    const bool inside = place.offset * float(bend.turn) > 0;
    const float reach = inside ? plateau(into, -25, span + 25, 30)
                               : (bend.sharp ? plateau(into, 0.45f * span, span + 70, 40) : 0);
    kerb_reach = std::min(1.0f, kerb_reach + reach);  // the ends of two close bends' kerbs join up
  }

  c = mix(c, asphalt(x, y, place), coverage(kHalf - away));
  if (kerb_reach > 0) {
    // Length along the kerb's own curve, so stripes keep their length on the inside
    // and the outside of a bend and run straight across the kerb.
    const float kerb_along = float(place.s) - std::copysign(kHalf + 5, place.offset) * place.turned;
    const float outer = kHalf - 3 + (float(kKerbWidth) + 3) * kerb_reach;
    c = mix(c, kerb(x, y, place, kerb_along), coverage(std::min(outer - away, away - (kHalf - 3))));
  }
  const float line = 2.5f - std::abs(away - (kHalf - kLineInset));
  c = mix(c, scaled(kWhitePaint, 1 + 0.03f * grain(x, y, 41)), 0.92f * coverage(line));

  const float from_start = float(lap_ahead(circuit_.start_line_s, place.s, lap));
  if (std::abs(from_start) < kChequer && away < kHalf - kLineInset - 3) {
    const int row = int(std::floor((from_start + kChequer) / kChequer));
    const int column = int(std::floor((place.offset + kHalf) / kChequer));
    c = (row + column) % 2 == 0 ? Colour{30, 30, 32} : scaled(kWhitePaint, 1 + 0.03f * grain(x, y, 42));
  }
  return c;
}

}  // namespace trackgen
