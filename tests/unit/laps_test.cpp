#include "game/race/laps.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "game/race/car.h"
#include "platform/headless_platform.h"

namespace {

constexpr int kUp = 38, kDown = 40, kR = 82;

struct Lines : platform::DrawRecorder {
  void draw(const std::string& operation) override { lines.push_back(operation); }
  std::vector<std::string> lines;
};

TEST(RectsOverlap, EdgesAndCornersCount) {
  struct Case {
    int x0, y0, w0, h0, x2, y2, w2, h2;
    int expected;
  };
  const Case cases[] = {
      {0, 0, 10, 10, 5, 5, 10, 10, 1},     // overlapping
      {0, 0, 10, 10, 10, 0, 10, 10, 1},    // right edge on left edge
      {20, 0, 10, 10, 10, 0, 10, 10, 1},   // left edge on right edge
      {0, 0, 10, 10, 0, 10, 10, 10, 1},    // bottom edge on top edge
      {0, 20, 10, 10, 0, 10, 10, 10, 1},   // top edge on bottom edge
      {0, 0, 10, 10, 10, 10, 5, 5, 1},     // corners
      {0, 0, 10, 10, 11, 0, 10, 10, 0},    // one pixel apart, each side
      {21, 0, 10, 10, 10, 0, 10, 10, 0},
      {0, 0, 10, 10, 0, 11, 10, 10, 0},
      {0, 21, 10, 10, 0, 10, 10, 10, 0},
      {5, 5, 0, 0, 5, 5, 0, 0, 1},         // two points on one spot
      {-30, -30, 16, 16, -14, -14, 5, 5, 1},
      {INT_MAX, 0, 1, 1, 0, 0, 10, 10, 0},  // the sum wraps to INT_MIN, no overflow trap
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RectsOverlap(c.x0, c.y0, c.w0, c.h0, c.x2, c.y2, c.w2, c.h2), c.expected)
        << c.x0 << "," << c.y0 << " " << c.w0 << "x" << c.h0 << " vs " << c.x2 << "," << c.y2 << " " << c.w2 << "x"
        << c.h2;
  }
}

TEST(TruncateToInt, TowardsZeroAndOutOfRangeToIntMin) {
  struct Case {
    double value;
    int expected;
  };
  const Case cases[] = {
      {-3.7, -3}, {3.7, 3}, {-0.5, 0}, {2147483647.9, INT_MAX}, {-2147483648.9, INT_MIN},
      {2147483648.0, INT_MIN}, {-1e20, INT_MIN}, {std::numeric_limits<double>::quiet_NaN(), INT_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(truncate_to_int(c.value), c.expected) << c.value;
}

class LapsTest : public testing::Test {
 protected:
  LapsTest() {
    g.ReifenGrafik = std::make_shared<platform::Image>();
    g.ReifenGrafik->path = "collision.png";
    hp.set_recorder(&rec);
  }
  // Barriers at the given world corners, all of one size.
  void barriers(const std::vector<int>& corners, int width, int height) {
    g.ReifenAnzahl = int(corners.size()) / 2;
    g.ReifenKoordinate = {0};
    g.ReifenKoordinate.insert(g.ReifenKoordinate.end(), corners.begin(), corners.end());
    g.Reifenbreite = width;
    g.Reifenhoehe = height;
  }
  // One barrier the car cannot miss.
  void wall() { barriers({-1000, -1000}, 100000, 100000); }
  void hold(const std::vector<int>& keys) {
    for (int key : {kUp, kDown, kR}) hp.release_key(key);
    for (int key : keys) hp.press_key(key);
  }

  platform::HeadlessPlatform hp{false};
  Game g{hp};
  Lines rec;
};

TEST_F(LapsTest, ContactRulesOnOneFrame) {
  struct Case {
    float speed;
    std::vector<int> keys;
    int barriers_touched;
    double after;
  };
  const Case cases[] = {
      {9, {}, 1, 6},              // a third goes
      {9, {}, 2, 4},              // twice: four ninths stay
      {-1, {}, 1, 0},             // backwards contact stops
      {0, {}, 1, 0},
      {0.06f, {kUp}, 1, 0.05},    // 0.04 lifted to the creep speed
      {-0.2f, {kUp}, 1, 0.05},
      {1, {kDown}, 1, -0.005},
      {1, {kUp, kDown}, 1, -0.005},
      {9, {}, 0, 9},              // no barrier on the track
  };
  for (const Case& c : cases) {
    if (c.barriers_touched == 0) {
      barriers({}, 0, 0);
    } else {
      barriers(std::vector<int>(std::size_t(2 * c.barriers_touched), -1000), 100000, 100000);
    }
    g.Geschwindigkeit = c.speed;
    hold(c.keys);
    rec.lines.clear();
    Reifen(g);
    EXPECT_FLOAT_EQ(g.Geschwindigkeit, float(c.after)) << c.speed << " with " << c.barriers_touched << " barriers";
    EXPECT_EQ(rec.lines.size(), std::size_t(c.barriers_touched));
  }
}

TEST_F(LapsTest, FullThrottleIntoABarrierSlowsToACreep) {
  wall();
  hold({kUp});
  g.Geschwindigkeit = 8.05456161f;  // top speed
  const double moved[] = {8.0546, 5.4397, 3.6965, 2.5343, 1.7595};
  for (int frame = 1; frame <= 30; ++frame) {
    Lenkung_und_Gas(g);  // the frame's motion uses this speed
    if (frame <= 5) {
      EXPECT_NEAR(g.Geschwindigkeit, moved[frame - 1], 5e-5) << frame;
    }
    if (frame >= 27) {
      EXPECT_FLOAT_EQ(g.Geschwindigkeit, 0.065f) << frame;
    }
    Reifen(g);
    if (frame == 25) {
      EXPECT_GT(g.Geschwindigkeit, 0.05f);
    }
    if (frame >= 26) {
      EXPECT_FLOAT_EQ(g.Geschwindigkeit, 0.05f) << frame;
    }
  }
}

TEST_F(LapsTest, ReversingOrBrakingInContact) {
  wall();
  hold({kR});
  for (int frame = 1; frame <= 3; ++frame) {
    Lenkung_und_Gas(g);
    EXPECT_FLOAT_EQ(g.Geschwindigkeit, -0.2f);  // backs out at 0.2 a frame
    Reifen(g);
    EXPECT_EQ(g.Geschwindigkeit, 0);
  }
  hold({kDown});
  g.Geschwindigkeit = 3;
  for (int frame = 1; frame <= 3; ++frame) {
    Lenkung_und_Gas(g);
    Reifen(g);
    EXPECT_FLOAT_EQ(g.Geschwindigkeit, -0.005f);
  }
  Lenkung_und_Gas(g);
  EXPECT_EQ(g.Geschwindigkeit, 0);  // the next brake step turns it into a stand
}

TEST_F(LapsTest, ContactGeometry) {
  // One barrier 20 x 20 at world (bx, -8); the car box is 16 square, centred on the car.
  struct Case {
    const char* name;
    float player_x, player_y, kamera_x;
    int bx;
    bool contact;
  };
  const Case cases[] = {
      {"car left on barrier right", 128, 0, 0, 100, true},
      {"one pixel right of it", 129, 0, 0, 100, false},
      {"car right on barrier left", 92, 0, 0, 100, true},
      {"one pixel left of it", 91, 0, 0, 100, false},
      {"car top on barrier bottom", 110, 20, 0, 100, true},
      {"one pixel below it", 110, 21, 0, 100, false},
      // The barrier's screen left is -3.75: truncated to -3, its right edge reaches the
      // car at 17; rounded down to -4 it would stop at 16.
      {"barrier left of the screen truncated towards zero", 28.75f, 0, 515.75f, 0, true},
  };
  for (const Case& c : cases) {
    barriers({c.bx, -8}, 20, 20);
    g.player_x = c.player_x;
    g.player_y = c.player_y;
    g.Kamera_x = c.kamera_x;
    g.Geschwindigkeit = 3;
    Reifen(g);
    EXPECT_EQ(g.Geschwindigkeit == 2, c.contact) << c.name;
  }
}

TEST_F(LapsTest, BarriersAreDrawnAtTheirScreenPositionInIndexOrder) {
  barriers({10, 20, -30, 40}, 16, 16);
  g.Kamera_x = 0.5f;
  g.Kamera_y = -100;
  Reifen(g);
  const std::vector<std::string> expected = {
      "image collision.png 521.5 504 color=255,255,255 alpha=1 rotation=0",
      "image collision.png 481.5 524 color=255,255,255 alpha=1 rotation=0",
  };
  EXPECT_EQ(rec.lines, expected);
}

// Checkpoint squares 150 wide at world x 0, 1000 and 2000 (or stacked), the camera at 0.
class CheckpointTest : public LapsTest {
 protected:
  CheckpointTest() { g.Area = {0, 0, 1000, 0, 2000, 0}; }
  void on_square(int k) {
    g.player_x = float(g.Area[std::size_t(2 * (k - 1))] + 75);
    g.player_y = float(g.Area[std::size_t(2 * (k - 1) + 1)] + 75);
    Kollisionsfelder(g);
  }
  void clock_at(int millis) { hp.advance_clock(millis - hp.millisecs()); }
};

TEST_F(CheckpointTest, CountedCrossingByLapAndRestart) {
  struct Case {
    const char* name;
    int runde, neustart;
    float lap_start, best, last;
    int clock;
    float last_after, best_after, lap_start_after;
  };
  const Case cases[] = {
      {"first crossing before the first Up", 0, 1, 0, 50, 7, 61000, 7, 50, 0},
      {"first crossing, timed: the approach is dropped", 0, 0, 1000, 50, 7, 61000, 7, 50, 61000},
      {"first lap, no best time yet", 1, 0, 1000, 0, 7, 13346, 12.346f, 12.346f, 13346},
      {"first lap, slower than the best", 1, 0, 1000, 50, 7, 61000, 60, 50, 61000},
      {"first lap, faster than the best", 1, 0, 1000, 70, 7, 61000, 60, 60, 61000},
      {"equal to the best", 1, 0, 1000, 60, 7, 61000, 60, 60, 61000},
      {"later lap, no best time: not taken", 2, 0, 1000, 0, 7, 61000, 60, 0, 61000},
      {"later lap, faster", 4, 0, 1000, 70, 7, 61000, 60, 60, 61000},
      {"second crossing without Up", 1, 1, 0, 50, 7, 61000, 61, 50, 0},
      {"lap start held in a float", 1, 0, 1000, 0, 7, 16777217, 16776.217f, 16776.217f, 16777216},
  };
  for (const Case& c : cases) {
    g.Naechstes_Kollisionsfeld = 1;
    g.Runde = c.runde;
    g.Neustart = c.neustart;
    g.Aktuelle_Zeit = c.lap_start;
    g.Beste_Zeit = c.best;
    g.Letzte_Runde = c.last;
    clock_at(c.clock);
    on_square(1);
    EXPECT_EQ(g.Runde, c.runde + 1) << c.name;
    EXPECT_EQ(g.Naechstes_Kollisionsfeld, 2) << c.name;
    EXPECT_EQ(g.Letzte_Runde, c.last_after) << c.name;
    EXPECT_EQ(g.Beste_Zeit, c.best_after) << c.name;
    EXPECT_EQ(g.Aktuelle_Zeit, c.lap_start_after) << c.name;
  }
}

TEST_F(CheckpointTest, SquaresCountOnlyInOrder) {
  struct Case {
    int expected_first;
    std::vector<int> visits;  // one frame on each square
    int runde, expected_after;
  };
  const Case cases[] = {
      {1, {1}, 1, 2},
      {1, {1, 1, 1, 1}, 1, 2},  // staying on the start square counts once
      {1, {3, 2}, 0, 1},
      {1, {1, 3, 2}, 1, 3},
      {1, {1, 2, 3, 1}, 2, 2},
      {1, {1, 3, 2, 1, 3, 1}, 2, 2},
      {2, {1, 2, 1}, 0, 3},     // carried over from the last race: the start waits for 2 and 3
      {3, {1, 3, 1}, 1, 2},
  };
  for (const Case& c : cases) {
    g.Runde = 0;
    g.Naechstes_Kollisionsfeld = c.expected_first;
    for (int k : c.visits) on_square(k);
    EXPECT_EQ(g.Runde, c.runde) << testing::PrintToString(c.visits);
    EXPECT_EQ(g.Naechstes_Kollisionsfeld, c.expected_after) << testing::PrintToString(c.visits);
  }
}

TEST_F(CheckpointTest, StackedSquaresAreTestedInOrderWithinOneFrame) {
  g.Area = {0, 0, 0, 0, 2000, 0};
  on_square(1);
  EXPECT_EQ(g.Runde, 1);
  EXPECT_EQ(g.Naechstes_Kollisionsfeld, 3);

  g.Area = {0, 0, 0, 0, 0, 0};
  g.Runde = 0;
  g.Naechstes_Kollisionsfeld = 1;
  on_square(1);
  EXPECT_EQ(g.Runde, 1);
  EXPECT_EQ(g.Naechstes_Kollisionsfeld, 1);
  on_square(1);
  EXPECT_EQ(g.Runde, 2);
}

}  // namespace
