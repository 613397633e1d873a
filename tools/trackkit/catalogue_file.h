#pragma once
// maps.txt, read line by line as the game reads it, and the one change the kit makes to
// it: a track added at the end of the list.
#include <string>
#include <vector>

namespace trackkit {

constexpr int kUnlockOffset = 38;  // line 2 holds the number of open tracks plus 38

struct ListedTrack {
  std::string folder;  // bytes as stored
  std::string name;    // ISO 8859-1 bytes as stored
  bool locked = false;
  int folder_line = 0;  // line number of the folder name; the display name follows it
};

struct CatalogueFile {
  std::string path;
  int line_count = 0;               // lines in the file
  int announced = 0;                // line 1
  int unlocked = 0;                 // line 2 minus 38
  std::vector<ListedTrack> tracks;  // as far as the file lists them, at most `announced`
};

std::string catalogue_path(const std::string& maps_dir);

// Throws platform::FileError when maps.txt cannot be read.
CatalogueFile read_catalogue_file(const std::string& maps_dir);

// maps.txt with a track added: the folder and display name (ISO 8859-1 bytes) inserted
// after the last listed track and line 1 raised by one. Line 2 and every other line keep
// their bytes; the new lines end with CR LF. Throws platform::FileError when the file
// cannot be read, lists fewer tracks than it announces or already lists the folder.
std::string catalogue_with_track(const std::string& maps_dir, const std::string& folder, const std::string& name);

}  // namespace trackkit
