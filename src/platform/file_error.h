#pragma once
// The one error type of the game: a file that could not be read, decoded or written.
// Its message always starts with the file's path, so the player knows what to fix.
#include <stdexcept>
#include <string>

namespace platform {

class FileError : public std::runtime_error {
 public:
  FileError(std::string path, std::string problem)
      : std::runtime_error(path + ": " + problem), path_(std::move(path)), problem_(std::move(problem)) {}
  const std::string& path() const { return path_; }
  const std::string& problem() const { return problem_; }

 private:
  std::string path_;
  std::string problem_;
};

}  // namespace platform
