#pragma once
// A small game folder made by a test: data/ with the real fonts and tiny pictures, and
// maps/ with tracks described by the test. The test's working directory is moved into
// it for as long as the GameDir lives, since the game opens files by relative paths.
#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

struct TrackSpec {
  std::string folder = "oval";
  std::string name = "Ovalkurs";
  int width = 1000, height = 800;  // the track picture; tiles are 200 x 200
  std::vector<std::string> data_lines;  // data.txt without line ends; empty: a default layout
  bool with_preview = true;
  std::filesystem::path copy_from;  // a real track folder to use instead of the fixture
};

// A track the build generated into its maps/ folder.
std::filesystem::path bundled_track(const std::string& folder);

inline TrackSpec track(std::string folder = "oval", std::string name = "Ovalkurs") {
  TrackSpec spec;
  spec.folder = std::move(folder);
  spec.name = std::move(name);
  return spec;
}

class GameDir {
 public:
  // unlocked: the count of unlocked tracks (line 2 of the catalogue holds it + 38).
  explicit GameDir(const std::vector<TrackSpec>& tracks, int unlocked = 99);
  ~GameDir();
  GameDir(const GameDir&) = delete;
  GameDir& operator=(const GameDir&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::string read(const std::string& relative) const;
  void write(const std::string& relative, const std::string& bytes) const;

  // The default data.txt lines for a track of this size: start in square 1, heading right.
  static std::vector<std::string> default_data(int width, int height);

 private:
  std::filesystem::path root_;
  std::filesystem::path previous_directory_;
};

// A solid picture, written as PNG (with alpha) or JPEG by the file's ending.
void write_solid_picture(const std::string& path, int width, int height, int r, int g, int b, int a = 255);

}  // namespace test_support
