#include "trackkit/check.h"

#include "platform/file_error.h"
#include "trackkit/catalogue_file.h"

namespace trackkit {

std::string problem_text(const Problem& problem) {
  return problem.file + (problem.line > 0 ? ":" + std::to_string(problem.line) : "") + ": " + problem.what;
}

std::vector<Problem> check_maps(const std::string& maps_dir) {
  CatalogueFile catalogue;
  try {
    catalogue = read_catalogue_file(maps_dir);
  } catch (const platform::FileError& error) {
    return {{error.path(), 0, error.problem()}};
  }
  std::vector<Problem> problems;
  if (catalogue.announced < 1)
    problems.push_back(
        {catalogue.path, 1, std::to_string(catalogue.announced) + " tracks; the game needs at least one"});
  const int needed = 2 + 2 * catalogue.announced;
  if (catalogue.announced >= 1 && catalogue.line_count < needed)
    problems.push_back({catalogue.path, catalogue.line_count + 1,
                        "line 1 announces " + std::to_string(catalogue.announced) + " tracks, which take " +
                            std::to_string(needed) + " lines, but the file ends after line " +
                            std::to_string(catalogue.line_count)});
  for (const ListedTrack& track : catalogue.tracks) {
    const std::vector<Problem> found = check_track(maps_dir + "/" + track.folder);
    problems.insert(problems.end(), found.begin(), found.end());
  }
  return problems;
}

}  // namespace trackkit
