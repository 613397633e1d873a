#include "track_folder/track_folder.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "platform/file_error.h"
#include "platform/files.h"
#include "track_folder/game_jpeg.h"
#include "track_folder/preview.h"

namespace track_folder {
namespace {

int whole_tiles(int pixels) { return (pixels + kTileSize - 1) / kTileSize; }

// The shortest plain decimal that reads back as the same float ("2588.5", "270").
std::string float_text(float value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

void add_line(std::string& text, const std::string& line) { text += line + "\r\n"; }

void check_pictures(const std::string& dir, const platform::Pixels& circuit, const platform::Pixels& filler,
                    const platform::Pixels& barrier, const TrackLayout& layout) {
  if (circuit.width <= 0 || circuit.height <= 0) throw platform::FileError(dir, "the track picture is empty");
  const int limit = kMaxMapSize / kTileSize * kTileSize;
  if (whole_tiles(circuit.width) * kTileSize > kMaxMapSize || whole_tiles(circuit.height) * kTileSize > kMaxMapSize) {
    throw platform::FileError(dir, "the track picture is " + std::to_string(circuit.width) + " x " +
                                       std::to_string(circuit.height) + " pixels, at most " +
                                       std::to_string(limit) + " x " + std::to_string(limit) + " fit the game");
  }
  if (filler.width != kTileSize || filler.height != kTileSize) {
    throw platform::FileError(dir + "/default.jpg", "the filler picture must be 200 x 200 pixels");
  }
  if (barrier.width <= 0 || barrier.height <= 0) {
    throw platform::FileError(dir + "/collision.png", "the barrier picture is empty");
  }
  if (layout.barriers.size() > std::size_t(kMaxBarriers)) {
    throw platform::FileError(dir + "/data.txt", std::to_string(layout.barriers.size()) + " barriers, at most " +
                                                     std::to_string(kMaxBarriers));
  }
}

void make_folder(const std::string& dir) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) throw platform::FileError(dir, "the folder cannot be made: " + error.message());
}

// One 200 × 200 tile; where it reaches past the picture, the filler continues as it
// does in the grid cells beyond, so the seam does not show.
platform::Pixels cut_tile(const platform::Pixels& circuit, const platform::Pixels& filler, int column, int row) {
  platform::Pixels tile(kTileSize, kTileSize);
  for (int y = 0; y < kTileSize; ++y) {
    const int py = row * kTileSize + y;
    for (int x = 0; x < kTileSize; ++x) {
      const int px = column * kTileSize + x;
      const bool inside = px < circuit.width && py < circuit.height;
      const std::uint8_t* from = inside ? circuit.at(px, py) : filler.at(x, y);
      std::uint8_t* to = tile.at(x, y);
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
      to[3] = 255;
    }
  }
  return tile;
}

}  // namespace

std::string data_file_text(const TrackLayout& layout, int width, int height) {
  std::string text;
  add_line(text, std::to_string(whole_tiles(width) * kTileSize));
  add_line(text, std::to_string(whole_tiles(height) * kTileSize));
  add_line(text, float_text(layout.start_x + float(kWorldOffsetX)));
  add_line(text, float_text(layout.start_y + float(kWorldOffsetY)));
  add_line(text, float_text(layout.start_heading));
  for (const Corner& square : layout.squares) {
    add_line(text, std::to_string(square.x + kWorldOffsetX));
    add_line(text, std::to_string(square.y + kWorldOffsetY));
  }
  add_line(text, std::to_string(layout.barriers.size()));
  for (const Corner& barrier : layout.barriers) {
    add_line(text, std::to_string(barrier.x + kWorldOffsetX));
    add_line(text, std::to_string(barrier.y + kWorldOffsetY));
  }
  add_line(text, "");  // no best time yet
  return text;
}

void write_track_folder(const std::string& dir, const platform::Pixels& circuit, const platform::Pixels& filler,
                        const platform::Pixels& barrier, const TrackLayout& layout, bool keep_existing_data) {
  check_pictures(dir, circuit, filler, barrier, layout);
  make_folder(dir);
  for (int column = 0; column < whole_tiles(circuit.width); ++column) {
    for (int row = 0; row < whole_tiles(circuit.height); ++row) {
      write_game_jpeg(dir + "/" + tile_file_name(column, row), cut_tile(circuit, filler, column, row));
    }
  }
  write_game_jpeg(dir + "/default.jpg", filler);
  platform::Pixels tyre = barrier;
  tyre.has_alpha = true;  // without alpha the game would punch holes where it is black
  platform::write_png(dir + "/collision.png", tyre);
  write_game_jpeg(dir + "/map_mini.jpg", make_preview(circuit, filler, kPreviewSize));

  const std::string data_path = dir + "/data.txt";
  if (keep_existing_data && platform::file_exists(data_path)) return;
  platform::replace_file(data_path, data_file_text(layout, circuit.width, circuit.height));
}

}  // namespace track_folder
