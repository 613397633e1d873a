#include "trackgen/outline.h"

#include <algorithm>
#include <cmath>

#include "trackgen/patch.h"

namespace trackgen {
namespace {

// Stretches the points so that their bounding box becomes the given box.
void fit_into(std::vector<Vec2>& points, Vec2 top_left, Vec2 bottom_right) {
  Vec2 low = points[0];
  Vec2 high = points[0];
  for (const Vec2& p : points) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
  }
  for (Vec2& p : points) {
    p.x = top_left.x + (p.x - low.x) / (high.x - low.x) * (bottom_right.x - top_left.x);
    p.y = top_left.y + (p.y - low.y) / (high.y - low.y) * (bottom_right.y - top_left.y);
  }
}

std::size_t longest_edge(const std::vector<Vec2>& points) {
  std::size_t best = 0;
  double best_length = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double edge = length(points[(i + 1) % points.size()] - points[i]);
    if (edge > best_length) {
      best = i;
      best_length = edge;
    }
  }
  return best;
}

// Grid lines at uneven spacing: `count` cells filling `size` pixels.
std::vector<double> uneven_lines(Rng& rng, int count, double size) {
  std::vector<double> lines{0};
  for (int i = 0; i < count; ++i) lines.push_back(lines.back() + rng.between(0.9, 1.15));
  for (double& line : lines) line *= size / lines.back();
  return lines;
}

// Cuts a share of the corners off at an angle: two gentler bends in place of one
// square one.
std::vector<Vec2> chamfered(Rng& rng, const std::vector<Vec2>& corners, double share) {
  std::vector<Vec2> out;
  const std::size_t n = corners.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Vec2 before = corners[(i + n - 1) % n];
    const Vec2 corner = corners[i];
    const Vec2 after = corners[(i + 1) % n];
    if (rng.uniform() < share) {
      const double cut = rng.between(0.25, 0.35) * std::min(length(corner - before), length(after - corner));
      out.push_back(corner - normalized(corner - before) * cut);
      out.push_back(corner + normalized(after - corner) * cut);
    } else {
      out.push_back(corner);
    }
  }
  return out;
}

// How a style lays its circuit over a grid of cells.
struct GridCharacter {
  double cell;            // cell size: the least room between parallel stretches of road
  double chamfer_share;   // share of square corners cut at an angle
  double radius_low;      // wished bend radii
  double radius_high;
  double tightest;        // no bend may come out tighter
};

// The outline of a patch of grid cells of uneven sizes, its corners shaken and some
// cut off, so the road doubles back on itself with bends both ways.
Outline grid_circuit(Rng& rng, Vec2 top_left, Vec2 bottom_right, const GridCharacter& character) {
  const int columns = std::max(2, int((bottom_right.x - top_left.x) / character.cell));
  const int rows = std::max(2, int((bottom_right.y - top_left.y) / character.cell));
  const std::vector<Vec2> corners_of_cells =
      patch_outline(rng, columns, rows, int(columns * rows * rng.between(0.55, 0.75)));
  Outline outline;
  const std::vector<double> xs = uneven_lines(rng, columns, bottom_right.x - top_left.x);
  const std::vector<double> ys = uneven_lines(rng, rows, bottom_right.y - top_left.y);
  std::vector<Vec2> corners;
  for (const Vec2& cell : corners_of_cells) {
    const double x = top_left.x + xs[std::size_t(cell.x)] + rng.between(-0.05, 0.05) * character.cell;
    const double y = top_left.y + ys[std::size_t(cell.y)] + rng.between(-0.05, 0.05) * character.cell;
    corners.push_back({x, y});
  }
  outline.points = chamfered(rng, corners, character.chamfer_share);
  if (rng.below(2) == 1) std::reverse(outline.points.begin(), outline.points.end());
  for (std::size_t i = 0; i < outline.points.size(); ++i) {
    outline.radii.push_back(rng.between(character.radius_low, character.radius_high));
  }
  outline.start_edge = longest_edge(outline.points);
  outline.tightest_radius = character.tightest;
  return outline;
}

// Long straights with hairpins: a main straight, then a serpentine of hairpins across
// the picture and a sweeping run back, turned and mirrored at random.
Outline hairpins(Rng& rng, Vec2 top_left, Vec2 bottom_right) {
  const bool across = rng.below(2) == 1;  // the serpentine climbs from left to right
  const double climb = across ? bottom_right.x - top_left.x : bottom_right.y - top_left.y;
  // Five hairpins where there is room, one where there is little.
  const int turns = climb < 1100 ? 1 : (climb < 2600 || rng.below(2) == 0 ? 3 : 5);
  const double inner = rng.between(0.22, 0.34);  // where the hairpins on the far side turn

  Outline outline;
  auto add = [&outline](double x, double y, double radius) {
    outline.points.push_back({x, y});
    outline.radii.push_back(radius);
  };
  add(0, rng.between(0, 0.04), rng.between(300, 500));
  for (int i = 0; i < turns; ++i) {
    const double x = i % 2 == 0 ? 1 : inner;
    const double y = 0.9 * i / turns + rng.between(0, 0.04);
    const double gap = rng.between(260, 300) / climb;
    add(x, y, 400);  // both corners of a hairpin share its width
    add(x + rng.between(-0.004, 0.004), y + gap, 400);
  }
  add(rng.between(0, 0.04), 1, rng.between(350, 500));
  const int sweepers = 1 + rng.below(2);
  for (int k = 0; k < sweepers; ++k) {
    const double y = sweepers == 1 ? rng.between(0.4, 0.6) : (k == 0 ? rng.between(0.6, 0.75) : rng.between(0.25, 0.4));
    add(rng.between(0.04, 0.14), y, rng.between(600, 1200));
  }

  const bool mirror_x = rng.below(2) == 1;
  const bool mirror_y = rng.below(2) == 1;
  for (Vec2& p : outline.points) {
    if (mirror_x) p.x = 1 - p.x;
    if (mirror_y) p.y = 1 - p.y;
    if (across) p = {p.y, p.x};
  }
  outline.start_edge = 0;
  if (rng.below(2) == 1) {  // drive it the other way round
    std::reverse(outline.points.begin(), outline.points.end());
    std::reverse(outline.radii.begin(), outline.radii.end());
    outline.start_edge = outline.points.size() - 2;
  }
  fit_into(outline.points, top_left, bottom_right);
  return outline;
}

}  // namespace

double turn_at(const std::vector<Vec2>& points, std::size_t i) {
  const std::size_t n = points.size();
  const Vec2 in = points[i] - points[(i + n - 1) % n];
  const Vec2 out = points[(i + 1) % n] - points[i];
  return std::atan2(cross(in, out), dot(in, out));
}

Outline draw_outline(Style style, Rng& rng, Vec2 top_left, Vec2 bottom_right) {
  // Tight and twisty: small cells, mostly square corners at the tightest radii.
  constexpr GridCharacter kTwisty{340, 0.35, 130, 220, 0};
  // Flowing: big cells, most corners cut into pairs of sweeping bends.
  constexpr GridCharacter kFlowing{560, 0.6, 260, 650, 190};
  switch (style) {
    case Style::twisty: return grid_circuit(rng, top_left, bottom_right, kTwisty);
    case Style::flowing: return grid_circuit(rng, top_left, bottom_right, kFlowing);
    case Style::hairpins: return hairpins(rng, top_left, bottom_right);
  }
  return grid_circuit(rng, top_left, bottom_right, kTwisty);
}

}  // namespace trackgen
