#pragma once
// Loading a track folder maps/<mapname>: data.txt by position, the tile grid and the
// barrier picture. Bad data throws platform::FileError naming the file, the line and
// the problem, before anything is drawn with it.
#include <string>

#include "game/state/game.h"

// Track picture sizes the 50 x 50 grid can hold (4 filler cells before, 21 after).
constexpr int kLargestTrackSide = 5199;
// The save-back holds 1999 lines: 13 + 2 x barriers.
constexpr int kMostBarriers = 993;

std::string track_path(const std::u16string& mapname);  // "maps/" + mapname, as bytes
// "map2-XX-YY.jpg" for the tile in picture column XX and row YY (at least two digits each).
std::string tile_file_name(int column, int row);

void read_track_data(Game& g, const std::u16string& mapname);
void fill_tile_grid(Game& g, const std::u16string& mapname);
void load_barrier_picture(Game& g, const std::u16string& mapname);
