#include "game/race/camera.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/race/car.h"
#include "platform/headless_platform.h"

namespace {

constexpr int kUp = 38;

struct Lines : platform::DrawRecorder {
  void draw(const std::string& operation) override { lines.push_back(operation); }
  std::vector<std::string> lines;
};

platform::ImagePtr picture(const std::string& path) {
  auto image = std::make_shared<platform::Image>();
  image->path = path;
  return image;
}

std::string number(float value) { return platform::format("%.9g", double(value)); }

class CameraTest : public testing::Test {
 protected:
  CameraTest() { hp.set_recorder(&rec); }

  platform::HeadlessPlatform hp{false};
  Game g{hp};
  Lines rec;
};

TEST_F(CameraTest, EasesAFifthOfTheWayOnEachAxis) {
  struct Case {
    float camera, car, after;
  };
  const Case cases[] = {
      {0, 100, 20},
      {100, 0, 80},
      {-50, 50, -30},
      {50, 50, 50},  // already on the car
      {0.1f, 0.1f, 0.1f},
  };
  for (const Case& c : cases) {
    g.Kamera_x = c.camera;
    g.player_x = c.car;
    g.Kamera_y = -c.camera;  // the other axis, mirrored
    g.player_y = -c.car;
    KameraUpdate(g);
    EXPECT_FLOAT_EQ(g.Kamera_x, c.after) << c.camera << " towards " << c.car;
    EXPECT_FLOAT_EQ(g.Kamera_y, -c.after) << c.camera << " towards " << c.car;
  }
}

TEST_F(CameraTest, CarAtTopSpeedIsDrawnAbout40PixelsAhead) {
  g.Auto = picture("car.png");
  g.Winkel = 270;  // driving right
  g.Geschwindigkeit = 8.05456161f;
  hp.press_key(kUp);
  for (int frame = 0; frame < 200; ++frame) {
    KameraUpdate(g);
    Lenkung_und_Gas(g);
  }
  rec.lines.clear();
  DrawPlayer(g);
  const std::string line = rec.lines.at(0);
  const float x = std::stof(line.substr(std::string("image car.png ").size()));
  EXPECT_NEAR(x, 512 + 40.3, 0.05);
}

TEST_F(CameraTest, DrawPlayerTurnsTheCarAndResetsTheRotation) {
  g.Auto = picture("car.png");
  g.player_x = 100.25f;
  g.player_y = -20;
  g.Kamera_x = 50;
  g.Kamera_y = 10.5f;
  for (float heading : {0.0f, 90.0f, 359.5f}) {
    rec.lines.clear();
    g.Winkel = heading;
    DrawPlayer(g);
    hp.rect(0, 0, 1, 1);
    const std::vector<std::string> expected = {
        "image car.png 562.25 353.5 color=255,255,255 alpha=1 rotation=" + number(heading),
        "rect 0 0 1 1 color=255,255,255 alpha=1 rotation=0",
    };
    EXPECT_EQ(rec.lines, expected);
  }
}

// Every cell of the grid holds a picture named after it.
class DrawMapTest : public CameraTest {
 protected:
  DrawMapTest() {
    for (int col = 0; col < Game::kGridSize; ++col) {
      for (int row = 0; row < Game::kGridSize; ++row) {
        g.Map[std::size_t(col)][std::size_t(row)] = picture(std::to_string(col) + "-" + std::to_string(row));
      }
    }
  }
  std::string tile_line(int col, int row) const {
    return "image " + std::to_string(col) + "-" + std::to_string(row) + " " +
           number(float(double(float(col * 200)) - double(g.Kamera_x))) + " " +
           number(float(double(float(row * 200)) - double(g.Kamera_y))) + " color=255,255,255 alpha=1 rotation=0";
  }
};

TEST_F(DrawMapTest, DrawsTheBlockAroundTheCameraColumnByColumn) {
  struct Case {
    float kamera_x, kamera_y;
    int first_col, first_row;
    const char* first_x;
  };
  const Case cases[] = {
      {399.9f, 400, 0, 1, "-399.899994"},
      {400, 400, 1, 1, "-200"},
      {1234.5f, 8000.25f, 5, 39, "-234.5"},
  };
  for (const Case& c : cases) {
    g.Kamera_x = c.kamera_x;
    g.Kamera_y = c.kamera_y;
    rec.lines.clear();
    DrawMap(g);
    ASSERT_EQ(rec.lines.size(), 48u) << c.kamera_x;
    EXPECT_EQ(rec.lines[0], tile_line(c.first_col, c.first_row));
    EXPECT_NE(rec.lines[0].find(std::string(" ") + c.first_x + " "), std::string::npos) << rec.lines[0];
    EXPECT_EQ(rec.lines[1], tile_line(c.first_col, c.first_row + 1));  // down the column first
    EXPECT_EQ(rec.lines[6], tile_line(c.first_col + 1, c.first_row));
    EXPECT_EQ(rec.lines[47], tile_line(c.first_col + 7, c.first_row + 5));
  }
}

TEST_F(DrawMapTest, CellsOutsideTheGridOrWithoutAPictureAreSkipped) {
  struct Case {
    const char* name;
    float kamera_x, kamera_y;
    bool empty_cell;  // cell (3, 2) has no picture
    std::size_t drawn;
  };
  const Case cases[] = {
      {"camera at the origin: column and row -1", 0, 0, false, 7 * 5},
      {"one empty cell", 400, 400, true, 47},
      {"past the right edge: column 50", 8800, 400, false, 7 * 6},
      {"past the bottom edge: rows 50 and 51", 400, 9400, false, 8 * 4},
      {"far away", -1e12f, 1e12f, false, 0},
  };
  for (const Case& c : cases) {
    if (c.empty_cell) g.Map[3][2] = nullptr;
    g.Kamera_x = c.kamera_x;
    g.Kamera_y = c.kamera_y;
    rec.lines.clear();
    DrawMap(g);
    EXPECT_EQ(rec.lines.size(), c.drawn) << c.name;
    if (c.empty_cell) g.Map[3][2] = picture("3-2");
  }
}

}  // namespace
