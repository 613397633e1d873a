#include "track_folder/game_jpeg.h"

#include <algorithm>
#include <cstdint>

#include "platform/file_error.h"

namespace track_folder {
namespace {

constexpr int kQuality = 88;

platform::Pixels lifted(const platform::Pixels& pixels, std::uint8_t floor) {
  platform::Pixels out = pixels;
  out.has_alpha = false;
  for (std::size_t i = 0; i < out.rgba.size(); i += 4) {
    for (std::size_t c = 0; c < 3; ++c) out.rgba[i + c] = std::max(out.rgba[i + c], floor);
    out.rgba[i + 3] = 255;
  }
  return out;
}

bool has_pure_black(const platform::Pixels& pixels) {
  for (std::size_t i = 0; i < pixels.rgba.size(); i += 4) {
    if (pixels.rgba[i] == 0 && pixels.rgba[i + 1] == 0 && pixels.rgba[i + 2] == 0) return true;
  }
  return false;
}

}  // namespace

void write_game_jpeg(const std::string& path, const platform::Pixels& pixels) {
  // A floor of 8 is invisible; sharp dark edges can ring below it, so check and lift more.
  for (std::uint8_t floor : {8, 24, 64}) {
    platform::write_jpeg(path, lifted(pixels, floor), kQuality);
    if (!has_pure_black(platform::decode_picture(path))) return;
  }
  throw platform::FileError(path, "still decodes with pure black pixels");
}

}  // namespace track_folder
