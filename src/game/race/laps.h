#pragma once
#include "game/state/game.h"

// Screen boxes are compared in whole pixels: a value truncated towards zero (-3.7 gives
// -3). Values beyond the int range, and NaN, give INT_MIN, as the x86 conversion does.
int truncate_to_int(double value);

// 1 when the two rectangles (left, top, width, height) overlap; edges count, so boxes
// that only touch overlap. Wraps around in 32 bits instead of overflowing.
int RectsOverlap(int x0, int y0, int w0, int h0, int x2, int y2, int w2, int h2);

// Draws the tyre barriers and brakes the car for each one its box touches.
void Reifen(Game& g);

// The checkpoint squares in the order 1, 2, 3: counts laps on square 1, times them from
// the second crossing on and keeps the best time.
void Kollisionsfelder(Game& g);
