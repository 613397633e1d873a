#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_error.h"
#include "support/temp_folder.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

TEST(ReadLineTest, SplitsBytesIntoLinesOfOneUnitPerByte) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::u16string> lines;  // read one after another, past the end too
  };
  const std::vector<Case> cases = {
      {"LF", "ab\ncd", {u"ab", u"cd", u"", u""}},
      {"CR LF", "ab\r\ncd\r\n", {u"ab", u"cd", u"", u""}},
      {"lone CR inside a line", "a\rb\r\n\r", {u"ab", u"", u""}},
      {"zero byte ends a line", "ab\0cd\0\0"s, {u"ab", u"cd", u"", u""}},
      {"empty lines", "\n\nx", {u"", u"", u"x", u""}},
      {"bytes above 127 stay single", "\xc3\xa4\xff\x80\n", {u"\u00c3\u00a4\u00ff\u0080", u""}},
      {"empty data", "", {u"", u"", u""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::size_t pos = 0;
    for (const std::u16string& expected : c.lines) EXPECT_EQ(read_line(c.bytes, pos), expected);
    EXPECT_EQ(pos, c.bytes.size());
  }
}

TEST(LineBytesTest, KeepsTheLowByteAndEndsWithCrLf) {
  EXPECT_EQ(line_bytes(u"A\u0141\u00e4\u0100"), "A\x41\xe4\0\r\n"s);
  EXPECT_EQ(line_bytes(u""), "\r\n");
}

class FilesTest : public test_support::TempFolderTest {
 protected:
  std::vector<std::string> folder_entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder())) names.push_back(entry.path().filename().string());
    return names;
  }
};

using test_support::read_bytes;
using test_support::write_bytes;

TEST_F(FilesTest, ReadStreamReadsTheWholeFileAsLines) {
  write_bytes(file("data.txt"), "3\r\nOval\n\xe4");
  ReadStream stream = ReadStream::open(file("data.txt"));
  std::vector<std::u16string> lines;
  while (!stream.at_end()) lines.push_back(stream.read_line());
  EXPECT_EQ(lines, (std::vector<std::u16string>{u"3", u"Oval", u"\u00e4"}));
  EXPECT_EQ(stream.read_line(), u"");

  write_bytes(file("empty.txt"), "");
  EXPECT_TRUE(ReadStream::open(file("empty.txt")).at_end());
}

TEST_F(FilesTest, OpeningAMissingFileNamesThePath) {
  try {
    ReadStream::open(file("missing.txt"));
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.path(), file("missing.txt"));
    EXPECT_EQ(error.problem(), "file not found");
  }
}

TEST_F(FilesTest, ReplaceFileReplacesOrCreatesTheWholeFile) {
  write_bytes(file("data.txt"), "a long old content\r\n");
  replace_file(file("data.txt"), "new\r\n");
  EXPECT_EQ(read_bytes(file("data.txt")), "new\r\n");

  replace_file(file("fresh.txt"), "x\0y"s);
  EXPECT_EQ(read_bytes(file("fresh.txt")), "x\0y"s);
  EXPECT_EQ(folder_entries().size(), 2u) << "a temporary file was left behind";
}

TEST_F(FilesTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const std::string old_content = "first\r\nsecond\0third"s;
  for (long fail_after : {0L, 4L, 1000L}) {
    SCOPED_TRACE(fail_after);
    write_bytes(file("data.txt"), old_content);
    fail_next_write_after(fail_after);
    try {
      replace_file(file("data.txt"), "new content that never lands\r\n");
      FAIL() << "no error";
    } catch (const FileError& error) {
      EXPECT_EQ(error.path(), file("data.txt"));
    }
    EXPECT_EQ(read_bytes(file("data.txt")), old_content);
    EXPECT_EQ(folder_entries(), std::vector<std::string>{"data.txt"});
  }
  replace_file(file("data.txt"), "after\r\n");  // the hook was used up
  EXPECT_EQ(read_bytes(file("data.txt")), "after\r\n");

  fail_next_write_after(3);
  fail_next_write_after(-1);
  replace_file(file("data.txt"), "disarmed\r\n");
  EXPECT_EQ(read_bytes(file("data.txt")), "disarmed\r\n");
}

TEST_F(FilesTest, ReplaceFileInAMissingFolderFails) {
  EXPECT_THROW(replace_file(file("no_such_folder/data.txt"), "x"), FileError);
  EXPECT_FALSE(fs::exists(file("no_such_folder")));
}

TEST_F(FilesTest, FileExistsOnlyForFiles) {
  write_bytes(file("data.txt"), "x");
  EXPECT_TRUE(file_exists(file("data.txt")));
  EXPECT_FALSE(file_exists(file("missing.txt")));
  EXPECT_FALSE(file_exists(file("")));
}

}  // namespace
}  // namespace platform
