#include "trackkit/description.h"

#include <charconv>
#include <filesystem>
#include <sstream>
#include <type_traits>
#include <vector>

#include "game/state/text_rules.h"
#include "platform/file_error.h"
#include "platform/files.h"

namespace trackkit {
namespace {

struct Entry {
  int line = 0;
  std::string key;
  std::vector<std::string> values;
  std::string rest;  // everything after the key, for file names with spaces
};

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

class Reader {
 public:
  explicit Reader(std::string path) : path_(std::move(path)) {}

  [[noreturn]] void fail(const Entry& entry, const std::string& problem) const {
    throw platform::FileError(path_, "line " + std::to_string(entry.line) + ": " + problem);
  }

  void expect_values(const Entry& entry, std::size_t count, const char* form) const {
    if (entry.values.size() != count) fail(entry, "\"" + entry.key + "\" takes " + form);
  }

  template <typename Number>
  Number number(const Entry& entry, std::size_t index) const {
    const std::string& text = entry.values[index];
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
      fail(entry, "\"" + text + "\" is not a " + (std::is_integral_v<Number> ? "whole number" : "number"));
    return value;
  }

  track_folder::Corner corner(const Entry& entry) const {
    expect_values(entry, 2, "X Y");
    return {number<int>(entry, 0), number<int>(entry, 1)};
  }

  std::string file(const Entry& entry) const {
    if (entry.rest.empty()) fail(entry, "\"" + entry.key + "\" takes a file name");
    return (std::filesystem::path(path_).parent_path() / entry.rest).string();
  }

  std::uint8_t channel(const Entry& entry, std::size_t index) const {
    const int value = number<int>(entry, index);
    if (value < 0 || value > 255) fail(entry, "colour values are 0 ... 255");
    return std::uint8_t(value);
  }

 private:
  std::string path_;
};

std::vector<Entry> entries(const std::string& path) {
  platform::ReadStream in = platform::ReadStream::open(path);
  std::vector<Entry> out;
  for (int number = 1; !in.at_end(); ++number) {
    std::string line = low_bytes(in.read_line());
    line = trimmed(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    Entry entry;
    entry.line = number;
    std::istringstream words(line);
    words >> entry.key;
    for (std::string word; words >> word;) entry.values.push_back(word);
    entry.rest = trimmed(line.substr(entry.key.size()));
    out.push_back(std::move(entry));
  }
  return out;
}

}  // namespace

Description read_description(const std::string& path) {
  const Reader reader(path);
  Description description;
  bool has_start = false;
  std::size_t squares = 0;
  for (const Entry& entry : entries(path)) {
    if (entry.key == "start") {
      if (has_start) reader.fail(entry, "a second \"start\"");
      reader.expect_values(entry, 3, "X Y HEADING");
      description.layout.start_x = reader.number<float>(entry, 0);
      description.layout.start_y = reader.number<float>(entry, 1);
      description.layout.start_heading = reader.number<float>(entry, 2);
      has_start = true;
    } else if (entry.key == "square") {
      if (squares == description.layout.squares.size()) reader.fail(entry, "a fourth \"square\"; a track has three");
      description.layout.squares[squares++] = reader.corner(entry);
    } else if (entry.key == "barrier") {
      if (description.layout.barriers.size() == std::size_t(track_folder::kMaxBarriers))
        reader.fail(entry, "more than " + std::to_string(track_folder::kMaxBarriers) + " barriers");
      description.layout.barriers.push_back(reader.corner(entry));
    } else if (entry.key == "filler-colour") {
      reader.expect_values(entry, 3, "R G B");
      description.filler_colour = {reader.channel(entry, 0), reader.channel(entry, 1), reader.channel(entry, 2)};
    } else if (entry.key == "filler-picture") {
      description.filler_picture = reader.file(entry);
    } else if (entry.key == "barrier-picture") {
      description.barrier_picture = reader.file(entry);
    } else {
      reader.fail(entry, "unknown key \"" + entry.key +
                             "\" (start, square, barrier, filler-colour, filler-picture, barrier-picture)");
    }
  }
  if (!has_start) throw platform::FileError(path, "no \"start X Y HEADING\" line");
  if (squares != description.layout.squares.size())
    throw platform::FileError(path, std::to_string(squares) + " \"square\" lines; a track needs three");
  if (description.filler_colour && !description.filler_picture.empty())
    throw platform::FileError(path, "both a filler colour and a filler picture; give one");
  return description;
}

}  // namespace trackkit
