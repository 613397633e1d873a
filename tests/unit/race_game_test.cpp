// Real laps on a bundled track, through the replay runner: the HUD counts and times them,
// the best time lands in data.txt, and the next game shows it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game/race/cipher.h"
#include "game/race/track_loader.h"
#include "game/state/text_rules.h"
#include "platform/headless_platform.h"
#include "replay/replay.h"
#include "support/autopilot.h"
#include "support/game_dir.h"

namespace {

using test_support::GameDir;

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(RaceGame, LapsOnABundledTrackAreTimedSavedAndShownNextTime) {
  test_support::TrackSpec waldring = test_support::track("waldring", "Waldring");
  waldring.copy_from = test_support::bundled_track("waldring");
  GameDir dir({waldring});
  // The start lies in square 1: the first crossing starts the race, the next two end
  // two timed laps.
  const test_support::RecordedLaps laps = test_support::record_laps(3);
  ASSERT_EQ(laps.lap_end_flips.size(), 3u);
  ASSERT_GT(laps.best_time, 5.0f);
  const std::string before = dir.read("maps/waldring/data.txt");

  const std::filesystem::path out = dir.root() / "out";
  std::filesystem::create_directories(out);
  replay::Options race;
  race.game_dir = dir.root();
  race.script = laps.script;
  race.trace = out / "trace.csv";
  const long after_last_lap = laps.lap_end_flips[2] + 1;
  race.draws = {{after_last_lap, out / "hud.txt"}};
  ASSERT_EQ(replay::run(race), 0);

  // The HUD shows a completed lap from the frame after it.
  const std::string hud = slurp(out / "hud.txt");
  const std::string best = low_bytes(GetFloat(laps.best_time, 3));
  EXPECT_TRUE(contains(hud, "\"Runde: 3\"")) << hud;
  EXPECT_TRUE(contains(hud, "\"Beste Zeit: " + best + "\"")) << hud;
  EXPECT_TRUE(contains(hud, "\"Letzte Runde: ")) << hud;

  // Only the best-time line of the track file changed, and it reads back exactly.
  const std::string after = dir.read("maps/waldring/data.txt");
  EXPECT_NE(after, before);
  EXPECT_EQ(after.substr(0, after.rfind("\r\n", after.size() - 3)), before.substr(0, before.rfind("\r\n", before.size() - 3)));
  platform::HeadlessPlatform p(false);
  Game g(p);
  read_track_data(g, u"waldring");
  EXPECT_EQ(g.Beste_Zeit, laps.best_time);

  // A new game: the first race frame shows the stored best time.
  replay::Options again;
  again.game_dir = dir.root();
  again.script = "tap S\nwait 1\ntap Enter\nwait 2\ntap Escape\n";
  again.draws = {{3, out / "first_frame.txt"}};  // menu frame, loading notice, then the race
  ASSERT_EQ(replay::run(again), 0);
  const std::string first_frame = slurp(out / "first_frame.txt");
  EXPECT_TRUE(contains(first_frame, "\"Beste Zeit: " + best + "\"")) << first_frame;
  EXPECT_TRUE(contains(first_frame, "\"Aktuelle Zeit: ?\"")) << first_frame;
}

}  // namespace
