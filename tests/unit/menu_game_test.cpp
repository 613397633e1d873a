// The main menu as a player meets it: whole games on the headless platform.
#include <gtest/gtest.h>

#include "support/game_dir.h"
#include "support/replayed.h"

namespace {

using test_support::GameDir;
using test_support::last_shown;
using test_support::replay_draws;
using test_support::shows;
using test_support::track;

std::string state(const char* rgb, const char* alpha) {
  return std::string(" color=") + rgb + " alpha=" + alpha + " rotation=0";
}

std::vector<std::string> expected_menu_frame(const std::string& folder, const std::string& name, bool locked) {
  const std::string white = state("255,255,255", "1"), half_black = state("0,0,0", "0.5");
  std::vector<std::string> ops{
      "cls" + white,
      "image data/bg.jpg 0 0" + white,
      "rect 30 400 400 400" + half_black,
      "rect 850 250 200 40" + half_black,
      "rect 850 300 200 40" + half_black,
      "image maps/" + folder + "/map_mini.jpg 80 460" + white,
  };
  if (locked) {
    const std::string red = state("255,0,0", "1");
    ops.insert(ops.end(), {
                              "rect 80 460 300 300" + state("0,0,0", "0.800000012"),
                              "oval 180 480 100 100" + red,
                              "oval 190 490 80 80" + white,
                              "text 100 610 \"Du hast dich fuer diese Strecke\"" + white + " font=Font_gross",
                              "text 100 630 \"noch nicht qualifiziert.\"" + white + " font=Font_gross",
                          });
  }
  const std::string gold = state("205,185,14", "1");
  ops.insert(ops.end(), {
                            "rect 80 460 10 300" + half_black,
                            "rect 90 750 280 10" + half_black,
                            "rect 90 460 290 10" + half_black,
                            "rect 370 470 10 290" + half_black,
                            "text 860 260 \"Rennen Starten\"" + white + " font=Font_gross",
                            "text 860 310 \"Beenden\"" + white + " font=Font_gross",
                            "text 938 260 \"S\"" + gold + " font=Font_gross",
                            "text 960 310 \"ESC\"" + gold + " font=Font_gross",
                            "text 760 750 \"\\xA9 2026 Die Kurvenjagd-Entwickler\"" + white + " font=Font",
                            "text 140 410 \"Mapauswahl\"" + white + " font=Font_ganzgross",
                            "text 140 443 \"" + name + "\"" + white + " font=Font",
                            "image data/arrowr.png 390 590" + white,
                            "image data/arrowl.png 40 590" + white,
                        });
  return ops;
}

TEST(Menu, FrameDrawsTheTableForAnUnlockedAndALockedTrack) {
  GameDir dir({track("oval", "Ovalkurs"), track("berg", "Bergstrecke")}, 1);
  const auto draws = replay_draws(dir, "wait 1\ntap Right\nwait 2\n", 3);
  EXPECT_EQ(draws[1], expected_menu_frame("oval", "Ovalkurs", false));
  EXPECT_EQ(draws[3], expected_menu_frame("berg", "Bergstrecke", true));
}

TEST(Menu, SelectionWrapsAround) {
  struct Case {
    int tracks;
    std::string keys;
    int selection;
  };
  const Case cases[] = {
      {1, "tap Right\nwait 1\ntap Left\nwait 1\ntap Right\n", 1},
      {3, "tap Left\n", 3},
      {3, "tap Right\nwait 1\ntap Right\nwait 1\ntap Right\n", 1},
      {3, "tap Right\ntap Right\n", 2},                // two presses in one frame move by one
      {3, "tap Right\ntap Left\n", 1},                 // Right before Left: forward and back
      {3, "down Right\nwait 5\ndown Right\n", 2},      // held with auto-repeat: one step
  };
  for (const Case& c : cases) {
    std::vector<test_support::TrackSpec> tracks;
    for (int n = 1; n <= c.tracks; ++n) tracks.push_back(track("t" + std::to_string(n), "Strecke " + std::to_string(n)));
    GameDir dir(tracks);
    const auto draws = replay_draws(dir, c.keys + "wait 3\n", 20);
    EXPECT_TRUE(shows(last_shown(draws), "\"Strecke " + std::to_string(c.selection) + "\""))
        << c.tracks << " tracks: " << c.keys;
  }
}

TEST(Menu, StartAndRightInOneFrameRaceTheSelectedTrackAndReturnOnIt) {
  GameDir dir({track("oval", "Ovalkurs"), track("berg", "Bergstrecke")});
  // S and Right hit in the same frame; Enter leaves the track-loaded screen; Escape ends
  // the race; the menu goes on afterwards until the script's end closes the window.
  const auto draws = replay_draws(dir, "tap S\ntap Right\nwait 1\ntap Enter\nwait 3\ntap Escape\nwait 5\n", 20);
  // The loading notice and the track-loaded screen are flips 1 and 2; the race follows.
  EXPECT_TRUE(shows(draws[3], "image maps/oval/default.jpg"));
  EXPECT_FALSE(shows(draws[3], "maps/berg"));
  // After the race the menu goes on, on the same track: leaving the race with Escape did
  // not end the program, and the Right press died with the flush.
  const auto& last = last_shown(draws);
  EXPECT_TRUE(shows(last, "image data/bg.jpg 0 0"));
  EXPECT_TRUE(shows(last, "\"Ovalkurs\""));
}

TEST(Menu, ALockedTrackStartsLikeAnyOther) {
  GameDir dir({track("oval")}, 0);
  const auto draws = replay_draws(dir, "tap Enter\nwait 1\ntap Space\nwait 2\ntap Escape\nwait 1\n", 4);
  EXPECT_TRUE(shows(draws[3], "\"Runde: "));
}

TEST(Menu, ATrackWithoutPreviewKeepsItsPlaceWithAPlaceholder) {
  test_support::TrackSpec bare = track("kahl", "Ohne Bild");
  bare.with_preview = false;
  GameDir dir({track("oval"), bare});
  const auto draws = replay_draws(dir, "tap Right\nwait 2\n", 2);
  const auto& frame = draws[2];
  ASSERT_GE(frame.size(), 7u);
  EXPECT_EQ(frame[5], "rect 80 460 300 300" + state("40,40,40", "1"));
  EXPECT_EQ(frame[6], "text 100 600 \"Ohne Bild\"" + state("255,255,255", "1") + " font=Font");
}

}  // namespace
