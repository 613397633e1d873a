#pragma once
// One generated track, from parameters to a folder the game can load.
#include <string>

#include "trackgen/circuit.h"

namespace trackgen {

// Writes the track for `params` into `dir`. With keep_existing_data an existing
// data.txt (the player's best time) is kept. Throws platform::FileError and
// std::runtime_error (no circuit fits).
void generate_track(const std::string& dir, const TrackParams& params, bool keep_existing_data);

}  // namespace trackgen
