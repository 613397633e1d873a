#include "platform/pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
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

class PicturesTest : public test_support::TempFolderTest {
};

using test_support::read_bytes;
using test_support::write_bytes;

// A picture of flat colour blocks, `block` pixels square, laid out left to right.
Pixels blocks(int block, const std::vector<std::vector<std::uint8_t>>& colours, bool has_alpha) {
  Pixels pixels(block * int(colours.size()), block);
  pixels.has_alpha = has_alpha;
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      const auto& colour = colours[std::size_t(x / block)];
      for (std::size_t c = 0; c < 4; ++c) pixels.at(x, y)[c] = c < colour.size() ? colour[c] : 255;
    }
  }
  return pixels;
}

std::vector<std::uint8_t> pixel(const Pixels& pixels, int x, int y) {
  return {pixels.at(x, y), pixels.at(x, y) + 4};
}

std::string problem_of(const std::string& path) {
  try {
    decode_picture(path);
  } catch (const FileError& error) {
    EXPECT_EQ(error.path(), path);
    return error.problem();
  }
  return "decoded without error";
}

// ---- hand-made PNG files, for the kinds our own writer never produces ----

void put32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(char((value >> shift) & 0xff));
}

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t crc = 0xffffffffu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string chunk(std::string_view type, std::string_view data) {
  std::string body = std::string(type) + std::string(data);
  std::string out;
  put32(out, std::uint32_t(data.size()));
  out += body;
  put32(out, crc32(body));
  return out;
}

// A zlib stream holding the data in one stored (uncompressed) block.
std::string zlib_stored(std::string_view data) {
  std::string out = "\x78\x01\x01";
  const auto length = std::uint16_t(data.size());
  for (std::uint16_t value : {length, std::uint16_t(~length)}) {
    out.push_back(char(value & 0xff));
    out.push_back(char(value >> 8));
  }
  out += data;
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  put32(out, (b << 16) | a);
  return out;
}

struct PngKind {
  const char* name;
  int bit_depth;
  int colour_type;
  int interlace;
  std::string extra_chunks;  // PLTE and tRNS
  std::string scanlines;     // each row led by its filter byte
  bool has_alpha;
  std::vector<std::uint8_t> expected;  // RGBA of the 2 x 1 picture
};

std::string make_png(const PngKind& kind) {
  std::string header;
  put32(header, 2);
  put32(header, 1);
  header += {char(kind.bit_depth), char(kind.colour_type), 0, 0, char(kind.interlace)};
  return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + kind.extra_chunks +
         chunk("IDAT", zlib_stored(kind.scanlines)) + chunk("IEND", "");
}

using namespace std::string_literals;

TEST_F(PicturesTest, PngKindsBecomeRgba8WithAlphaOnlyWhenTheFileHasIt) {
  const std::vector<PngKind> kinds = {
      {"grey 8", 8, 0, 0, "", "\0\x00\xc8"s, false, {0, 0, 0, 255, 200, 200, 200, 255}},
      {"grey 1", 1, 0, 0, "", "\0\x80"s, false, {255, 255, 255, 255, 0, 0, 0, 255}},
      {"grey 8 interlaced", 8, 0, 1, "", "\0\x0a\0\x14"s, false, {10, 10, 10, 255, 20, 20, 20, 255}},
      {"grey alpha", 8, 4, 0, "", "\0\x32\x64\x00\xff"s, true, {50, 50, 50, 100, 0, 0, 0, 255}},
      {"grey tRNS", 8, 0, 0, chunk("tRNS", "\0\0"s), "\0\x00\xc8"s, true, {0, 0, 0, 0, 200, 200, 200, 255}},
      {"rgb 16", 16, 2, 0, "", "\0\xff\xff\x10\xf0\x00\x00\x00\x00\x00\x00\x00\x00"s, false,
       {255, 17, 0, 255, 0, 0, 0, 255}},
      {"palette", 8, 3, 0, chunk("PLTE", "\xff\x00\x00\x00\x00\x00"s), "\0\x00\x01"s, false,
       {255, 0, 0, 255, 0, 0, 0, 255}},
      {"palette tRNS", 8, 3, 0, chunk("PLTE", "\xff\x00\x00\x00\x00\x00"s) + chunk("tRNS", "\x80"), "\0\x00\x01"s,
       true, {255, 0, 0, 128, 0, 0, 0, 255}},
  };
  for (const PngKind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    const std::string path = file("kind.png");
    write_bytes(path, make_png(kind));
    const Pixels pixels = decode_picture(path);
    EXPECT_EQ(pixels.width, 2);
    EXPECT_EQ(pixels.height, 1);
    EXPECT_EQ(pixels.has_alpha, kind.has_alpha);
    EXPECT_EQ(pixels.rgba, kind.expected);
  }
}

TEST_F(PicturesTest, PngWithAlphaKeepsItsAlphaAndItsBlackStaysOpaque) {
  const Pixels written = blocks(3, {{0, 0, 0, 255}, {255, 0, 0, 128}, {10, 20, 30, 0}}, true);
  write_png(file("alpha.png"), written);
  Pixels read = decode_picture(file("alpha.png"));
  EXPECT_TRUE(read.has_alpha);
  EXPECT_EQ(read.rgba, written.rgba);
  apply_mask_rule(read);
  EXPECT_EQ(read.rgba, written.rgba);
}

TEST_F(PicturesTest, PngWithoutAlphaLosesOnlyItsPureBlack) {
  const Pixels written = blocks(2, {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, {255, 255, 255}}, false);
  write_png(file("plain.png"), written);
  Pixels read = decode_picture(file("plain.png"));
  EXPECT_FALSE(read.has_alpha);
  EXPECT_EQ(read.rgba, written.rgba);  // opaque until the mask rule runs
  apply_mask_rule(read);
  EXPECT_EQ(pixel(read, 0, 0), (std::vector<std::uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(pixel(read, 2, 0), (std::vector<std::uint8_t>{0, 0, 1, 255}));
  EXPECT_EQ(pixel(read, 4, 0), (std::vector<std::uint8_t>{1, 0, 0, 255}));
  EXPECT_EQ(pixel(read, 6, 1), (std::vector<std::uint8_t>{255, 255, 255, 255}));
}

TEST_F(PicturesTest, MaskRuleTurnsOnlyExactBlackIntoAHole) {
  Pixels pixels = blocks(1, {{0, 0, 0, 77}, {0, 0, 1, 0}, {0, 1, 0, 0}, {1, 0, 0, 0}}, false);
  apply_mask_rule(pixels);
  EXPECT_EQ(pixels.rgba, (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 1, 255, 0, 1, 0, 255, 1, 0, 0, 255}));
}

TEST_F(PicturesTest, JpegBlackBecomesAHoleAndItsColoursStayOpaque) {
  write_jpeg(file("track.jpg"), blocks(32, {{0, 0, 0}, {200, 60, 40}}, false), 90);
  Pixels read = decode_picture(file("track.jpg"));
  ASSERT_EQ(read.width, 64);
  ASSERT_EQ(read.height, 32);
  EXPECT_FALSE(read.has_alpha);
  apply_mask_rule(read);
  EXPECT_EQ(pixel(read, 16, 16), (std::vector<std::uint8_t>{0, 0, 0, 0}));
  const std::vector<std::uint8_t> colour = pixel(read, 48, 16);
  EXPECT_NEAR(colour[0], 200, 4);
  EXPECT_NEAR(colour[1], 60, 4);
  EXPECT_NEAR(colour[2], 40, 4);
  EXPECT_EQ(colour[3], 255);
}

TEST_F(PicturesTest, FormatIsChosenByContentNotByName) {
  const Pixels png = blocks(2, {{0, 0, 0, 255}, {9, 8, 7, 6}}, true);
  write_png(file("really_a_png.jpg"), png);
  EXPECT_EQ(decode_picture(file("really_a_png.jpg")).rgba, png.rgba);

  write_jpeg(file("really_a_jpeg.png"), blocks(16, {{250, 250, 250}}, false), 95);
  const Pixels jpeg = decode_picture(file("really_a_jpeg.png"));
  EXPECT_EQ(jpeg.width, 16);
  EXPECT_NEAR(jpeg.at(8, 8)[0], 250, 3);
}

TEST_F(PicturesTest, WritersAreDeterministicAndJpegIsBaseline) {
  const Pixels pixels = blocks(8, {{0, 0, 0}, {12, 200, 99}, {255, 255, 255}}, false);
  write_png(file("a.png"), pixels);
  write_png(file("b.png"), pixels);
  write_jpeg(file("a.jpg"), pixels, 85);
  write_jpeg(file("b.jpg"), pixels, 85);
  EXPECT_EQ(read_bytes(file("a.png")), read_bytes(file("b.png")));
  const std::string jpeg = read_bytes(file("a.jpg"));
  EXPECT_EQ(jpeg, read_bytes(file("b.jpg")));
  EXPECT_NE(jpeg.find("\xff\xc0"), std::string::npos) << "no baseline frame header";
}

TEST_F(PicturesTest, UnreadablePicturesThrowFileErrorNamingThePath) {
  write_jpeg(file("good.jpg"), blocks(64, {{0, 0, 0}, {200, 60, 40}}, false), 90);
  write_png(file("good.png"), blocks(64, {{0, 0, 0}, {200, 60, 40}}, false));
  const std::string jpeg = read_bytes(file("good.jpg"));
  const std::string png = read_bytes(file("good.png"));
  std::string bad_crc = png;
  bad_crc[png.find("IDAT") + 10] ^= 0x55;

  struct Case {
    const char* name;
    std::string bytes;
    std::string problem_start;
  };
  const std::vector<Case> cases = {
      {"empty", "", "not a PNG or JPEG picture"},
      {"garbage", "GIF89a and then some", "not a PNG or JPEG picture"},
      {"jpeg cut in its header", jpeg.substr(0, 30), "broken JPEG data: "},
      {"jpeg cut in its scan", jpeg.substr(0, jpeg.size() / 2), "broken JPEG data: "},
      {"jpeg without its end marker", jpeg.substr(0, jpeg.size() - 2), "broken JPEG data: "},
      {"png cut in its header", png.substr(0, 20), "broken PNG data: "},
      {"png cut in its data", png.substr(0, png.size() / 2), "broken PNG data: "},
      {"png without its end chunk", png.substr(0, png.size() - 12), "broken PNG data: "},
      {"png with damaged data", bad_crc, "broken PNG data: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = file("bad.jpg");
    write_bytes(path, c.bytes);
    EXPECT_EQ(problem_of(path).rfind(c.problem_start, 0), 0u) << problem_of(path);
  }
  EXPECT_EQ(problem_of(file("missing.png")), "file not found");
}

TEST_F(PicturesTest, WritersThrowFileErrorForBadTargetsAndBadPixels) {
  const Pixels good = blocks(2, {{1, 2, 3}}, false);
  Pixels mismatched = good;
  mismatched.width = 3;
  for (const std::string& path : {file("no_such_folder/out.png"), file("no_such_folder/out.jpg")}) {
    EXPECT_THROW(write_png(path, good), FileError);
    EXPECT_THROW(write_jpeg(path, good, 90), FileError);
  }
  EXPECT_THROW(write_png(file("out.png"), mismatched), FileError);
  EXPECT_THROW(write_jpeg(file("out.jpg"), Pixels(), 90), FileError);
}

}  // namespace
}  // namespace platform
