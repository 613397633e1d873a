#include "trackgen/patch.h"

#include <map>
#include <utility>

namespace trackgen {
namespace {

class Patch {
 public:
  Patch(int columns, int rows) : columns_(columns), rows_(rows), in_(std::size_t(columns * rows), true) {}
  bool has(int x, int y) const { return x >= 0 && y >= 0 && x < columns_ && y < rows_ && in_[index(x, y)]; }
  void set(int x, int y, bool in) { in_[index(x, y)] = in; }
  int columns() const { return columns_; }
  int rows() const { return rows_; }

 private:
  std::size_t index(int x, int y) const { return std::size_t(y * columns_ + x); }
  int columns_;
  int rows_;
  std::vector<bool> in_;
};

constexpr std::pair<int, int> kSides[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

bool on_border(const Patch& patch, int x, int y) {
  for (const auto& [dx, dy] : kSides) {
    if (!patch.has(x + dx, y + dy)) return true;
  }
  return false;
}

bool in_one_piece(const Patch& patch, int count) {
  std::vector<std::pair<int, int>> todo;
  std::vector<bool> seen(std::size_t(patch.columns() * patch.rows()), false);
  for (int y = 0; y < patch.rows() && todo.empty(); ++y) {
    for (int x = 0; x < patch.columns() && todo.empty(); ++x) {
      if (patch.has(x, y)) todo.push_back({x, y});
    }
  }
  int reached = 0;
  while (!todo.empty()) {
    const auto [x, y] = todo.back();
    todo.pop_back();
    if (seen[std::size_t(y * patch.columns() + x)]) continue;
    seen[std::size_t(y * patch.columns() + x)] = true;
    ++reached;
    for (const auto& [dx, dy] : kSides) {
      if (patch.has(x + dx, y + dy)) todo.push_back({x + dx, y + dy});
    }
  }
  return reached == count;
}

bool touches_at_corner(const Patch& patch) {
  for (int y = -1; y < patch.rows(); ++y) {
    for (int x = -1; x < patch.columns(); ++x) {
      const bool a = patch.has(x, y), b = patch.has(x + 1, y), c = patch.has(x, y + 1), d = patch.has(x + 1, y + 1);
      if ((a && d && !b && !c) || (b && c && !a && !d)) return true;
    }
  }
  return false;
}

// A patch that reaches every side of the grid fills the picture.
bool spans_grid(const Patch& patch) {
  std::vector<bool> column(std::size_t(patch.columns()), false);
  std::vector<bool> row(std::size_t(patch.rows()), false);
  for (int y = 0; y < patch.rows(); ++y) {
    for (int x = 0; x < patch.columns(); ++x) {
      if (!patch.has(x, y)) continue;
      column[std::size_t(x)] = true;
      row[std::size_t(y)] = true;
    }
  }
  return column.front() && column.back() && row.front() && row.back();
}

}  // namespace

std::vector<Vec2> patch_outline(Rng& rng, int columns, int rows, int cells) {
  Patch patch(columns, rows);
  int count = columns * rows;
  // A bite from the border never leaves a hole; it is put back when it breaks a rule.
  for (int tries = 0; count > cells && tries < 50 * columns * rows; ++tries) {
    const int x = rng.below(columns);
    const int y = rng.below(rows);
    if (!patch.has(x, y) || !on_border(patch, x, y)) continue;
    patch.set(x, y, false);
    if (touches_at_corner(patch) || !spans_grid(patch) || !in_one_piece(patch, count - 1)) {
      patch.set(x, y, true);
      continue;
    }
    --count;
  }

  // Border edges with the patch on their right, chained corner to corner.
  std::map<std::pair<int, int>, std::pair<int, int>> next;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x) {
      if (!patch.has(x, y)) continue;
      if (!patch.has(x, y - 1)) next[{x, y}] = {x + 1, y};
      if (!patch.has(x + 1, y)) next[{x + 1, y}] = {x + 1, y + 1};
      if (!patch.has(x, y + 1)) next[{x + 1, y + 1}] = {x, y + 1};
      if (!patch.has(x - 1, y)) next[{x, y + 1}] = {x, y};
    }
  }
  std::vector<std::pair<int, int>> loop{next.begin()->first};
  while (true) {
    const std::pair<int, int> after = next.at(loop.back());
    if (after == loop.front()) break;
    loop.push_back(after);
  }
  std::vector<Vec2> corners;
  const std::size_t n = loop.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto [px, py] = loop[(i + n - 1) % n];
    const auto [x, y] = loop[i];
    const auto [nx, ny] = loop[(i + 1) % n];
    if ((x - px) * (ny - y) - (y - py) * (nx - x) != 0) corners.push_back({double(x), double(y)});
  }
  return corners;
}

}  // namespace trackgen
