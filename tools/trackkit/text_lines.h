#pragma once
// Text files as the game reads them, by line number.
#include <string>
#include <vector>

namespace trackkit {

// Every line of the file (CR bytes dropped, a line ends at LF or a zero byte).
// Throws platform::FileError when the file cannot be read.
std::vector<std::u16string> read_lines(const std::string& path);

// Line `number`, counted from 1; past the end it is empty, as the game reads it.
std::u16string line_at(const std::vector<std::u16string>& lines, int number);

// data.txt: line 12 holds the barrier count R, the best time follows the 2R barrier lines.
constexpr int kBarrierCountLine = 12;
constexpr int best_time_line_number(int barriers) { return 13 + 2 * barriers; }

}  // namespace trackkit
