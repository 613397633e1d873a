#include "trackkit/times.h"

#include <algorithm>

#include "game/race/cipher.h"
#include "game/state/text_rules.h"
#include "platform/file_error.h"
#include "platform/headless_platform.h"
#include "track_folder/track_folder.h"
#include "trackkit/catalogue_file.h"
#include "trackkit/latin1_names.h"
#include "trackkit/text_lines.h"

namespace trackkit {
namespace {

// The best time as the loader reads it and the HUD writes it.
std::string best_lap(Game& g, const std::string& data_path) {
  const std::vector<std::u16string> lines = read_lines(data_path);
  const int barriers = text_to_int(line_at(lines, kBarrierCountLine));
  if (barriers < 0 || barriers > track_folder::kMaxBarriers)
    throw platform::FileError(data_path, "line 12: " + std::to_string(barriers) + " barriers, the file holds 0 ... " +
                                             std::to_string(track_folder::kMaxBarriers));
  const float best = read_best_time(g, line_at(lines, best_time_line_number(barriers)));
  return best > 0 ? low_bytes(GetFloat(best, 3)) : "–";
}

std::size_t characters(const std::string& utf8) {
  return std::size_t(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::vector<TrackTime> track_times(const std::string& maps_dir) {
  const CatalogueFile catalogue = read_catalogue_file(maps_dir);
  platform::HeadlessPlatform platform(false);
  Game g(platform);
  std::vector<TrackTime> times;
  for (const ListedTrack& track : catalogue.tracks) {
    TrackTime time{utf8_from_latin1(track.name), track.locked, "", ""};
    try {
      time.best = best_lap(g, maps_dir + "/" + track.folder + "/data.txt");
    } catch (const platform::FileError& error) {
      time.best = "?";
      time.problem = error.what();
    }
    times.push_back(std::move(time));
  }
  return times;
}

std::string times_table(const std::vector<TrackTime>& times) {
  std::size_t width = 0;
  for (const TrackTime& time : times) width = std::max(width, characters(time.name));
  std::string table;
  for (const TrackTime& time : times) {
    table += time.name + std::string(width - characters(time.name) + 2, ' ');
    table += time.locked ? "locked  " : "open    ";
    table += time.best + "\n";
  }
  return table;
}

}  // namespace trackkit
