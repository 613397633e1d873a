// One track folder, file by file, in the order the game loads them.
#include <array>
#include <cstdio>
#include <optional>
#include <utility>

#include "game/race/cipher.h"
#include "game/state/text_rules.h"
#include "platform/file_error.h"
#include "platform/headless_platform.h"
#include "platform/pictures.h"
#include "track_folder/track_folder.h"
#include "trackkit/check.h"
#include "trackkit/number_text.h"
#include "trackkit/on_picture.h"
#include "trackkit/text_lines.h"

namespace trackkit {
namespace {

using track_folder::kTileSize;
using track_folder::kWorldOffsetX;
using track_folder::kWorldOffsetY;

void check_picture(const std::string& path, bool tile_sized, std::vector<Problem>& problems) {
  try {
    const platform::Pixels picture = platform::decode_picture(path);
    if (tile_sized && (picture.width != kTileSize || picture.height != kTileSize))
      problems.push_back(
          {path, 0,
           std::to_string(picture.width) + " x " + std::to_string(picture.height) + " pixels; tiles are 200 x 200"});
  } catch (const platform::FileError& error) {
    problems.push_back({error.path(), 0, error.problem()});
  }
}

// data.txt read by position with the game's own number rules; every line that holds no
// clean number, or a value the game cannot use, becomes a problem.
class DataCheck {
 public:
  DataCheck(std::string path, std::vector<std::u16string> lines, std::vector<Problem>& problems)
      : path_(std::move(path)), lines_(std::move(lines)), problems_(problems) {}

  void report(int line, const std::string& what) { problems_.push_back({path_, line, what}); }

  int whole(int line, const std::string& what) {
    const int value = text_to_int(line_at(lines_, line));
    if (!is_whole_number(text(line))) report(line, not_a_number(line, what, "whole number") + std::to_string(value));
    return value;
  }

  double decimal(int line, const std::string& what) {
    const float value = text_to_float(line_at(lines_, line));
    if (!is_decimal_number(text(line)))
      report(line, not_a_number(line, what, "number") + low_bytes(float_to_text(value)));
    return value;
  }

  int in_range(int line, const std::string& what, int most) {
    const int value = whole(line, what);
    if (value < 0 || value > most)
      report(line, what + " " + std::to_string(value) + " is outside 0 ... " + std::to_string(most));
    return value < 0 || value > most ? -1 : value;
  }

  void check_best_time(int line) {
    const std::u16string stored = line_at(lines_, line);
    if (stored.empty()) return;  // no best time yet
    platform::HeadlessPlatform platform(false);
    Game g(platform);
    if (!is_decimal_number(low_bytes(code(g, stored, g.passwort))))
      report(line, "the best-time line does not decipher to a number");
  }

 private:
  std::string text(int line) const { return low_bytes(line_at(lines_, line)); }

  std::string not_a_number(int line, const std::string& what, const char* kind) const {
    return what + " \"" + text(line) + "\" is not a " + kind + "; the game reads ";
  }

  std::string path_;
  std::vector<std::u16string> lines_;
  std::vector<Problem>& problems_;
};

std::string shown(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string world_rectangle(int width, int height) {
  return "x " + std::to_string(kWorldOffsetX) + " ... " + std::to_string(kWorldOffsetX + width - 1) + ", y " +
         std::to_string(kWorldOffsetY) + " ... " + std::to_string(kWorldOffsetY + height - 1);
}

// Checks data.txt; gives the picture size in tiles, or nothing when it is unusable.
std::optional<std::pair<int, int>> check_data(const std::string& path, std::vector<Problem>& problems) {
  std::vector<std::u16string> lines;
  try {
    lines = read_lines(path);
  } catch (const platform::FileError& error) {
    problems.push_back({error.path(), 0, error.problem()});
    return std::nullopt;
  }
  DataCheck data(path, std::move(lines), problems);
  const int width = data.in_range(1, "the width", track_folder::kMaxMapSize);
  const int height = data.in_range(2, "the height", track_folder::kMaxMapSize);
  const double start_x = data.decimal(3, "the start x");
  const double start_y = data.decimal(4, "the start y");
  data.decimal(5, "the start heading");
  std::array<long long, 6> squares{};
  for (int n = 0; n < 6; ++n)
    squares[std::size_t(n)] = data.whole(6 + n, "square " + std::to_string(n / 2 + 1) + (n % 2 ? " y" : " x"));
  const int barriers = data.in_range(kBarrierCountLine, "the barrier count", track_folder::kMaxBarriers);
  for (int n = 1; n <= 2 * barriers; ++n)
    data.whole(kBarrierCountLine + n, "barrier " + std::to_string((n + 1) / 2) + (n % 2 ? " x" : " y"));
  if (barriers >= 0) data.check_best_time(best_time_line_number(barriers));
  if (width < 0 || height < 0) return std::nullopt;

  if (!start_on_picture(start_x - kWorldOffsetX, start_y - kWorldOffsetY, width, height))
    data.report(3, "the car starts at (" + shown(start_x) + ", " + shown(start_y) + "), off the track picture (" +
                       world_rectangle(width, height) + ")");
  for (int k = 0; k < 3; ++k) {
    const long long x = squares[std::size_t(2 * k)], y = squares[std::size_t(2 * k + 1)];
    if (!square_on_picture(x - kWorldOffsetX, y - kWorldOffsetY, width, height))
      data.report(6 + 2 * k, "checkpoint square " + std::to_string(k + 1) + " at (" + std::to_string(x) + ", " +
                                 std::to_string(y) + ") reaches off the track picture (" +
                                 world_rectangle(width, height) + ")");
  }
  return std::pair{width / kTileSize, height / kTileSize};
}

}  // namespace

std::vector<Problem> check_track(const std::string& track_dir) {
  std::vector<Problem> problems;
  check_picture(track_dir + "/map_mini.jpg", false, problems);
  if (const auto tiles = check_data(track_dir + "/data.txt", problems))
    for (int column = 0; column < tiles->first; ++column)
      for (int row = 0; row < tiles->second; ++row)
        check_picture(track_dir + "/" + track_folder::tile_file_name(column, row), true, problems);
  check_picture(track_dir + "/default.jpg", true, problems);
  check_picture(track_dir + "/collision.png", false, problems);
  return problems;
}

}  // namespace trackkit
