#include "game/race/car.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "platform/headless_platform.h"

namespace {

constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kR = 82;
constexpr double kRadiansPerDegree = 0.017453292519943295;

class CarTest : public testing::Test {
 protected:
  // Exactly these keys held from now on.
  void hold(const std::vector<int>& keys) {
    for (int key : {kLeft, kUp, kRight, kDown, kR}) hp.release_key(key);
    for (int key : keys) hp.press_key(key);
  }
  void frames(int count) {
    for (int n = 0; n < count; ++n) Lenkung_und_Gas(g);
  }

  platform::HeadlessPlatform hp{false};
  Game g{hp};
};

// The worked examples carry 5 or 6 significant digits.
double tolerance(double expected) { return std::fabs(expected) * 3e-5 + 1e-9; }

TEST_F(CarTest, SpeedRunsFollowTheWorkedExamples) {
  struct Check {
    int frame;
    double speed;
  };
  struct Run {
    const char* name;
    std::vector<int> lead_keys;  // held from rest for lead_frames first
    int lead_frames;
    std::vector<int> keys;
    std::vector<Check> checks;
  };
  const Run runs[] = {
      {"Up from rest", {}, 0, {kUp},
       {{1, 0.013}, {2, 0.0169}, {3, 0.02197}, {4, 0.028561}, {5, 0.037129}, {16, 0.66542}, {17, 0.86504},
        {18, 1.12455}, {19, 1.19455}, {20, 1.26455}, {116, 7.98456}, {117, 8.05456}, {300, 8.05456}}},
      {"coasting from top speed", {kUp}, 117, {},
       {{1, 8.02456}, {267, 0.044537}, {268, 0.014537}, {500, 0.014537}}},
      {"Down from top speed", {kUp}, 117, {kDown}, {{40, 0.054565}, {41, 0}}},
      {"R from rest", {}, 0, {kR}, {{1, -0.2}, {2, -0.4}, {9, -1.8}, {10, -2}, {11, -2}}},
      {"coasting from full reverse", {kR}, 10, {}, {{66, -0.020001}, {67, 0.0099986}, {300, 0.0099986}}},
  };
  for (const Run& run : runs) {
    g.Geschwindigkeit = 0;
    g.Lenkung = 0;
    hold(run.lead_keys);
    frames(run.lead_frames);
    hold(run.keys);
    int frame = 0;
    for (const Check& check : run.checks) {
      frames(check.frame - frame);
      frame = check.frame;
      EXPECT_NEAR(g.Geschwindigkeit, check.speed, tolerance(check.speed)) << run.name << ", frame " << frame;
    }
  }
}

TEST_F(CarTest, SingleFramesAtTheEdgesOfTheSpeedRules) {
  struct Case {
    float start;
    std::vector<int> keys;
    double after;
  };
  const Case cases[] = {
      {-1.5f, {kUp}, 0.013},        // throttle restarts from 0.01 and multiplies in the same frame
      {0, {kUp, kDown}, 0},         // 0.013 braked below 0 clamps to 0
      {5, {kUp, kDown}, 4.87},      // +0.07 - 0.2
      {8.05456f, {kUp}, 8.05456},   // the ceiling is tested before the increase
      {0.1f, {kDown}, 0},           // brake never reverses
      {-1.9f, {kR}, -2},            // reverse floor
      {0.02f, {}, 0.02},            // below the friction step: down and straight back up
      {-0.02f, {}, 0.01},           // a slow reverse turns into a forward creep
      {0, {}, 0},                   // only exactly 0 stands still
      {3, {kUp, kR}, 2.87},         // throttle and reverse add up
  };
  for (const Case& c : cases) {
    g.Geschwindigkeit = c.start;
    hold(c.keys);
    frames(1);
    EXPECT_NEAR(g.Geschwindigkeit, c.after, tolerance(c.after)) << "from " << c.start;
  }
}

TEST_F(CarTest, SteeringAndTurning) {
  struct Case {
    const char* name;
    float speed;  // held at this value before every frame
    float start;
    std::vector<int> keys;
    std::vector<double> lenkung;  // at the end of successive frames
  };
  const Case cases[] = {
      {"Left", 2, 0, {kLeft}, {-50, -100, -150, -200, -200}},
      {"Right", 2, 0, {kRight}, {50, 100, 150, 200, 200}},
      {"centring from the left", 2, -200, {}, {-133.33, -88.889, -59.259, -39.506, -26.337}},
      {"centring from the right", 2, 200, {}, {133.33, 88.889, 59.259}},
      {"Left and Right from -200", 2, -200, {kLeft, kRight}, {-150, -150, -150}},
      {"Left and Right from 200", 2, 200, {kLeft, kRight}, {200, 200}},
      {"Left at 0.5 stays on the limit", 0.5f, 0, {kLeft}, {-50, -50, -50}},
      {"Right at rest", 0, 0, {kRight}, {0, 0}},
      {"Left while reversing", -1, -100, {kLeft}, {0, 0}},
  };
  for (const Case& c : cases) {
    g.Lenkung = c.start;
    g.Winkel = 180;  // far from the wrap
    hold(c.keys);
    for (std::size_t n = 0; n < c.lenkung.size(); ++n) {
      g.Geschwindigkeit = c.speed;
      const float heading = g.Winkel;
      frames(1);
      EXPECT_NEAR(g.Lenkung, c.lenkung[n], 0.005) << c.name << ", frame " << n + 1;
      EXPECT_NEAR(g.Winkel - heading, g.Lenkung / 100, 1e-4) << c.name << ", frame " << n + 1;
    }
  }
}

TEST_F(CarTest, HeadingWrapsAfterTheMove) {
  struct Case {
    float heading, lenkung;
    std::vector<int> keys;
    double moved_with;  // heading the frame's motion used
    float after;
  };
  const Case cases[] = {
      {358.5f, 200, {kUp, kRight}, 360.5, 0},
      {0.5f, -200, {kUp, kLeft}, -1.5, 359},
      {359, 0, {kUp}, 359, 359},
      {720, 0, {kUp}, 720, 0},
      {-90, 0, {kUp}, -90, 359},
  };
  for (const Case& c : cases) {
    g.Winkel = c.heading;
    g.Lenkung = c.lenkung;
    g.Geschwindigkeit = 3;
    g.player_x = g.player_y = 0;
    hold(c.keys);
    frames(1);
    const double radians = c.moved_with * kRadiansPerDegree;
    EXPECT_EQ(g.Winkel, c.after) << c.heading;
    EXPECT_FLOAT_EQ(g.player_x, float(-std::sin(radians) * g.Geschwindigkeit)) << c.heading;
    EXPECT_FLOAT_EQ(g.player_y, float(std::cos(radians) * g.Geschwindigkeit)) << c.heading;
  }
}

TEST_F(CarTest, FullThrottleFromRestCoversAbout463PixelsStraightDown) {
  hold({kUp});
  frames(117);
  EXPECT_NEAR(g.player_y, 462.7, 0.05);
  EXPECT_EQ(g.player_x, 0);
}

TEST_F(CarTest, LapClockStartsAtTheFirstUpOfARaceOnly) {
  g.Neustart = 1;
  hold({kR});
  frames(3);
  EXPECT_EQ(g.Neustart, 1);
  EXPECT_EQ(g.Aktuelle_Zeit, 0);

  hp.advance_clock(500);
  hold({kUp});
  frames(1);
  EXPECT_EQ(g.Neustart, 0);
  EXPECT_EQ(g.Aktuelle_Zeit, 1500);

  hold({});
  frames(1);
  hp.advance_clock(700);
  hold({kUp});
  frames(1);
  EXPECT_EQ(g.Aktuelle_Zeit, 1500);
}

}  // namespace
