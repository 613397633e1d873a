#pragma once
// The geometry of a generated circuit: the centre line as straights and circular
// bends, and where the start, the checkpoint squares and the tyre barriers stand.
#include <cstdint>
#include <vector>

#include "track_folder/track_folder.h"
#include "trackgen/outline.h"
#include "trackgen/vec2.h"

namespace trackgen {

constexpr double kHalfWidth = 72;   // the road is 144 pixels wide
constexpr double kMinRadius = 125;  // tightest centre-line bend
constexpr double kKerbWidth = 14;   // kerbs reach this far past the road edge
constexpr double kGravelDepth = 124;  // run-off past the road edge at sharp bends
constexpr int kTyreSize = 28;       // the barrier picture, and so its collision box

struct TrackParams {
  std::uint64_t seed = 1;
  int width = 2400;
  int height = 1800;
  Style style = Style::twisty;
};

// A circular bend of the centre line between arc lengths s_begin and s_end.
struct Bend {
  double s_begin = 0;
  double s_end = 0;
  double radius = 0;
  double turn = 0;  // signed angle in radians; positive turns towards perp() of the direction
  bool sharp = false;  // tight, after a straight: gets run-off, an outside kerb and barriers
};

// The closed centre line in driving order, as short segments (at most 8 pixels). It
// starts halfway along the start straight, far from any bend.
struct CentreLine {
  std::vector<Vec2> points;  // segment k runs from points[k] to points[k + 1], the last back to points[0]
  std::vector<double> s;     // arc length at each point
  std::vector<double> turned;  // how far the line has turned since points[0], radians
  std::vector<int> bend;     // the bend segment k belongs to, or -1 on a straight
  std::vector<Bend> bends;
  // How far the gravel run-off reaches past the road edge at each point, on the
  // driver's right (towards perp() of the direction) and left.
  std::vector<double> gravel_right;
  std::vector<double> gravel_left;
  double length = 0;

  // The point at arc length `at` (taken around the lap) and the driving direction there.
  Vec2 point_at(double at) const;
  Vec2 direction_at(double at) const;
  double gravel_at(double at, bool right) const;
};

struct Circuit {
  TrackParams params;
  CentreLine line;
  double start_line_s = 0;  // where the chequered line crosses the road
  track_folder::TrackLayout layout;
};

// The circuit for `params`; the same parameters always give the same circuit. Throws
// std::runtime_error when no circuit of that style fits the picture.
Circuit make_circuit(const TrackParams& params);

// Arc-length distance between two points of a closed line of length `lap`, either way round.
double lap_distance(double a, double b, double lap);
// Arc length from `from` forwards to `to` on a closed line, in (-lap / 2, lap / 2].
double lap_ahead(double from, double to, double lap);

}  // namespace trackgen
