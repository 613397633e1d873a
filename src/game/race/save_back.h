#pragma once
#include <string>

#include "game/state/game.h"

// Rewrites maps/<mapname>/data.txt with its last line replaced by the enciphered
// Beste_Zeit, every line ending in CR LF. The file is replaced as a whole, so a failure
// (thrown as platform::FileError) leaves the old file exactly as it was.
void save_best_time(Game& g, const std::u16string& mapname);
