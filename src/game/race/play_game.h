#pragma once
#include <string>

#include "game/state/game.h"

// The race entry: loads the track in maps/<mapname>, runs the race until the player
// leaves, writes the best time back and resets the race.
void PlayGame(Game& g, const std::u16string& mapname);

// One race frame up to its flip: tiles, car, barriers, HUD and lap timing, in that order.
void race_frame_work(Game& g);
