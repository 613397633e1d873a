// Real pixels from the offscreen surface: blending, rotation, text placement.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fonts.h"
#include "platform/headless_platform.h"
#include "platform/pictures.h"
#include "support/game_dir.h"

namespace {

using platform::HeadlessPlatform;

const std::string kMenuFont = std::string(KURVENJAGD_SOURCE_DIR) + "/assets/fonts/Quicksand-Medium.ttf";

std::string temp_picture(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("kurvenjagd-drawing-" + name)).string();
}

TEST(Drawing, HalfBlackRectangleHalvesTheColourBelow) {
  HeadlessPlatform p;
  p.open_window();
  p.set_color(200, 120, 60);
  p.rect(0, 0, 100, 100);
  p.set_color(0, 0, 0);
  p.set_alpha(0.5f);
  p.rect(10, 10, 50, 50);
  const auto mixed = p.pixel(30, 30);
  EXPECT_NEAR(mixed.r, 100, 3);
  EXPECT_NEAR(mixed.g, 60, 3);
  EXPECT_NEAR(mixed.b, 30, 3);
  const auto untouched = p.pixel(80, 80);
  EXPECT_EQ(untouched.r, 200);
}

TEST(Drawing, StateIsClampedAndKept) {
  HeadlessPlatform p;
  p.open_window();
  p.set_color(300, -5, 128);
  p.set_alpha(7);
  p.rect(0, 0, 10, 10);
  p.rect(20, 0, 10, 10);  // same state without setting it again
  EXPECT_EQ(p.pixel(25, 5).r, 255);
  EXPECT_EQ(p.pixel(25, 5).g, 0);
  EXPECT_EQ(p.pixel(25, 5).b, 128);
}

TEST(Drawing, OvalIsInscribedInItsRectangle) {
  HeadlessPlatform p;
  p.open_window();
  p.set_color(255, 0, 0);
  p.oval(180, 480, 100, 100);
  EXPECT_EQ(p.pixel(230, 530).r, 255);  // centre
  EXPECT_EQ(p.pixel(181, 530).r, 255);  // left edge, middle row
  EXPECT_EQ(p.pixel(182, 482).r, 0);    // corner of the rectangle stays outside
  EXPECT_EQ(p.pixel(230, 579).r, 255);  // bottom row
  EXPECT_EQ(p.pixel(230, 581).r, 0);
}

TEST(Drawing, PictureRotatesAboutAHalfPixelCentre) {
  // 33 x 17: the handle lies at (16.5, 8.5). The top-left quarter is red, the rest blue.
  const std::string path = temp_picture("rotate.png");
  platform::Pixels pixels(33, 17);
  pixels.has_alpha = true;
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 33; ++x) {
      std::uint8_t* px = pixels.at(x, y);
      const bool red = x < 16 && y < 8;
      px[0] = red ? 255 : 0;
      px[2] = red ? 0 : 255;
      px[3] = 255;
    }
  platform::write_png(path, pixels);
  HeadlessPlatform p;
  p.open_window();
  auto image = p.load_image(path);
  image->move_handle_to_centre();
  EXPECT_FLOAT_EQ(image->handle_x, 16.5f);
  EXPECT_FLOAT_EQ(image->handle_y, 8.5f);

  p.set_rotation(180);
  p.draw_image(*image, 500, 300);
  // Turned half round its centre, the red quarter lies bottom right and the picture
  // covers the same box: x 483.5 ... 516.5, y 291.5 ... 308.5.
  EXPECT_EQ(p.pixel(510, 305).r, 255);
  EXPECT_EQ(p.pixel(490, 295).b, 255);
  EXPECT_EQ(p.pixel(485, 300).b, 255);
  EXPECT_EQ(p.pixel(514, 296).b, 255);
  EXPECT_EQ(p.pixel(481, 300).b, 0);
  EXPECT_EQ(p.pixel(519, 300).b, 0);

  p.set_rotation(90);  // clockwise: the red top-left quarter turns to the top right
  p.cls();
  p.draw_image(*image, 500, 300);
  EXPECT_EQ(p.pixel(504, 290).r, 255);
  EXPECT_EQ(p.pixel(496, 310).b, 255);
  std::filesystem::remove(path);
}

TEST(Drawing, MaskedJpegBlackIsAHole) {
  const std::string path = temp_picture("mask.jpg");
  test_support::write_solid_picture(path, 64, 64, 0, 0, 0);
  HeadlessPlatform p;
  p.open_window();
  p.set_color(0, 200, 0);
  p.rect(0, 0, 200, 200);
  p.set_color(255, 255, 255);
  p.draw_image(*p.load_image(path), 10, 10);
  EXPECT_EQ(p.pixel(40, 40).g, 200);  // the green below shows through
  std::filesystem::remove(path);
}

// The bottom-most row of a glyph with ink, scanning a column range.
int lowest_ink_row(const HeadlessPlatform& p, int x0, int x1) {
  for (int y = HeadlessPlatform::kHeight - 1; y >= 0; --y)
    for (int x = x0; x < x1; ++x)
      if (p.pixel(x, y).r > 128) return y;
  return -1;
}

TEST(Drawing, TextLineBoxTopIsTheAscenderLine) {
  HeadlessPlatform p;
  p.open_window();
  auto font = p.load_font("Font_ganzganzgross", kMenuFont, 60);
  p.set_font(font);
  p.text(100, 200, u"H");
  // "H" sits on the baseline, which lies one ascender below the given y.
  EXPECT_NEAR(lowest_ink_row(p, 90, 200), 200 + font->ascender - 1, 1);
}

TEST(Drawing, MissingCharactersAreSkippedWithoutAdvancing) {
  HeadlessPlatform p;
  p.open_window();
  auto font = p.load_font("Font_gross", kMenuFont, 20);
  ASSERT_FALSE(font->glyphs[1].present);
  p.set_font(font);
  p.text(100, 100, u"AB");
  p.text(100, 200, u"A\u0001B\u4e00");
  for (int x = 95; x < 160; ++x)
    for (int dy = 0; dy < 30; ++dy) ASSERT_EQ(p.pixel(x, 100 + dy).r, p.pixel(x, 200 + dy).r) << x << "," << dy;
}

TEST(Drawing, UnreadableFontFallsBackToTheBuiltInFont) {
  HeadlessPlatform p;
  p.open_window();
  auto font = p.load_font("Font", "no/such/font.ttf", 20);
  ASSERT_NE(font, nullptr);
  p.set_font(font);
  p.text(10, 10, u"Beenden");
  EXPECT_GT(lowest_ink_row(p, 0, 200), 10);
}

}  // namespace
