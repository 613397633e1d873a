#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/file_error.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace platform {
namespace {

long fail_after_bytes = -1;  // test hook, see fail_next_write_after

bool flush_to_disk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// Writes all bytes and flushes them to disk; with the test hook armed (limit >= 0) it
// stops after `limit` bytes and fails like a full disk would.
bool write_to_disk(std::FILE* file, std::string_view bytes, long limit) {
  const bool cut = limit >= 0;
  const std::size_t count = cut ? std::min(bytes.size(), std::size_t(limit)) : bytes.size();
  if (std::fwrite(bytes.data(), 1, count, file) != count || cut) return false;
  return flush_to_disk(file);
}

bool rename_over(const std::string& from, const std::string& to) {
#ifdef _WIN32
  return MoveFileExW(std::filesystem::path(from).c_str(), std::filesystem::path(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(from.c_str(), to.c_str()) == 0;  // atomic replacement on POSIX
#endif
}

}  // namespace

std::u16string read_line(std::string_view bytes, std::size_t& pos) {
  std::u16string line;
  while (pos < bytes.size()) {
    const auto byte = static_cast<unsigned char>(bytes[pos++]);
    if (byte == '\n' || byte == 0) break;
    if (byte != '\r') line.push_back(char16_t(byte));
  }
  return line;
}

std::string line_bytes(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size() + 2);
  for (char16_t unit : text) bytes.push_back(char(unit & 0xff));
  bytes += "\r\n";
  return bytes;
}

std::string read_file(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) throw FileError(path, errno == ENOENT ? "file not found" : "cannot be read");
  std::string bytes;
  char chunk[65536];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) throw FileError(path, "cannot be read");
  return bytes;
}

void replace_file(const std::string& path, std::string_view bytes) {
  const long limit = std::exchange(fail_after_bytes, -1);
  const std::string temp = path + ".tmp";
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (file == nullptr) throw FileError(path, "cannot be written: no temporary file can be made beside it");
  const bool written = write_to_disk(file, bytes, limit);
  const bool closed = std::fclose(file) == 0;
  if (written && closed && rename_over(temp, path)) return;
  std::remove(temp.c_str());
  throw FileError(path, "cannot be written: the old file is kept");
}

void fail_next_write_after(long bytes) { fail_after_bytes = bytes; }

bool file_exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored);
}

}  // namespace platform
