#include "support/game_dir.h"

#include <chrono>
#include <fstream>
#include <sstream>

#include "platform/pictures.h"

namespace test_support {

namespace fs = std::filesystem;

namespace {

fs::path fresh_temp_dir() {
  static int counter = 0;
  const fs::path dir = fs::temp_directory_path() /
                       ("kurvenjagd-test-" +
                        std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
                        std::to_string(++counter));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

std::string with_crlf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

}  // namespace

fs::path bundled_track(const std::string& folder) { return fs::path(KURVENJAGD_BINARY_DIR) / "maps" / folder; }

void write_solid_picture(const std::string& path, int width, int height, int r, int g, int b, int a) {
  platform::Pixels pixels(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* px = pixels.at(x, y);
      px[0] = std::uint8_t(r);
      px[1] = std::uint8_t(g);
      px[2] = std::uint8_t(b);
      px[3] = std::uint8_t(a);
    }
  if (path.ends_with(".png")) {
    pixels.has_alpha = true;
    platform::write_png(path, pixels);
  } else {
    platform::write_jpeg(path, pixels, 90);
  }
}

std::vector<std::string> GameDir::default_data(int width, int height) {
  // World = picture pixel + (288, 416). Square 1 at the picture's left middle.
  const int mid_y = height / 2;
  return {std::to_string(width), std::to_string(height), std::to_string(288 + 100), std::to_string(416 + mid_y),
          "270", std::to_string(288 + 25), std::to_string(416 + mid_y - 75), std::to_string(288 + width / 2 - 75),
          std::to_string(416 + 20), std::to_string(288 + width - 175), std::to_string(416 + mid_y - 75), "1",
          std::to_string(288 + width / 2), std::to_string(416 + height - 60), ""};
}

GameDir::GameDir(const std::vector<TrackSpec>& tracks, int unlocked) : root_(fresh_temp_dir()) {
  const fs::path assets = fs::path(KURVENJAGD_SOURCE_DIR) / "assets" / "fonts";
  fs::create_directories(root_ / "data");
  fs::copy_file(assets / "KurvenjagdSegment-Regular.ttf", root_ / "data" / "Digir___.ttf");
  fs::copy_file(assets / "Quicksand-Medium.ttf", root_ / "data" / "Adventure Subtitles.ttf");
  write_solid_picture((root_ / "data" / "car.png").string(), 17, 33, 220, 30, 30);
  write_solid_picture((root_ / "data" / "bg.jpg").string(), 1024, 768, 60, 90, 60);
  write_solid_picture((root_ / "data" / "arrowr.png").string(), 30, 50, 240, 240, 240);
  write_solid_picture((root_ / "data" / "arrowl.png").string(), 30, 50, 240, 240, 240);

  std::vector<std::string> catalogue{std::to_string(tracks.size()), std::to_string(unlocked + 38)};
  for (const TrackSpec& track : tracks) {
    catalogue.push_back(track.folder);
    catalogue.push_back(track.name);
    const fs::path folder = root_ / "maps" / track.folder;
    fs::create_directories(folder);
    if (!track.copy_from.empty()) {
      fs::copy(track.copy_from, folder, fs::copy_options::recursive);
      continue;
    }
    if (track.with_preview) write_solid_picture((folder / "map_mini.jpg").string(), 300, 300, 70, 120, 70);
    write_solid_picture((folder / "default.jpg").string(), 200, 200, 40, 110, 40);
    write_solid_picture((folder / "collision.png").string(), 24, 24, 50, 50, 50);
    for (int column = 0; column < track.width / 200; ++column)
      for (int row = 0; row < track.height / 200; ++row) {
        char name[32];
        std::snprintf(name, sizeof name, "map2-%02d-%02d.jpg", column, row);
        write_solid_picture((folder / name).string(), 200, 200, 100, 100, 100 + 10 * ((column + row) % 2));
      }
    write("maps/" + track.folder + "/data.txt",
          with_crlf(track.data_lines.empty() ? default_data(track.width, track.height) : track.data_lines));
  }
  write("maps/maps.txt", with_crlf(catalogue));
  previous_directory_ = fs::current_path();
  fs::current_path(root_);
}

GameDir::~GameDir() {
  std::error_code ignored;
  fs::current_path(previous_directory_, ignored);
  fs::remove_all(root_, ignored);
}

std::string GameDir::read(const std::string& relative) const {
  std::ifstream in(root_ / relative, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void GameDir::write(const std::string& relative, const std::string& bytes) const {
  fs::create_directories((root_ / relative).parent_path());
  std::ofstream out(root_ / relative, std::ios::binary);
  out << bytes;
}

}  // namespace test_support
