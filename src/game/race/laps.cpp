#include "game/race/laps.h"

#include <climits>

namespace {

constexpr int kUp = 38, kDown = 40;
constexpr int kCarBoxSize = 16;
constexpr int kSquareSize = 150;

int wrapping_add(int a, int b) { return int(unsigned(a) + unsigned(b)); }

struct Box {
  int x, y, w, h;
};

bool overlap(const Box& a, const Box& b) { return RectsOverlap(a.x, a.y, a.w, a.h, b.x, b.y, b.w, b.h) == 1; }

// The car's box is 16 pixels square around its centre, on the screen of this frame's camera.
Box car_box(const Game& g) {
  return {truncate_to_int(512.0 + (double(g.player_x) - double(g.Kamera_x)) - 15.0 + 7.0),
          truncate_to_int(384.0 + (double(g.player_y) - double(g.Kamera_y)) - 15.0 + 7.0), kCarBoxSize,
          kCarBoxSize};
}

double screen_x(const Game& g, int world_x) { return 512.0 + (double(world_x) - double(g.Kamera_x)); }
double screen_y(const Game& g, int world_y) { return 384.0 + (double(world_y) - double(g.Kamera_y)); }

// Square k (1, 2 or 3) from its top-left corner in Area.
Box square(const Game& g, int k) {
  const auto corner = std::size_t(2 * (k - 1));
  return {truncate_to_int(screen_x(g, g.Area[corner])), truncate_to_int(screen_y(g, g.Area[corner + 1])),
          kSquareSize, kSquareSize};
}

// A barrier only takes speed away, a third per frame of contact; held Up keeps the car
// creeping through, held Down holds it still.
void brake_on_barrier(Game& g) {
  if (g.Geschwindigkeit > 0) g.Geschwindigkeit = float(double(g.Geschwindigkeit) - double(g.Geschwindigkeit) / 3.0);
  if (g.Geschwindigkeit < 0) g.Geschwindigkeit = 0;
  if (g.p.key_down(kUp) && g.Geschwindigkeit < 0.05f) g.Geschwindigkeit = 0.05f;
  if (g.p.key_down(kDown) && g.Geschwindigkeit > -0.005f) g.Geschwindigkeit = -0.005f;
}

// Lap time in seconds from a start clock value, read from the clock now.
float seconds_since(Game& g, float start) { return float((double(g.p.millisecs()) - double(start)) / 1000.0); }

void count_crossing(Game& g) {
  g.Runde = g.Runde + 1;
  g.Naechstes_Kollisionsfeld = 2;
  if (g.Runde > 1) g.Letzte_Runde = seconds_since(g, g.Aktuelle_Zeit);
  if (g.Neustart == 0) g.Aktuelle_Zeit = seconds_since(g, g.Aktuelle_Zeit);  // now the finished lap's time
  if (g.Aktuelle_Zeit < g.Beste_Zeit && g.Neustart == 0 && g.Runde > 1) g.Beste_Zeit = g.Aktuelle_Zeit;
  if (g.Runde == 2 && g.Neustart == 0 && g.Beste_Zeit == 0) g.Beste_Zeit = g.Aktuelle_Zeit;
  if (g.Neustart == 0) g.Aktuelle_Zeit = float(g.p.millisecs());  // the next lap starts now
}

}  // namespace

int truncate_to_int(double value) {
  // Compare against the bounds as doubles: both are exact, and NaN fails both tests.
  if (value > -2147483649.0 && value < 2147483648.0) return int(value);
  return INT_MIN;
}

int RectsOverlap(int x0, int y0, int w0, int h0, int x2, int y2, int w2, int h2) {
  if (x0 > wrapping_add(x2, w2) || wrapping_add(x0, w0) < x2) return 0;
  if (y0 > wrapping_add(y2, h2) || wrapping_add(y0, h0) < y2) return 0;
  return 1;
}

void Reifen(Game& g) {
  const int last = 2 * g.ReifenAnzahl;
  for (g.i = 1; g.i <= last; g.i += 2) {
    const auto at = std::size_t(g.i);
    const double x = screen_x(g, g.ReifenKoordinate[at]);
    const double y = screen_y(g, g.ReifenKoordinate[at + 1]);
    g.p.draw_image(*g.ReifenGrafik, float(x), float(y));
    const Box barrier{truncate_to_int(x), truncate_to_int(y), g.Reifenbreite, g.Reifenhoehe};
    if (overlap(car_box(g), barrier)) brake_on_barrier(g);
  }
}

void Kollisionsfelder(Game& g) {
  if (overlap(car_box(g), square(g, 1)) && g.Naechstes_Kollisionsfeld == 1) count_crossing(g);
  if (overlap(car_box(g), square(g, 2)) && g.Naechstes_Kollisionsfeld == 2) g.Naechstes_Kollisionsfeld = 3;
  if (overlap(car_box(g), square(g, 3)) && g.Naechstes_Kollisionsfeld == 3) g.Naechstes_Kollisionsfeld = 1;
}
