#pragma once
// `check`: everything in a maps folder that would stop the game from racing a track, or
// that the game would silently read as something else.
#include <string>
#include <vector>

namespace trackkit {

struct Problem {
  std::string file;
  int line = 0;  // 0: the file as a whole
  std::string what;
};

// "file:line: what", or "file: what" for the file as a whole.
std::string problem_text(const Problem& problem);

// Reads maps.txt and every listed track folder as the game would: the catalogue, each
// preview, data.txt, the tiles, the filler and the barrier picture.
std::vector<Problem> check_maps(const std::string& maps_dir);

// One track folder.
std::vector<Problem> check_track(const std::string& track_dir);

}  // namespace trackkit
