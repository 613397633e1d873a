#pragma once
// Records a key script that drives real laps: the game runs once with a simple driver
// that steers the car towards the centre of the next checkpoint square, and every key
// it presses or lets go becomes a script step. Replaying the script drives the same laps.
#include <string>
#include <vector>

namespace test_support {

struct RecordedLaps {
  std::string script;               // menu start, laps, Escape back to the menu
  std::vector<long> lap_end_flips;  // the flip of each frame whose lap timing counted a crossing
  float best_time = 0;              // Beste_Zeit when the driver stopped
};

// Runs in the current working directory (a game folder), racing the first track of the
// menu until `crossings` counted crossings of the start/finish square.
RecordedLaps record_laps(int crossings);

}  // namespace test_support
