#pragma once
#include "game/state/game.h"

// The bar across the top of the race screen: lap number, running lap time, best time and
// last lap. Leaves the drawing state white, opaque, with the small number font.
void Anzeige(Game& g);
