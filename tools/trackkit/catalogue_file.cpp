#include "trackkit/catalogue_file.h"

#include <algorithm>

#include "game/state/text_rules.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "trackkit/text_lines.h"

namespace trackkit {
namespace {

// The file's lines with their ends (LF or a zero byte, as the game splits them), so a
// rewrite keeps every byte of the lines it does not change.
std::vector<std::string> raw_lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of(std::string("\n\0", 2), start);
    end = end == std::string::npos ? bytes.size() : end + 1;
    lines.push_back(bytes.substr(start, end - start));
    start = end;
  }
  return lines;
}

std::u16string line_text(const std::string& raw) {
  std::size_t pos = 0;
  return platform::read_line(raw, pos);
}

}  // namespace

std::string catalogue_path(const std::string& maps_dir) { return maps_dir + "/maps.txt"; }

CatalogueFile read_catalogue_file(const std::string& maps_dir) {
  CatalogueFile catalogue;
  catalogue.path = catalogue_path(maps_dir);
  const std::vector<std::u16string> lines = read_lines(catalogue.path);
  const auto line = [&](int number) { return line_at(lines, number); };
  catalogue.line_count = int(lines.size());
  catalogue.announced = text_to_int(line(1));
  catalogue.unlocked = text_to_int(line(2)) - kUnlockOffset;
  // Like the game: a track is listed when the file goes on to its folder line.
  for (int n = 1; n <= catalogue.announced && 1 + 2 * n <= catalogue.line_count; ++n)
    catalogue.tracks.push_back(
        {low_bytes(line(1 + 2 * n)), low_bytes(line(2 + 2 * n)), n > catalogue.unlocked, 1 + 2 * n});
  return catalogue;
}

std::string catalogue_with_track(const std::string& maps_dir, const std::string& folder, const std::string& name) {
  const std::string path = catalogue_path(maps_dir);
  std::vector<std::string> lines = raw_lines(platform::read_file(path));
  const int announced = lines.empty() ? 0 : text_to_int(line_text(lines[0]));
  const std::size_t listed_end = std::size_t(2 + 2 * std::max(announced, 0));
  if (announced < 0 || lines.size() < listed_end)
    throw platform::FileError(path, "line 1 announces " + std::to_string(announced) + " tracks, but the file has " +
                                        std::to_string(lines.size()) +
                                        " lines; mend it (see kurvenjagd-track check) before adding a track");
  for (std::size_t line = 2; line < listed_end; line += 2)
    if (low_bytes(line_text(lines[line])) == folder)
      throw platform::FileError(
          path, "line " + std::to_string(line + 1) + ": the folder \"" + folder + "\" is already listed");

  const std::string& first = lines[0];
  const std::size_t text_end = first.find_last_not_of(std::string("\r\n\0", 3)) + 1;  // 0 for an empty line
  lines[0] = std::to_string(announced + 1) + first.substr(text_end);
  std::string& last_listed = lines[listed_end - 1];
  if (last_listed.back() != '\n' && last_listed.back() != '\0') last_listed += "\r\n";
  lines.insert(lines.begin() + std::ptrdiff_t(listed_end), {folder + "\r\n", name + "\r\n"});

  std::string bytes;
  for (const std::string& line : lines) bytes += line;
  return bytes;
}

}  // namespace trackkit
