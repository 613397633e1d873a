#include "game/race/hud.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless_platform.h"

namespace {

struct Lines : platform::DrawRecorder {
  void draw(const std::string& operation) override { lines.push_back(operation); }
  std::vector<std::string> lines;
};

constexpr const char* kFontFile = "../assets/fonts/KurvenjagdSegment-Regular.ttf";
const std::string kWhite = " color=255,255,255 alpha=1 rotation=0 font=";

class HudTest : public testing::Test {
 protected:
  HudTest() {
    g.ZahlenFont = hp.load_font("ZahlenFont", kFontFile, 30);
    g.ZahlenFont_klein = hp.load_font("ZahlenFont_klein", kFontFile, 15);
    hp.set_recorder(&rec);
  }

  platform::HeadlessPlatform hp{false};
  Game g{hp};
  Lines rec;
};

TEST_F(HudTest, FirstFrameOfARace) {
  Anzeige(g);
  const std::vector<std::string> expected = {
      "rect 0 0 1024 50 color=0,0,0 alpha=0.5 rotation=0",
      "text 10 12 \"Runde: 0\"" + kWhite + "ZahlenFont",
      "text 300 7 \"Aktuelle Zeit: ?\"" + kWhite + "ZahlenFont",
      "text 750 12 \"Beste Zeit: -\"" + kWhite + "ZahlenFont",
      "text 300 35 \"Letzte Runde: 0.000\"" + kWhite + "ZahlenFont_klein",
  };
  EXPECT_EQ(rec.lines, expected);
}

TEST_F(HudTest, TextsForTheLapState) {
  struct Case {
    int runde;
    float lap_start;  // Aktuelle_Zeit
    int clock;
    float best, last;
    const char* runde_text;
    const char* running_text;
    const char* best_text;
    const char* last_text;
  };
  const Case cases[] = {
      {3, 1000, 13345, 23.456f, 61.234f, "Runde: 3", "Aktuelle Zeit: 12.345", "Beste Zeit: 23.455",
       "Letzte Runde: 61.234"},
      {12, 1000, 1005, 0, 99.9999f, "Runde: 12", "Aktuelle Zeit: 0.004", "Beste Zeit: -",
       "Letzte Runde: 99.999"},
      {1, 2048, 2000, -1, 59.999f, "Runde: 1", "Aktuelle Zeit: -0.048", "Beste Zeit: -", "Letzte Runde: 59.999"},
      // The clock is not rounded to a float first: that would make this 0.000.
      {1, 16777216, 16777217, 9.9999f, 0, "Runde: 1", "Aktuelle Zeit: 0.001", "Beste Zeit: 9.999",
       "Letzte Runde: 0.000"},
      {0, -5, 5000, 1234567, 0, "Runde: 0", "Aktuelle Zeit: ?", "Beste Zeit: 1234567.00 ", "Letzte Runde: 0.000"},
  };
  for (const Case& c : cases) {
    g.Runde = c.runde;
    g.Aktuelle_Zeit = c.lap_start;
    g.Beste_Zeit = c.best;
    g.Letzte_Runde = c.last;
    hp.advance_clock(c.clock - hp.millisecs());
    rec.lines.clear();
    Anzeige(g);
    ASSERT_EQ(rec.lines.size(), 5u);
    const auto shows = [&](std::size_t line, const char* text) {
      EXPECT_NE(rec.lines[line].find(std::string("\"") + text + "\""), std::string::npos)
          << rec.lines[line] << " should show " << text;
    };
    shows(1, c.runde_text);
    shows(2, c.running_text);
    shows(3, c.best_text);
    shows(4, c.last_text);
  }
}

}  // namespace
