#include "game/race/camera.h"

#include "game/race/laps.h"

namespace {

constexpr int kTileSize = 200;

// One fifth of the remaining distance per frame; never passes the target.
float eased(float camera, float target) {
  if (camera > target) camera = float(double(camera) - (double(camera) - double(target)) / 5.0);
  if (camera < target) camera = float(double(camera) + (double(target) - double(camera)) / 5.0);
  return camera;
}

// The camera starts at (0, 0) and a car can leave the track, so the block may reach
// past the grid or into cells no track has filled.
const platform::Image* tile(const Game& g, long long col, long long row) {
  if (col < 0 || col >= Game::kGridSize || row < 0 || row >= Game::kGridSize) return nullptr;
  return g.Map[std::size_t(col)][std::size_t(row)].get();
}

}  // namespace

void KameraUpdate(Game& g) {
  g.Kamera_x = eased(g.Kamera_x, g.player_x);
  g.Kamera_y = eased(g.Kamera_y, g.player_y);
}

void DrawMap(Game& g) {
  for (g.i = 0; g.i <= 7; ++g.i) {
    for (g.j = 0; g.j <= 5; ++g.j) {
      const long long col = static_cast<long long>(truncate_to_int(double(g.Kamera_x) / kTileSize)) + g.i - 1;
      const long long row = static_cast<long long>(truncate_to_int(double(g.Kamera_y) / kTileSize)) + g.j - 1;
      const platform::Image* picture = tile(g, col, row);
      if (!picture) continue;
      const float x = float(double(float(col * kTileSize)) - double(g.Kamera_x));
      const float y = float(double(float(row * kTileSize)) - double(g.Kamera_y));
      g.p.draw_image(*picture, x, y);
    }
  }
}

void DrawPlayer(Game& g) {
  g.p.set_rotation(g.Winkel);
  g.p.draw_image(*g.Auto, float(512.0 + (double(g.player_x) - double(g.Kamera_x))),
                 float(384.0 + (double(g.player_y) - double(g.Kamera_y))));
  g.p.set_rotation(0);
}
