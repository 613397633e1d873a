#include "trackgen/furniture.h"

#include <algorithm>
#include <cmath>

namespace trackgen {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kStartBehindLine = 48;  // the car waits this far before the line, inside square 1
constexpr double kSquareHalf = track_folder::kSquareSize / 2.0;
constexpr double kTyreSpacing = 40;

// The nearest approach of the parts of the line further than `skip` along the lap from
// `s` to the square of half side `half` around `centre`.
double clearance(const CentreLine& line, Vec2 centre, double half, double s, double skip) {
  double nearest = 1e30;
  for (std::size_t i = 0; i < line.points.size(); ++i) {
    if (lap_distance(line.s[i], s, line.length) <= skip) continue;
    nearest = std::min(nearest, distance_to_box(line.points[i], centre, half));
  }
  return nearest;
}

track_folder::Corner corner_of(Vec2 centre, double half) {
  return {int(std::lround(centre.x - half)), int(std::lround(centre.y - half))};
}

// A checkpoint square on the centre line near arc length `wanted`, moved along the lap
// until no other part of the road runs through it.
std::optional<track_folder::Corner> checkpoint(const CentreLine& line, double wanted) {
  for (double shift = 0; shift < line.length / 10; shift += 20) {
    for (double at : {wanted + shift, wanted - shift}) {
      const Vec2 centre = line.point_at(at);
      if (clearance(line, centre, kSquareHalf, at, 300) > kHalfWidth + 8) return corner_of(centre, kSquareHalf);
    }
  }
  return std::nullopt;
}

// A row of tyre stacks along the outer edge of the gravel of a sharp bend, from its
// middle to just past its exit, where cars run wide.
bool place_tyres(const CentreLine& line, const Bend& bend, std::vector<track_folder::Corner>& barriers) {
  const double span = bend.s_end - bend.s_begin;
  const double from = bend.s_begin + 0.4 * span;
  const double to = bend.s_end + 0.15 * span;
  const double outer_radius = bend.radius + kHalfWidth + kGravelDepth;
  const int count = std::clamp(int((to - from) * outer_radius / bend.radius / kTyreSpacing), 3, 9);
  const bool right = bend.turn < 0;  // the outside of the bend
  for (int k = 0; k < count; ++k) {
    const double at = from + (to - from) * (k + 0.5) / count;
    const double gravel = line.gravel_at(at, right);
    if (gravel < kGravelDepth / 3) continue;  // no tyres out on the grass where the gravel fades
    const double offset = kHalfWidth + gravel - kTyreSize * 0.6;
    const Vec2 centre = line.point_at(at) + perp(line.direction_at(at)) * (right ? offset : -offset);
    if (clearance(line, centre, kTyreSize / 2.0, at, -1) < kHalfWidth + 10) return false;
    barriers.push_back(corner_of(centre, kTyreSize / 2.0));
  }
  return true;
}

}  // namespace

float heading_of(Vec2 direction) {
  double degrees = std::atan2(-direction.x, direction.y) * 180 / kPi;
  if (degrees < 0) degrees += 360;
  return degrees >= 360 ? 0.0f : float(degrees);
}

double distance_to_box(Vec2 p, Vec2 centre, double half) {
  const double dx = std::max(std::abs(p.x - centre.x) - half, 0.0);
  const double dy = std::max(std::abs(p.y - centre.y) - half, 0.0);
  return std::sqrt(dx * dx + dy * dy);
}

std::optional<Furniture> place_furniture(const CentreLine& line, double straight_begin, double straight_end) {
  Furniture furniture;
  furniture.start_line_s = std::fmod(straight_begin + 0.6 * (straight_end - straight_begin), line.length);
  const double car_at = furniture.start_line_s - kStartBehindLine;
  const Vec2 car = line.point_at(car_at);
  track_folder::TrackLayout& layout = furniture.layout;
  layout.start_x = float(car.x);
  layout.start_y = float(car.y);
  layout.start_heading = heading_of(line.direction_at(car_at));

  const Vec2 finish = line.point_at(furniture.start_line_s);
  if (clearance(line, finish, kSquareHalf, furniture.start_line_s, 300) <= kHalfWidth + 8) return std::nullopt;
  layout.squares[0] = corner_of(finish, kSquareHalf);
  for (int k = 1; k < 3; ++k) {
    const std::optional<track_folder::Corner> square = checkpoint(line, furniture.start_line_s + k * line.length / 3);
    if (!square) return std::nullopt;
    layout.squares[std::size_t(k)] = *square;
  }
  for (const Bend& bend : line.bends) {
    if (bend.sharp && !place_tyres(line, bend, layout.barriers)) return std::nullopt;
  }
  return furniture;
}

}  // namespace trackgen
