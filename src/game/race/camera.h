#pragma once
#include "game/state/game.h"

// Eases the camera a fifth of the way towards the car, each axis on its own.
void KameraUpdate(Game& g);

// Draws the 8 x 6 block of tiles around the camera, column by column. Cells outside the
// grid, or without a picture, are left undrawn.
void DrawMap(Game& g);

// Draws the car at its heading, centred on its position, and sets the rotation back to 0.
void DrawPlayer(Game& g);
