#include "trackgen/circuit.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "trackgen/furniture.h"

namespace trackgen {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kStep = 8;             // longest centre-line segment
constexpr double kStartStraight = 420;  // the start/finish straight is at least this long
// Road parts that are this far apart along the lap must keep this much room between
// their centre lines: both roads, kerbs and a strip of grass.
constexpr double kApartAlong = 460;
constexpr double kApartAcross = 2 * kHalfWidth + 130;
// Room kept free around the circuit: run-off, barriers and 150 pixels of grass.
constexpr double kMargin = 150 + kHalfWidth + kGravelDepth + 24;

// A corner of the outline rounded off by a circular bend from a to b.
struct Fillet {
  Vec2 a, b, centre;
  double radius = 0;
  double turn = 0;
};

// Shrinks the wished radii until the bends at both ends of every edge fit on it, with
// room for the start straight on the start edge. Nothing when a bend would get too tight.
std::optional<std::vector<Fillet>> round_corners(const Outline& outline) {
  const std::size_t n = outline.points.size();
  std::vector<double> turns(n);
  for (std::size_t i = 0; i < n; ++i) turns[i] = turn_at(outline.points, i);
  std::vector<double> radii = outline.radii;
  auto tangent = [&](std::size_t i) { return radii[i] * std::tan(std::abs(turns[i]) / 2); };
  for (int pass = 0; pass < 30; ++pass) {
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t j = (i + 1) % n;
      const double reserved = i == outline.start_edge ? kStartStraight : 0;
      const double room = length(outline.points[j] - outline.points[i]) - reserved;
      if (room <= 0) return std::nullopt;
      const double need = tangent(i) + tangent(j);
      if (need > room) {
        radii[i] *= room / need;
        radii[j] *= room / need;
      }
    }
  }
  std::vector<Fillet> fillets;
  for (std::size_t i = 0; i < n; ++i) {
    if (radii[i] < std::max(kMinRadius, outline.tightest_radius)) return std::nullopt;
    const Vec2 corner = outline.points[i];
    const Vec2 in = normalized(corner - outline.points[(i + n - 1) % n]);
    const Vec2 out = normalized(outline.points[(i + 1) % n] - corner);
    Fillet f;
    f.radius = radii[i];
    f.turn = turns[i];
    f.a = corner - in * tangent(i);
    f.b = corner + out * tangent(i);
    f.centre = f.a + perp(in) * (turns[i] > 0 ? f.radius : -f.radius);
    fillets.push_back(f);
  }
  return fillets;
}

void add_point(CentreLine& line, Vec2 p, double turned, int bend) {
  if (!line.points.empty()) line.length += length(p - line.points.back());
  line.points.push_back(p);
  line.s.push_back(line.length);
  line.turned.push_back(turned);
  line.bend.push_back(bend);
}

void add_straight(CentreLine& line, Vec2 from, Vec2 to, double turned) {
  const int steps = int(std::ceil(length(to - from) / kStep));
  for (int k = 0; k < steps; ++k) add_point(line, from + (to - from) * (double(k) / steps), turned, -1);
}

// The centre line through the bends and the straights between them, from the middle
// of the start straight round to it again. Also gives the arc-length range of the
// start straight (its end lies past the lap length).
CentreLine trace(const std::vector<Fillet>& fillets, std::size_t start_edge, double& straight_begin,
                 double& straight_end) {
  CentreLine line;
  const std::size_t n = fillets.size();
  const std::size_t first = (start_edge + 1) % n;
  const Vec2 middle = (fillets[start_edge].b + fillets[first].a) * 0.5;
  double turned = 0;
  add_straight(line, middle, fillets[first].a, turned);
  for (std::size_t j = 0; j < n; ++j) {
    const Fillet& f = fillets[(first + j) % n];
    Bend bend{line.length + length(f.a - line.points.back()), 0, f.radius, f.turn, false};
    const int bend_index = int(line.bends.size());
    const int pieces = std::max(1, int(std::ceil(std::abs(f.turn) * f.radius / kStep)));
    const double from = std::atan2(f.a.y - f.centre.y, f.a.x - f.centre.x);
    for (int k = 0; k < pieces; ++k) {
      const double angle = from + f.turn * k / pieces;
      add_point(line, f.centre + Vec2{std::cos(angle), std::sin(angle)} * f.radius, turned + f.turn * k / pieces,
                bend_index);
    }
    turned += f.turn;
    bend.s_end = line.length + length(f.b - line.points.back());
    line.bends.push_back(bend);
    const bool last = j + 1 == n;
    if (last) {
      straight_begin = bend.s_end;
      straight_end = bend.s_end + 2 * length(middle - f.b);
    }
    add_straight(line, f.b, last ? middle : fillets[(first + j + 1) % n].a, turned);
  }
  line.length += length(line.points.front() - line.points.back());
  // Run-off where cars arrive fast: a tight bend at the end of a real straight.
  for (std::size_t i = 0; i < n; ++i) {
    Bend& bend = line.bends[i];
    const double approach = lap_ahead(line.bends[(i + n - 1) % n].s_end, bend.s_begin, line.length);
    bend.sharp = bend.radius <= 400 && std::abs(bend.turn) >= 45 * kPi / 180 && approach >= 300;
  }
  return line;
}

double smoothstep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// The run-off of one sharp bend: nothing before it, full depth from its middle to just
// after its exit, where cars run wide, then tapering off.
double run_off(const Bend& bend, double s, double lap) {
  const double span = bend.s_end - bend.s_begin;
  const double d = lap_ahead(bend.s_begin, s, lap);
  const double rise = smoothstep(-0.1 * span, 0.35 * span, d);
  const double fall = 1 - smoothstep(1.2 * span, 1.2 * span + std::max(120.0, 0.4 * span), d);
  return kGravelDepth * std::min(rise, fall);
}

// Gravel on the outside of every sharp bend, but never on the inside of a bend that
// swings the other way; smoothed along the lap so it fades out instead of ending square.
void spread_gravel(CentreLine& line) {
  const std::size_t n = line.points.size();
  line.gravel_right.assign(n, 0);
  line.gravel_left.assign(n, 0);
  for (const Bend& bend : line.bends) {
    if (!bend.sharp) continue;
    std::vector<double>& outside = bend.turn > 0 ? line.gravel_left : line.gravel_right;
    for (std::size_t i = 0; i < n; ++i) {
      const int here = line.bend[i];
      if (here >= 0 && line.bends[std::size_t(here)].turn * bend.turn < 0) continue;
      outside[i] = std::max(outside[i], run_off(bend, line.s[i], line.length));
    }
  }
  for (std::vector<double>* side : {&line.gravel_right, &line.gravel_left}) {
    for (int pass = 0; pass < 2; ++pass) {
      std::vector<double> smoothed(n);
      for (std::size_t i = 0; i < n; ++i) {
        double sum = 0;
        for (std::size_t k = 0; k < 21; ++k) sum += (*side)[(i + n + k - 10) % n];
        smoothed[i] = sum / 21;
      }
      *side = smoothed;
    }
  }
}

// Far-apart parts of the lap must not come close: no crossing, no road touching another.
bool keeps_apart(const CentreLine& line) {
  const std::size_t n = line.points.size();
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (lap_distance(line.s[i], line.s[j], line.length) < kApartAlong) continue;
      const Vec2 d = line.points[i] - line.points[j];
      if (dot(d, d) < kApartAcross * kApartAcross) return false;
    }
  }
  return true;
}

std::size_t segment_at(const CentreLine& line, double& at) {
  at = std::fmod(at, line.length);
  if (at < 0) at += line.length;
  const auto after = std::upper_bound(line.s.begin(), line.s.end(), at);
  return std::size_t(after - line.s.begin()) - 1;
}

}  // namespace

Vec2 CentreLine::point_at(double at) const {
  const std::size_t k = segment_at(*this, at);
  const Vec2 a = points[k];
  const Vec2 b = points[(k + 1) % points.size()];
  const double piece = trackgen::length(b - a);
  return piece > 0 ? a + (b - a) * ((at - s[k]) / piece) : a;
}

Vec2 CentreLine::direction_at(double at) const {
  const std::size_t k = segment_at(*this, at);
  return normalized(points[(k + 1) % points.size()] - points[k]);
}

double CentreLine::gravel_at(double at, bool right) const {
  const std::size_t k = segment_at(*this, at);
  const std::vector<double>& side = right ? gravel_right : gravel_left;
  const double piece = trackgen::length(points[(k + 1) % points.size()] - points[k]);
  const double t = piece > 0 ? (at - s[k]) / piece : 0;
  return side[k] + (side[(k + 1) % points.size()] - side[k]) * t;
}

double lap_distance(double a, double b, double lap) {
  const double d = std::fmod(std::abs(a - b), lap);
  return std::min(d, lap - d);
}

double lap_ahead(double from, double to, double lap) {
  double d = std::fmod(to - from, lap);
  if (d > lap / 2) d -= lap;
  if (d <= -lap / 2) d += lap;
  return d;
}

Circuit make_circuit(const TrackParams& params) {
  Rng rng(params.seed);
  const Vec2 top_left{kMargin, kMargin};
  const Vec2 bottom_right{params.width - kMargin, params.height - kMargin};
  for (int attempt = 0; attempt < 2000; ++attempt) {
    const Outline outline = draw_outline(params.style, rng, top_left, bottom_right);
    const std::optional<std::vector<Fillet>> fillets = round_corners(outline);
    if (!fillets) continue;
    double straight_begin = 0;
    double straight_end = 0;
    CentreLine line = trace(*fillets, outline.start_edge, straight_begin, straight_end);
    if (!keeps_apart(line)) continue;
    spread_gravel(line);
    std::optional<Furniture> furniture = place_furniture(line, straight_begin, straight_end);
    if (!furniture) continue;
    return Circuit{params, std::move(line), furniture->start_line_s, std::move(furniture->layout)};
  }
  throw std::runtime_error("no circuit of this style fits a picture of " + std::to_string(params.width) + " x " +
                           std::to_string(params.height) + " pixels");
}

}  // namespace trackgen
