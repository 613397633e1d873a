#pragma once
#include "game/state/game.h"

// The whole program after the working directory is set: startup in its fixed order,
// then the menu loop until the player quits. Throws platform::FileError when a file
// under data/ or the catalogue cannot be used.
void run_game(Game& g);

// Startup alone (window, fonts, timer, pictures, containers, catalogue, arrows).
void startup(Game& g);
