#include "support/autopilot.h"

#include <cmath>

#include "game/shell/startup.h"
#include "platform/headless_platform.h"
#include "platform/key_script.h"

namespace test_support {

namespace {

constexpr int kUp = 38, kLeft = 37, kRight = 39, kDown = 40;

struct Stop {};

struct Keys {
  bool up = true, left = false, right = false, down = false;
};

// Heading towards the next square's centre; brake when the turn is sharp and near.
Keys decide(const Game& g) {
  const int square = g.Naechstes_Kollisionsfeld - 1;
  const double dx = g.Area[std::size_t(2 * square)] + 75 - double(g.player_x);
  const double dy = g.Area[std::size_t(2 * square + 1)] + 75 - double(g.player_y);
  const double wanted = std::atan2(-dx, dy) * 180.0 / 3.14159265358979323846;
  double turn = std::fmod(wanted - double(g.Winkel) + 720.0, 360.0);
  if (turn > 180) turn -= 360;
  const double distance = std::hypot(dx, dy);
  Keys keys;
  keys.right = turn > 2;
  keys.left = turn < -2;
  const bool sharp = std::fabs(turn) > 30 && distance < 600;
  keys.up = !sharp || g.Geschwindigkeit < 2.5f;
  keys.down = sharp && g.Geschwindigkeit > 3.5f;
  return keys;
}

void step(std::string& script, platform::HeadlessPlatform& p, int key, bool was, bool now) {
  if (was == now) return;
  script += std::string(now ? "down " : "up ") + std::to_string(key) + "\n";
  if (now)
    p.press_key(key);
  else
    p.release_key(key);
}

}  // namespace

RecordedLaps record_laps(int crossings) {
  RecordedLaps laps;
  laps.script = "tap S\nwait 1\ntap Enter\nwait 0\ndown Up\n";
  platform::HeadlessPlatform p(false);
  p.set_script(platform::parse_key_script(laps.script + "wait 100000000\n"));
  Game g(p);
  Keys held;
  int last_round = 0;
  g.race_frame_done = [&](const Game& game) {
    if (game.Runde != last_round) {
      last_round = game.Runde;
      laps.lap_end_flips.push_back(p.flips() + 1);
    }
    laps.script += "wait 1\n";
    // A few frames more, so the last lap shows on the HUD.
    if (int(laps.lap_end_flips.size()) >= crossings && p.flips() + 1 >= laps.lap_end_flips.back() + 5) {
      laps.best_time = game.Beste_Zeit;
      laps.script += "tap Escape\nwait 3\n";
      throw Stop{};
    }
    const Keys next = decide(game);
    step(laps.script, p, kUp, held.up, next.up);
    step(laps.script, p, kLeft, held.left, next.left);
    step(laps.script, p, kRight, held.right, next.right);
    step(laps.script, p, kDown, held.down, next.down);
    held = next;
  };
  try {
    run_game(g);
  } catch (const Stop&) {
  }
  return laps;
}

}  // namespace test_support
