#pragma once
// A whole game through the replay runner, with the drawing list of every flip kept.
#include <string>
#include <vector>

#include "support/game_dir.h"

namespace test_support {

// draws[n] holds the operations shown by flip n (draws[0] stays empty); flips the game
// never made stay empty too.
std::vector<std::vector<std::string>> replay_draws(const GameDir& dir, const std::string& script, long flips);

// The last flip that showed something, and whether any of its lines contains `part`.
const std::vector<std::string>& last_shown(const std::vector<std::vector<std::string>>& draws);
bool shows(const std::vector<std::string>& frame, const std::string& part);

}  // namespace test_support
