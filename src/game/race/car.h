#pragma once
#include "game/state/game.h"

// The driving model, once per race frame: reads the arrow keys and R, starts the lap
// clock on the first Up of a race, then steers, turns, changes the speed and moves the
// car. Every rate is per frame.
void Lenkung_und_Gas(Game& g);
