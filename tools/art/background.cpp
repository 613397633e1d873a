// The menu backdrop, 1024 x 768: dusk at a floodlit circuit, seen from a car
// rushing into a right-hand bend. Kept fairly dark where the menu puts its panels.
#include <algorithm>
#include <cmath>

#include "drawings.h"
#include "filters.h"
#include "ground.h"
#include "noise.h"

namespace art {

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
const Vec2 kSunset{660.0f, kHorizonY};
const Color kHaze = rgb(118, 78, 84);
const Color kSilhouette = rgb(20, 22, 34);
const Color kLamp = rgb(255, 238, 206);
const Color kSteel = rgb(46, 46, 62);

float smoothstep(float low, float high, float x) {
  const float t = std::clamp((x - low) / (high - low), 0.0f, 1.0f);
  return t * t * (3.0f - 2.0f * t);
}

// Night blue overhead, through violet, to the last orange light at the horizon.
Color sky_colour(Vec2 p) {
  const float t = p.y / kHorizonY;
  Color c = mix(rgb(12, 16, 40), rgb(44, 36, 82), smoothstep(0.0f, 0.6f, t));
  c = mix(c, rgb(128, 66, 92), smoothstep(0.5f, 0.88f, t));
  c = mix(c, rgb(210, 118, 70), smoothstep(0.85f, 1.0f, t));
  const float dx = (p.x - kSunset.x) / 260.0f;
  const float dy = (p.y - kSunset.y) / 90.0f;
  const float glow = std::exp(-(dx * dx + dy * dy));
  return mix(c, rgb(255, 178, 96), 0.45f * glow);
}

void paint_sky_and_ground(Canvas& canvas) {
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const Vec2 p{float(x) + 0.5f, float(y) + 0.5f};
      canvas.set(x, y, p.y < kHorizonY ? sky_colour(p) : ground_colour(p, kHaze));
    }
  }
}

void draw_stars(Canvas& canvas, Rng& rng) {
  for (int i = 0; i < 140; ++i) {
    const float x = rng.between(0.0f, float(kWidth));
    const float y = rng.between(0.0f, kHorizonY * 0.55f);
    const float brightness = rng.between(0.15f, 0.7f) * (1.0f - y / (kHorizonY * 0.55f));
    fill(canvas, circle({x, y}, rng.between(0.5f, 1.1f)), rgb(255, 250, 235, brightness));
  }
}

// Low hills along the horizon, dark against the sunset.
void draw_hills(Canvas& canvas) {
  for (int x = 0; x < kWidth; ++x) {
    const float crowns = fractal_noise(float(x) * 0.035f, 0.5f, 4, 31);
    const float top = kHorizonY - 6.0f - 30.0f * crowns;
    for (int y = int(top); y <= int(kHorizonY) + 1; ++y) {
      const float cover = std::clamp(float(y) + 1.0f - top, 0.0f, 1.0f);
      canvas.blend(x, y, kSilhouette, cover);
    }
  }
}

// A grandstand on the right under a flat roof, its spectators' camera flashes and
// lamps showing as small lights.
void draw_grandstand(Canvas& canvas, Rng& rng) {
  const auto facade_top = [](float x) { return 262.0f + (x - 700.0f) * (214.0f - 262.0f) / 324.0f; };
  fill(canvas, polygon({{700, kHorizonY + 2}, {700, facade_top(700)}, {1024, facade_top(1024)}, {1024, kHorizonY + 8}}),
       rgb(26, 26, 40));
  fill(canvas, polygon({{690, 254}, {1024, 198}, {1024, 190}, {686, 248}}), kSteel);  // roof
  for (float x = 720; x < kWidth; x += 80) {  // posts holding up the roof
    fill(canvas, segment({x, facade_top(x)}, {x, 251 - (x - 690) / 6}, 2.0f), kSteel);
  }
  for (int row = 0; row < 6; ++row) {
    for (float x = 706; x < kWidth; x += rng.between(4.0f, 11.0f)) {
      const float y = facade_top(x) + 6.0f + float(row) * 5.5f;
      const Color light = mix(rgb(255, 206, 140), rgb(190, 214, 255), rng.uniform());
      fill(canvas, circle({x, y}, 0.8f), Color{light.r, light.g, light.b, rng.between(0.15f, 0.75f)});
    }
  }
}

void add_glow(Canvas& canvas, Vec2 centre, float radius, float strength) {
  const int reach = int(radius * 3.0f);
  for (int y = int(centre.y) - reach; y <= int(centre.y) + reach; ++y) {
    for (int x = int(centre.x) - reach; x <= int(centre.x) + reach; ++x) {
      const float dx = (float(x) + 0.5f - centre.x) / radius;
      const float dy = (float(y) + 0.5f - centre.y) / radius;
      canvas.add_light(x, y, kLamp, strength * std::exp(-(dx * dx + dy * dy)));
    }
  }
}

// Masts with lamp banks that light the circuit, in perspective: nearer ones stand taller.
void draw_floodlights(Canvas& canvas) {
  struct Mast {
    float x, height, scale;
  };
  for (const Mast& m : {Mast{150, 230, 1.0f}, Mast{380, 150, 0.65f}, Mast{520, 80, 0.4f}, Mast{930, 200, 0.85f}}) {
    const float top = kHorizonY - m.height;
    fill(canvas, segment({m.x, kHorizonY}, {m.x, top}, 3.0f * m.scale), kSteel);
    const float w = 20.0f * m.scale;
    const float h = 12.0f * m.scale;
    fill(canvas, rounded_box(m.x - w, top - h, m.x + w, top + 1.0f, 2.0f * m.scale), kSteel);
    // Two rows of four lamps.
    for (int row = 0; row < 2; ++row) {
      for (int i = 0; i < 4; ++i) {
        const Vec2 bulb{m.x - w + (float(i) + 0.5f) * w / 2.0f, top - h + (float(row) + 0.5f) * (h + 1.0f) / 2.0f};
        fill(canvas, circle(bulb, 3.2f * m.scale), kLamp);
      }
    }
    add_glow(canvas, {m.x, top - h / 2}, 30.0f * m.scale, 0.45f);
    add_glow(canvas, {m.x, top - h / 2}, 100.0f * m.scale, 0.1f);
  }
}

// Thin light streaks flying outwards from the point the car is heading for.
void draw_speed_streaks(Canvas& canvas, Rng& rng) {
  for (int i = 0; i < 70; ++i) {
    const float angle = rng.between(0.25f, 2.9f);  // below the horizon, where the road rushes past
    const float start = rng.between(260.0f, 620.0f);
    const float length = rng.between(80.0f, 300.0f);
    const float alpha = rng.between(0.05f, 0.2f);
    const Vec2 dir{std::cos(angle), std::sin(angle)};
    const Vec2 from{kSunset.x + dir.x * start, kSunset.y + dir.y * start};
    const Vec2 to{from.x + dir.x * length, from.y + dir.y * length};
    // Faint at both ends so each streak looks like a blurred fleck of light.
    fill(canvas, segment(from, to, rng.between(0.8f, 2.2f)), [=](Vec2 p) {
      const float t = std::clamp(((p.x - from.x) * dir.x + (p.y - from.y) * dir.y) / length, 0.0f, 1.0f);
      return rgb(255, 236, 214, alpha * std::sin(3.1415927f * t));
    });
  }
}

}  // namespace

platform::Pixels draw_background() {
  Rng rng(20240611u);
  Canvas scene(kWidth, kHeight);
  paint_sky_and_ground(scene);
  // The skyline goes on after the smear: far things stay sharp in a photograph taken at speed.
  Canvas picture = zoom_blur(scene, kSunset, 0.07f, 16);
  draw_speed_streaks(picture, rng);
  draw_stars(picture, rng);
  draw_hills(picture);
  draw_grandstand(picture, rng);
  draw_floodlights(picture);
  vignette(picture, 0.6f);
  lift_blacks(picture, 16.0f / 255.0f);  // pure black would turn transparent in the game
  return picture.to_pixels(false);
}

}  // namespace art
