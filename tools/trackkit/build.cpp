#include "trackkit/build.h"

#include <array>
#include <cmath>

#include "platform/file_error.h"
#include "track_folder/tyre_stack.h"
#include "trackkit/description.h"
#include "trackkit/on_picture.h"

namespace trackkit {
namespace {

using Colour = std::array<std::uint8_t, 3>;

platform::Pixels solid_tile(const Colour& colour) {
  platform::Pixels tile(track_folder::kTileSize, track_folder::kTileSize);
  for (std::size_t i = 0; i < tile.rgba.size(); i += 4) {
    tile.rgba[i] = colour[0];
    tile.rgba[i + 1] = colour[1];
    tile.rgba[i + 2] = colour[2];
    tile.rgba[i + 3] = 255;
  }
  return tile;
}

// The picture's outermost ring of pixels, averaged: the ground it shows at its edge
// carries on past it.
Colour edge_colour(const platform::Pixels& picture) {
  std::array<double, 3> sum{};
  double count = 0;
  for (int y = 0; y < picture.height; ++y) {
    const bool whole_row = y == 0 || y == picture.height - 1;
    for (int x = 0; x < picture.width; x += whole_row ? 1 : std::max(1, picture.width - 1)) {
      for (std::size_t c = 0; c < 3; ++c) sum[c] += picture.at(x, y)[c];
      ++count;
    }
  }
  return {std::uint8_t(std::lround(sum[0] / count)), std::uint8_t(std::lround(sum[1] / count)),
          std::uint8_t(std::lround(sum[2] / count))};
}

platform::Pixels filler_for(const Description& description, const platform::Pixels& picture) {
  if (description.filler_picture.empty()) return solid_tile(description.filler_colour.value_or(edge_colour(picture)));
  platform::Pixels filler = platform::decode_picture(description.filler_picture);
  if (filler.width != track_folder::kTileSize || filler.height != track_folder::kTileSize)
    throw platform::FileError(description.filler_picture, "the filler picture is " + std::to_string(filler.width) +
                                                              " x " + std::to_string(filler.height) +
                                                              " pixels; it must be 200 x 200");
  return filler;
}

std::string corner_text(double x, double y) {
  return "(" + std::to_string(std::lround(x)) + ", " + std::to_string(std::lround(y)) + ")";
}

void check_places(const std::string& description_path, const track_folder::TrackLayout& layout,
                  const platform::Pixels& picture) {
  const std::string size = std::to_string(picture.width) + " x " + std::to_string(picture.height) + " picture";
  if (!start_on_picture(layout.start_x, layout.start_y, picture.width, picture.height))
    throw platform::FileError(description_path,
                              "the start " + corner_text(layout.start_x, layout.start_y) + " is off the " + size);
  for (const track_folder::Corner& square : layout.squares)
    if (!square_on_picture(square.x, square.y, picture.width, picture.height))
      throw platform::FileError(description_path,
                                "the square at " + corner_text(square.x, square.y) + " reaches past the " + size);
}

}  // namespace

void build_track(const std::string& picture_path, const std::string& description_path, const std::string& out_dir) {
  const Description description = read_description(description_path);
  const platform::Pixels picture = platform::decode_picture(picture_path);
  check_places(description_path, description.layout, picture);
  const platform::Pixels barrier = description.barrier_picture.empty()
                                       ? track_folder::tyre_stack(kDefaultBarrierSize)
                                       : platform::decode_picture(description.barrier_picture);
  track_folder::write_track_folder(out_dir, picture, filler_for(description, picture), barrier, description.layout,
                                   false);
}

}  // namespace trackkit
