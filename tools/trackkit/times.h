#pragma once
// `times`: every track of a maps folder with its best lap, as the menu and the HUD show them.
#include <string>
#include <vector>

namespace trackkit {

struct TrackTime {
  std::string name;  // UTF-8
  bool locked = false;
  std::string best;     // cut to three decimals like the HUD, "–" for none
  std::string problem;  // why data.txt could not be read; empty when it could
};

// Throws platform::FileError when maps.txt cannot be read.
std::vector<TrackTime> track_times(const std::string& maps_dir);

// One line per track: name, "open" or "locked", best lap; in columns.
std::string times_table(const std::vector<TrackTime>& times);

}  // namespace trackkit
