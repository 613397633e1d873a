#pragma once
#include "game/state/game.h"

// Reads "maps/maps.txt" into the catalogue and loads each track's preview. A missing
// catalogue or one without tracks throws platform::FileError; a catalogue that lists
// fewer tracks than it announces keeps the tracks it has, and a preview that cannot be
// loaded stays empty (the menu shows a placeholder); both are reported on standard error.
void read_catalogue(Game& g);
