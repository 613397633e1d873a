#pragma once
// `build`: a track folder from a picture of the whole circuit and its description.
#include <string>

namespace trackkit {

// The size of the default tyre stack, the same as on the bundled tracks.
constexpr int kDefaultBarrierSize = 28;

// Writes the complete folder `out_dir` (tiles, filler, barrier picture, preview and
// data.txt with no best time) through the same writer as the bundled tracks. Throws
// platform::FileError for an unreadable picture or description, a start or checkpoint
// square off the picture, and failed writes.
void build_track(const std::string& picture, const std::string& description, const std::string& out_dir);

}  // namespace trackkit
