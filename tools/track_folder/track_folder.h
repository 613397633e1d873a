#pragma once
// Turns one big track picture into the folder the game loads: 200 × 200 tiles, the
// filler, the barrier picture, the menu preview and data.txt. Both the track generator
// and the picture-to-track tool go through here, so every track is cut the same way.
#include <array>
#include <string>
#include <vector>

#include "game/race/track_loader.h"
#include "platform/pictures.h"

namespace track_folder {

constexpr int kTileSize = 200;
constexpr int kSquareSize = 150;  // checkpoint squares
constexpr int kMaxMapSize = kLargestTrackSide;  // the game's tile grid holds no more
constexpr int kMaxBarriers = kMostBarriers;     // the best-time rewrite holds 1999 lines
constexpr int kPreviewSize = 300;
// Pixel (px, py) of the track picture lies at world point (px + 288, py + 416).
constexpr int kWorldOffsetX = 288;
constexpr int kWorldOffsetY = 416;

// The top-left corner of a box, in picture pixels.
struct Corner {
  int x = 0;
  int y = 0;
  bool operator==(const Corner&) const = default;
};

// Where things stand on the track, in picture pixels (data.txt gets world points).
struct TrackLayout {
  float start_x = 0;  // car centre
  float start_y = 0;
  float start_heading = 0;        // degrees: 0 drives down, 90 left, 180 up, 270 right
  std::array<Corner, 3> squares;  // checkpoints in driving order, start/finish first
  std::vector<Corner> barriers;   // tyre barriers
};

using ::tile_file_name;  // the game's own tile names

// The text of data.txt for a picture of `width` × `height` pixels, CR LF line ends, the
// size rounded up to whole tiles and an empty best-time line at the end.
std::string data_file_text(const TrackLayout& layout, int width, int height);

// Writes the whole track folder `dir` (created if missing). `filler` must be 200 × 200;
// it also pads the last partial tile column and row. With keep_existing_data an
// existing data.txt (it holds the player's best time) is left alone. Throws
// platform::FileError for pictures the game cannot hold and for failed writes.
void write_track_folder(const std::string& dir, const platform::Pixels& circuit, const platform::Pixels& filler,
                        const platform::Pixels& barrier, const TrackLayout& layout, bool keep_existing_data);

}  // namespace track_folder
