#pragma once
// Where the start and the checkpoint squares may stand: on the track picture itself, in
// picture pixels. Off it the car would start on filler (or past the tile grid), and a
// square the track does not reach can never be crossed.
#include "track_folder/track_folder.h"

namespace trackkit {

inline bool start_on_picture(double x, double y, int width, int height) {
  return x >= 0 && x < width && y >= 0 && y < height;
}

inline bool square_on_picture(long long x, long long y, int width, int height) {
  return x >= 0 && y >= 0 && x + track_folder::kSquareSize <= width && y + track_folder::kSquareSize <= height;
}

}  // namespace trackkit
