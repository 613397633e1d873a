#include "game/race/car.h"

#include <cmath>

namespace {

constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kR = 82;
constexpr double kRadiansPerDegree = 0.017453292519943295;

// Steering and heading. The clamps run every frame, outside the key tests, so holding
// Left and Right together pins a hard left turn at -150.
void steer(Game& g) {
  platform::Platform& p = g.p;
  if (p.key_down(kLeft)) g.Lenkung = float(double(g.Lenkung) - 50.0);
  if (g.Lenkung < -200) g.Lenkung = -200;
  if (p.key_down(kRight)) g.Lenkung = float(double(g.Lenkung) + 50.0);
  if (g.Geschwindigkeit < 0) g.Lenkung = 0;  // a reversing car cannot steer
  if (g.Lenkung > 200) g.Lenkung = 200;

  if (!p.key_down(kLeft) && !p.key_down(kRight)) {
    // Two thirds stay each frame: the wheel centres geometrically, never quite to 0.
    if (g.Lenkung < 0) g.Lenkung = float(double(g.Lenkung) + (double(g.Lenkung) * -1.0) / 3.0);
    if (g.Lenkung > 0) g.Lenkung = float(double(g.Lenkung) - double(g.Lenkung) / 3.0);
  }

  // No sharper turn than the speed allows; a car at rest cannot turn.
  const double limit = double(g.Geschwindigkeit) * 100.0;
  if (g.Lenkung > 0 && g.Lenkung > limit) g.Lenkung = float(limit);
  if (g.Lenkung < 0 && g.Lenkung < limit * -1.0) g.Lenkung = float(limit * -1.0);

  g.Winkel = float(double(g.Winkel) + double(g.Lenkung) / 100.0);
}

void throttle_brake_reverse(Game& g) {
  platform::Platform& p = g.p;
  if (p.key_down(kUp) && g.Geschwindigkeit < 8) {
    if (g.Geschwindigkeit <= 0) g.Geschwindigkeit = 0.01f;
    // Always applied after the start speed, so the first frame from rest ends at 0.013.
    if (g.Geschwindigkeit < 1) {
      g.Geschwindigkeit = float(double(g.Geschwindigkeit) * double(1.3f));
    } else {
      g.Geschwindigkeit = float(double(g.Geschwindigkeit) + double(0.07f));
    }
  }
  if (p.key_down(kDown)) {
    g.Geschwindigkeit = float(double(g.Geschwindigkeit) - double(0.2f));
    if (g.Geschwindigkeit < 0) g.Geschwindigkeit = 0;
  }
  if (p.key_down(kR)) {
    g.Geschwindigkeit = float(double(g.Geschwindigkeit) - double(0.2f));
    if (g.Geschwindigkeit < -2) g.Geschwindigkeit = -2;
  }
  if (!p.key_down(kUp) && !p.key_down(kDown) && !p.key_down(kR)) {
    // No clamp at 0: a speed below the friction step drops under 0 and comes straight
    // back, so a coasting car keeps creeping.
    if (g.Geschwindigkeit > 0) g.Geschwindigkeit = float(double(g.Geschwindigkeit) - double(0.03f));
    if (g.Geschwindigkeit < 0) g.Geschwindigkeit = float(double(g.Geschwindigkeit) + double(0.03f));
  }
}

}  // namespace

void Lenkung_und_Gas(Game& g) {
  const bool up = g.p.key_down(kUp);
  if (up && g.Neustart == 1) {
    g.Neustart = 0;
    g.Aktuelle_Zeit = float(g.p.millisecs());
  }

  steer(g);
  throttle_brake_reverse(g);

  // Moves with this frame's heading before the wrap below.
  const double radians = double(g.Winkel) * kRadiansPerDegree;
  g.player_x = float(double(g.player_x) - std::sin(radians) * double(g.Geschwindigkeit));
  g.player_y = float(double(g.player_y) + std::cos(radians) * double(g.Geschwindigkeit));

  // Not a modulo: just past 359 jumps to 0, just below 0 to 359.
  if (g.Winkel > 359) g.Winkel = 0;
  if (g.Winkel < 0) g.Winkel = 359;
}
