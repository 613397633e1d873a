#pragma once
// `build --add-to`: a finished track folder joins a maps folder and its catalogue.
#include <filesystem>
#include <string>

namespace trackkit {

struct Addition {
  std::filesystem::path source;  // the built track folder
  std::filesystem::path target;  // maps_dir/<its folder name>; may be the same folder
  std::string catalogue_path;
  std::string catalogue;  // the new bytes of maps.txt
};

// Checks, before anything is built or copied, that the track can join: the folder name
// is free in `maps_dir` (or the track is built right there) and maps.txt can take it
// with `name` (ISO 8859-1 bytes). Throws platform::FileError otherwise.
Addition plan_addition(const std::string& track_dir, const std::string& maps_dir, const std::string& name);

// Copies the folder (unless it is already in place) and writes the new maps.txt.
void add_track(const Addition& addition);

}  // namespace trackkit
