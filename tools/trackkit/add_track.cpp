#include "trackkit/add_track.h"

#include <system_error>

#include "platform/file_error.h"
#include "platform/files.h"
#include "trackkit/catalogue_file.h"

namespace trackkit {

namespace fs = std::filesystem;

Addition plan_addition(const std::string& track_dir, const std::string& maps_dir, const std::string& name) {
  Addition addition;
  addition.source = fs::weakly_canonical(fs::absolute(track_dir));
  if (addition.source.filename().empty()) addition.source = addition.source.parent_path();  // "OUTDIR/"
  const std::string folder = addition.source.filename().string();
  addition.target = fs::weakly_canonical(fs::absolute(maps_dir) / folder);
  std::error_code error;
  if (addition.source != addition.target && fs::exists(addition.target, error))
    throw platform::FileError(addition.target.string(), "already exists; build the track under another folder name");
  addition.catalogue_path = catalogue_path(maps_dir);
  addition.catalogue = catalogue_with_track(maps_dir, folder, name);
  return addition;
}

void add_track(const Addition& addition) {
  if (addition.source != addition.target) {
    std::error_code error;
    fs::copy(addition.source, addition.target, fs::copy_options::recursive, error);
    if (error) throw platform::FileError(addition.target.string(), "cannot be made: " + error.message());
  }
  platform::replace_file(addition.catalogue_path, addition.catalogue);
}

}  // namespace trackkit
