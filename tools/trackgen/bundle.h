#pragma once
// The tracks that come with the game, and their catalogue.
#include <array>
#include <span>
#include <string>

#include "trackgen/circuit.h"

namespace trackgen {

struct BundledTrack {
  const char* folder;
  const char* name;  // shown in the menu
  TrackParams params;
};

extern const std::array<BundledTrack, 3> kBundledTracks;

// Writes each of `tracks` below `maps_dir` and the catalogue maps.txt listing them, the
// first two open. Existing data.txt files (best times) and an existing maps.txt (the
// player may have added tracks) are kept; pictures are rewritten.
void write_bundle(const std::string& maps_dir, std::span<const BundledTrack> tracks);

}  // namespace trackgen
