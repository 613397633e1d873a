#include "trackkit/text_lines.h"

#include "platform/files.h"

namespace trackkit {

std::vector<std::u16string> read_lines(const std::string& path) {
  std::vector<std::u16string> lines;
  for (platform::ReadStream in = platform::ReadStream::open(path); !in.at_end();) lines.push_back(in.read_line());
  return lines;
}

std::u16string line_at(const std::vector<std::u16string>& lines, int number) {
  return number >= 1 && number <= int(lines.size()) ? lines[std::size_t(number - 1)] : std::u16string();
}

}  // namespace trackkit
