#include "support/replayed.h"

#include <sstream>

#include "replay/replay.h"

namespace test_support {

std::vector<std::vector<std::string>> replay_draws(const GameDir& dir, const std::string& script, long flips) {
  replay::Options options;
  options.game_dir = dir.root();
  options.script = script;
  for (long flip = 1; flip <= flips; ++flip)
    options.draws.emplace_back(flip, dir.root() / ("draws-" + std::to_string(flip) + ".txt"));
  replay::run(options);
  std::vector<std::vector<std::string>> draws(std::size_t(flips) + 1);
  for (long flip = 1; flip <= flips; ++flip) {
    std::istringstream in(dir.read("draws-" + std::to_string(flip) + ".txt"));
    for (std::string line; std::getline(in, line);) draws[std::size_t(flip)].push_back(line);
  }
  return draws;
}

const std::vector<std::string>& last_shown(const std::vector<std::vector<std::string>>& draws) {
  for (auto frame = draws.rbegin(); frame != draws.rend(); ++frame)
    if (!frame->empty()) return *frame;
  return draws.front();
}

bool shows(const std::vector<std::string>& frame, const std::string& part) {
  for (const std::string& line : frame)
    if (line.find(part) != std::string::npos) return true;
  return false;
}

}  // namespace test_support
