#include "trackgen/woods.h"

#include <algorithm>
#include <cmath>

#include "trackgen/rng.h"

namespace trackgen {
namespace {

constexpr int kCell = 64;
constexpr float kShadowX = 0.35f;  // shadow offset, as a share of the crown radius
constexpr float kShadowY = 0.45f;

// Clumps of woodland per million pixels of picture.
double clumps_per_megapixel(Style style) {
  switch (style) {
    case Style::twisty: return 7.0;
    case Style::flowing: return 1.2;
    case Style::hairpins: return 2.5;
  }
  return 0;
}

double distance_to_line(const CentreLine& line, Vec2 p) {
  double nearest = 1e30;
  for (const Vec2& q : line.points) nearest = std::min(nearest, length(p - q));
  return nearest;
}

}  // namespace

Woods::Woods(const Circuit& circuit)
    : lumps_(circuit.params.seed + 201, 9, 64), leaves_(circuit.params.seed + 202, 4, 64) {
  const TrackParams& params = circuit.params;
  Rng rng(params.seed + 200);
  const int clumps = int(clumps_per_megapixel(params.style) * params.width * params.height / 1e6);
  const double road_keep_off = kHalfWidth + kGravelDepth * 1.15 + 30;
  for (int clump = 0; clump < clumps; ++clump) {
    const Vec2 middle{rng.between(0, params.width), rng.between(0, params.height)};
    const double spread = rng.between(60, 320);
    const int count = 4 + rng.below(int(spread / 5));
    const Colour kind{float(rng.between(48, 70)), float(rng.between(80, 100)), float(rng.between(28, 42))};
    for (int k = 0; k < count; ++k) {
      const double angle = rng.between(0, 6.2831853);
      const double reach = spread * std::sqrt(rng.uniform());
      const Vec2 centre = middle + Vec2{std::cos(angle), std::sin(angle)} * reach;
      const float radius = float(rng.between(15, 34));
      const float tint = float(rng.between(0.85, 1.15));
      const double edge = std::min({centre.x, centre.y, params.width - centre.x, params.height - centre.y});
      if (edge < 2.2 * radius + 40) continue;
      if (distance_to_line(circuit.line, centre) < road_keep_off + 1.6 * radius) continue;
      trees_.push_back({centre, radius, scaled(kind, tint)});
    }
  }
  // Trees further down the picture stand in front: their crowns cover the ones behind.
  std::stable_sort(trees_.begin(), trees_.end(), [](const Tree& a, const Tree& b) { return a.centre.y < b.centre.y; });

  columns_ = (params.width + kCell - 1) / kCell;
  rows_ = (params.height + kCell - 1) / kCell;
  cells_.resize(std::size_t(columns_) * std::size_t(rows_));
  for (std::size_t i = 0; i < trees_.size(); ++i) {
    const Tree& tree = trees_[i];
    const double reach = tree.radius * 1.8;
    const int x0 = std::max(0, int((tree.centre.x - reach) / kCell));
    const int x1 = std::min(columns_ - 1, int((tree.centre.x + reach) / kCell));
    const int y0 = std::max(0, int((tree.centre.y - reach) / kCell));
    const int y1 = std::min(rows_ - 1, int((tree.centre.y + reach) / kCell));
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) cells_[std::size_t(y * columns_ + x)].push_back(int(i));
    }
  }
}

const std::vector<int>& Woods::near(int x, int y) const {
  return cells_[std::size_t((y / kCell) * columns_ + x / kCell)];
}

Colour Woods::over(int x, int y, Colour ground) const {
  const std::vector<int>& here = near(x, y);
  if (here.empty()) return ground;
  const float px = float(x) + 0.5f;
  const float py = float(y) + 0.5f;
  const float lump = lumps_.at(px, py);
  float shadow = 0;
  const Tree* top = nullptr;
  float top_cover = 0;
  float top_dx = 0, top_dy = 0, top_radius = 0;
  for (int index : here) {
    const Tree& tree = trees_[std::size_t(index)];
    const float radius = tree.radius * (1 + 0.12f * lump);
    const float sx = px - float(tree.centre.x) - kShadowX * tree.radius;
    const float sy = py - float(tree.centre.y) - kShadowY * tree.radius;
    shadow = std::max(shadow, std::clamp((radius - std::sqrt(sx * sx + sy * sy)) / 4 + 0.5f, 0.0f, 1.0f));
    const float dx = px - float(tree.centre.x);
    const float dy = py - float(tree.centre.y);
    const float cover = std::clamp(radius - std::sqrt(dx * dx + dy * dy) + 0.5f, 0.0f, 1.0f);
    if (cover > 0) {
      top = &tree;
      top_cover = cover;
      top_dx = dx;
      top_dy = dy;
      top_radius = radius;
    }
  }
  Colour c = scaled(ground, 1 - 0.45f * shadow);
  if (top == nullptr) return c;
  // A crown is a dome of leaves: lit where it faces the sun, dark in the gaps between clumps.
  const float nx = top_dx / top_radius;
  const float ny = top_dy / top_radius;
  const float up = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
  const float light = std::max(0.0f, -0.45f * nx - 0.55f * ny + 0.7f * up);
  const float foliage = 1 + 0.22f * leaves_.at(px, py) + 0.08f * grain(x, y, 203);
  const Colour crown = scaled(top->leaves, (0.45f + 0.75f * light) * foliage);
  return mix(c, crown, top_cover);
}

}  // namespace trackgen
