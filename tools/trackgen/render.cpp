#include "trackgen/render.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "trackgen/paint.h"

namespace trackgen {
namespace {

constexpr int kBlock = 16;  // pixels share one short list of candidate segments
constexpr int kCell = 64;   // buckets of segments for finding those lists
constexpr float kBlockReach = kBlock * 0.7072f;  // centre of a block to its corners

// One centre-line segment, with what the painter needs to know along it.
struct Segment {
  Vec2 a;
  Vec2 dir;
  double length = 0;
  double s = 0;
  float racing_from = 0;
  float racing_to = 0;
  float turned_from = 0;
  float turned_to = 0;
  std::array<int, 3> bends{-1, -1, -1};
  float gravel_right_from = 0;
  float gravel_right_to = 0;
  float gravel_left_from = 0;
  float gravel_left_to = 0;
  bool has_gravel() const { return gravel_right_from + gravel_right_to + gravel_left_from + gravel_left_to > 0; }
};

// Where a quick driver goes: out wide before a bend, to the inside through it, out
// wide again after it; smoothed so it swings gently from one side to the other.
std::vector<float> racing_line(const CentreLine& line) {
  const std::size_t n = line.points.size();
  std::vector<float> offset(n, 0);
  for (const Bend& bend : line.bends) {
    const double span = bend.s_end - bend.s_begin;
    const float inwards = bend.turn > 0 ? 1.0f : -1.0f;
    for (std::size_t i = 0; i < n; ++i) {
      const double into = lap_ahead(bend.s_begin, line.s[i], line.length);
      if (into >= 0 && into <= span) offset[i] = inwards * float(kHalfWidth) * 0.55f;
      else if (offset[i] == 0 && into > -220 && into < span + 220) offset[i] = -inwards * float(kHalfWidth) * 0.45f;
    }
  }
  for (int pass = 0; pass < 3; ++pass) {
    std::vector<float> smoothed(n);
    for (std::size_t i = 0; i < n; ++i) {
      float sum = 0;
      for (std::size_t k = 0; k < 31; ++k) sum += offset[(i + n + k - 15) % n];
      smoothed[i] = sum / 31;
    }
    offset = smoothed;
  }
  return offset;
}

std::vector<Segment> segments(const CentreLine& line) {
  const std::vector<float> racing = racing_line(line);
  const std::size_t n = line.points.size();
  std::vector<Segment> out(n);
  for (std::size_t k = 0; k < n; ++k) {
    Segment& seg = out[k];
    const Vec2 b = line.points[(k + 1) % n];
    seg.a = line.points[k];
    seg.length = length(b - seg.a);
    seg.dir = seg.length > 0 ? (b - seg.a) * (1 / seg.length) : Vec2{1, 0};
    seg.s = line.s[k];
    seg.racing_from = racing[k];
    seg.racing_to = racing[(k + 1) % n];
    seg.turned_from = float(line.turned[k]);
    seg.turned_to = k + 1 < n ? float(line.turned[k + 1]) : seg.turned_from;
    seg.gravel_right_from = float(line.gravel_right[k]);
    seg.gravel_right_to = float(line.gravel_right[(k + 1) % n]);
    seg.gravel_left_from = float(line.gravel_left[k]);
    seg.gravel_left_to = float(line.gravel_left[(k + 1) % n]);
    std::size_t found = 0;
    for (std::size_t b_index = 0; b_index < line.bends.size() && found < seg.bends.size(); ++b_index) {
      const Bend& bend = line.bends[b_index];
      const double into = lap_ahead(bend.s_begin, seg.s, line.length);
      if (into > -60 && into < bend.s_end - bend.s_begin + 80) seg.bends[found++] = int(b_index);
    }
  }
  return out;
}

double distance_squared(const Segment& seg, Vec2 p, double& along) {
  const Vec2 d = p - seg.a;
  along = std::clamp(dot(d, seg.dir), 0.0, seg.length);
  const Vec2 off = d - seg.dir * along;
  return dot(off, off);
}

// Buckets of the segments that pass near each cell, so a block of pixels looks at few.
class SegmentGrid {
 public:
  SegmentGrid(const std::vector<Segment>& segs, int width, int height)
      : columns_((width + kCell - 1) / kCell), rows_((height + kCell - 1) / kCell),
        cells_(std::size_t(columns_) * std::size_t(rows_)) {
    const double reach = kPaintedBand + 3 * kBlockReach + 2;
    for (std::size_t k = 0; k < segs.size(); ++k) {
      const Vec2 a = segs[k].a;
      const Vec2 b = a + segs[k].dir * segs[k].length;
      const int x0 = std::max(0, int((std::min(a.x, b.x) - reach) / kCell));
      const int x1 = std::min(columns_ - 1, int((std::max(a.x, b.x) + reach) / kCell));
      const int y0 = std::max(0, int((std::min(a.y, b.y) - reach) / kCell));
      const int y1 = std::min(rows_ - 1, int((std::max(a.y, b.y) + reach) / kCell));
      for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) cells_[std::size_t(y * columns_ + x)].push_back(int(k));
      }
    }
  }
  const std::vector<int>& near(Vec2 p) const {
    const int x = std::clamp(int(p.x / kCell), 0, columns_ - 1);
    const int y = std::clamp(int(p.y / kCell), 0, rows_ - 1);
    return cells_[std::size_t(y * columns_ + x)];
  }

 private:
  int columns_;
  int rows_;
  std::vector<std::vector<int>> cells_;
};

struct Job {
  const Circuit& circuit;
  const Painter& painter;
  const std::vector<Segment>& segs;
  const SegmentGrid& grid;
  platform::Pixels& picture;
};

void store(platform::Pixels& picture, int x, int y, Colour c) {
  std::uint8_t* p = picture.at(x, y);
  p[0] = std::uint8_t(std::clamp(std::lround(c.r), 0L, 255L));
  p[1] = std::uint8_t(std::clamp(std::lround(c.g), 0L, 255L));
  p[2] = std::uint8_t(std::clamp(std::lround(c.b), 0L, 255L));
  p[3] = 255;
}

// The nearest segment to `p` among `candidates`, with the distance squared and the
// position along it; nullptr when there are none.
const Segment* nearest_of(const Job& job, const std::vector<int>& candidates, Vec2 p, double& best,
                          double& best_along) {
  const Segment* found = nullptr;
  best = 1e30;
  for (int k : candidates) {
    double along = 0;
    const double d = distance_squared(job.segs[std::size_t(k)], p, along);
    if (d < best) {
      best = d;
      best_along = along;
      found = &job.segs[std::size_t(k)];
    }
  }
  return found;
}

void paint_block(const Job& job, int bx, int by, std::vector<int>& candidates, std::vector<int>& gravel) {
  const int width = job.picture.width;
  const int height = job.picture.height;
  const Vec2 centre{bx + kBlock / 2.0, by + kBlock / 2.0};
  // Only segments no further than the nearest one plus the block's size can be the
  // nearest for some pixel of the block.
  double nearest = 1e30;
  for (int k : job.grid.near(centre)) {
    double along = 0;
    nearest = std::min(nearest, std::sqrt(distance_squared(job.segs[std::size_t(k)], centre, along)));
  }
  // Gravel follows its own bend even where another part of the road is nearer.
  candidates.clear();
  gravel.clear();
  if (nearest <= kPaintedBand + kBlockReach) {
    for (int k : job.grid.near(centre)) {
      double along = 0;
      const double d = std::sqrt(distance_squared(job.segs[std::size_t(k)], centre, along));
      if (d <= nearest + 2 * kBlockReach) candidates.push_back(k);
      if (d <= kPaintedBand + kBlockReach && job.segs[std::size_t(k)].has_gravel()) gravel.push_back(k);
    }
  }
  for (int y = by; y < std::min(by + kBlock, height); ++y) {
    for (int x = bx; x < std::min(bx + kBlock, width); ++x) {
      const Colour grass = job.painter.grass_at(x, y);
      const Vec2 p{x + 0.5, y + 0.5};
      double best = 0;
      double best_along = 0;
      const Segment* seg = nearest_of(job, candidates, p, best, best_along);
      if (seg == nullptr || best > double(kPaintedBand) * kPaintedBand) {
        store(job.picture, x, y, grass);
        continue;
      }
      Place place;
      const double side = dot(p - seg->a, perp(seg->dir));
      place.offset = float(side < 0 ? -std::sqrt(best) : std::sqrt(best));
      place.s = seg->s + best_along;
      const float t = seg->length > 0 ? float(best_along / seg->length) : 0;
      place.racing = seg->racing_from + (seg->racing_to - seg->racing_from) * t;
      place.turned = seg->turned_from + (seg->turned_to - seg->turned_from) * t;
      place.bends = seg->bends;
      double gravel_distance = 0;
      double gravel_along = 0;
      if (const Segment* g = nearest_of(job, gravel, p, gravel_distance, gravel_along)) {
        const bool right = dot(p - g->a, perp(g->dir)) > 0;
        const float u = g->length > 0 ? float(gravel_along / g->length) : 0;
        const float from = right ? g->gravel_right_from : g->gravel_left_from;
        const float to = right ? g->gravel_right_to : g->gravel_left_to;
        const float depth = from + (to - from) * u;
        if (depth > 0) {
          place.gravel_edge = float(kHalfWidth) + depth;
          place.gravel_away = float(std::sqrt(gravel_distance));
        }
      }
      store(job.picture, x, y, job.painter.road_at(x, y, place, grass));
    }
  }
}

}  // namespace

platform::Pixels render_circuit(const Circuit& circuit, const platform::Pixels& grass) {
  const int width = circuit.params.width;
  const int height = circuit.params.height;
  const std::vector<Segment> segs = segments(circuit.line);
  const SegmentGrid grid(segs, width, height);
  const Painter painter(circuit, grass);
  platform::Pixels picture(width, height);
  const Job job{circuit, painter, segs, grid, picture};
  // Two workers take alternate rows of blocks; each pixel is written by one of them.
  auto work = [&job, width, height](int first_row) {
    std::vector<int> candidates;
    std::vector<int> gravel;
    for (int by = first_row * kBlock; by < height; by += 2 * kBlock) {
      for (int bx = 0; bx < width; bx += kBlock) paint_block(job, bx, by, candidates, gravel);
    }
  };
  std::thread helper(work, 1);
  work(0);
  helper.join();
  return picture;
}

}  // namespace trackgen
