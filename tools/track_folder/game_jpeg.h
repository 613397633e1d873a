#pragma once
// JPEG pictures the game shows as they are: it turns pure black (0, 0, 0) into a
// transparent hole, so no pixel may come back black after encoding.
#include <string>

#include "platform/pictures.h"

namespace track_folder {

// Writes `pixels` as a JPEG with dark colours lifted just enough that decoding gives no
// pure black pixel. Throws platform::FileError.
void write_game_jpeg(const std::string& path, const platform::Pixels& pixels);

}  // namespace track_folder
