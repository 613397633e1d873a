#pragma once
// A fresh folder under the system's temp folder for one test, removed afterwards, and
// whole-file reads and writes for fixtures.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace test_support {

class TempFolderTest : public testing::Test {
 protected:
  TempFolderTest()
      : dir_(std::filesystem::temp_directory_path() / ("kurvenjagd-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(dir_);
  }
  ~TempFolderTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  std::string file(const std::string& name) const { return (dir_ / name).string(); }
  const std::filesystem::path& folder() const { return dir_; }

 private:
  std::filesystem::path dir_;
};

inline std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void write_bytes(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

}  // namespace test_support
