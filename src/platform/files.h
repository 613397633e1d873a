#pragma once
// Text files as the game reads and writes them: bytes as stored, one byte per 16-bit
// code unit (ISO 8859-1), no line-end translation.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Reads the line that starts at `pos` and moves `pos` past its end. A line ends at LF,
// at a zero byte or at the end of the data; CR bytes are dropped wherever they stand.
// At the end of the data it returns the empty text, however often it is asked.
std::u16string read_line(std::string_view bytes, std::size_t& pos);

// The bytes of one written line: the low byte of each code unit, then CR LF.
std::string line_bytes(std::u16string_view text);

// The whole file's bytes. Throws FileError ("file not found", "cannot be read").
std::string read_file(const std::string& path);

// A file opened for reading: the whole file is read at opening, so the end test
// compares the read position with the size found then.
class ReadStream {
 public:
  static ReadStream open(const std::string& path) { return ReadStream(read_file(path)); }  // throws FileError
  std::u16string read_line() { return platform::read_line(bytes_, pos_); }
  bool at_end() const { return pos_ >= bytes_.size(); }

 private:
  explicit ReadStream(std::string bytes) : bytes_(std::move(bytes)) {}
  std::string bytes_;
  std::size_t pos_ = 0;
};

// Replaces a file as a whole: the bytes go to a temporary file in the same folder,
// which is flushed to disk and then renamed over `path`. On any failure the old file
// stays exactly as it was and FileError is thrown.
void replace_file(const std::string& path, std::string_view bytes);

// Test hook: the next replace_file fails after writing this many bytes (-1: never).
void fail_next_write_after(long bytes);

bool file_exists(const std::string& path);

}  // namespace platform
