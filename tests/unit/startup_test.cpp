// The startup sequence, in its fixed order, and the way the program ends.
#include <gtest/gtest.h>

#include "game/shell/startup.h"
#include "platform/file_error.h"
#include "platform/headless_platform.h"
#include "platform/key_script.h"
#include "support/game_dir.h"
#include "support/recorder.h"

namespace {

TEST(Startup, RunsItsStepsInOrder) {
  test_support::GameDir dir({test_support::track("oval"), test_support::track("berg")});
  platform::HeadlessPlatform p(false);
  test_support::Recorder recorder;
  p.set_recorder(&recorder);
  Game g(p);
  startup(g);
  const std::vector<std::string> expected{
      "set_title Kurvenjagd",
      "open_window 1024 768",
      "load_font ZahlenFont data/Digir___.ttf 30",
      "load_font ZahlenFont_klein data/Digir___.ttf 15",
      "load_font Font data/Adventure Subtitles.ttf 12",
      "load_font Font_gross data/Adventure Subtitles.ttf 20",
      "load_font Font_ganzgross data/Adventure Subtitles.ttf 30",
      "load_font Font_ganzganzgross data/Adventure Subtitles.ttf 60",
      "create_timer 60",
      "hide_pointer",
      "set_alpha_blending",
      "load_image data/car.png",
      "load_image data/bg.jpg",
      "load_image maps/oval/map_mini.jpg",
      "load_image maps/berg/map_mini.jpg",
      "load_image data/arrowr.png",
      "load_image data/arrowl.png",
  };
  EXPECT_EQ(recorder.setups, expected);
  EXPECT_FLOAT_EQ(g.Auto->handle_x, 8.5f);  // the 17 x 33 test car: centre on a half pixel
  EXPECT_FLOAT_EQ(g.Auto->handle_y, 16.5f);
  EXPECT_EQ(g.Temponaere_Daten.size(), 2000u);
  EXPECT_EQ(g.AktuelleMapauswahl, 1);
  EXPECT_EQ(g.Naechstes_Kollisionsfeld, 1);
}

TEST(Startup, AMissingPictureStopsWithTheFileNamed) {
  test_support::GameDir dir({test_support::track()});
  std::filesystem::remove("data/car.png");
  platform::HeadlessPlatform p(false);
  Game g(p);
  try {
    startup(g);
    FAIL();
  } catch (const platform::FileError& error) {
    EXPECT_EQ(error.path(), "data/car.png");
  }
}

TEST(Startup, EscapeHeldAtTheMenuEndsTheProgramWithoutAFrame) {
  test_support::GameDir dir({test_support::track()});
  platform::HeadlessPlatform p(false);
  p.set_script(platform::parse_key_script("down Escape\n"));
  Game g(p);
  run_game(g);
  EXPECT_EQ(p.flips(), 0);
}

TEST(Startup, ACloseRequestEndsTheMenu) {
  test_support::GameDir dir({test_support::track()});
  platform::HeadlessPlatform p(false);
  p.set_script(platform::parse_key_script("wait 3\nclose\n"));
  Game g(p);
  run_game(g);
  EXPECT_EQ(p.flips(), 3);
}

}  // namespace
