// kurvenjagd-replay: the whole game headless from a key script, its outputs and exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <utility>

#include "platform/pictures.h"
#include "replay/replay.h"
#include "support/game_dir.h"

namespace {

namespace fs = std::filesystem;
using test_support::GameDir;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Menu frames 1 and 2, the loading notice 3, the track-loaded screen 4, race frames 5 to 7,
// then one menu frame 8 before the run-out close request ends the game.
const char* const kShortRace = "wait 2\ntap S\nwait 2\ntap Enter\nwait 3\ntap Escape\n";

TEST(Replay, SameScriptTwiceGivesTheSameBytes) {
  struct Outputs {
    std::string trace, draws, shot, data;
  };
  auto replay_once = [] {
    GameDir dir({test_support::track()});
    replay::Options options;
    options.game_dir = dir.root();
    options.script =
        "tap S\nwait 2\ntap Enter\ndown Up\nwait 150\ndown Left\nwait 40\nup Left\nwait 150\ntap Escape\nwait 2\n";
    options.trace = dir.root() / "trace.csv";
    options.draws = {{250, dir.root() / "250.txt"}};
    options.shots = {{250, dir.root() / "250.png"}};
    EXPECT_EQ(replay::run(options), 0);
    return Outputs{dir.read("trace.csv"), dir.read("250.txt"), dir.read("250.png"), dir.read("maps/oval/data.txt")};
  };
  const Outputs first = replay_once();
  const Outputs second = replay_once();
  EXPECT_EQ(lines_of(first.trace).size(), 1u + 340u);
  EXPECT_FALSE(first.draws.empty());
  EXPECT_FALSE(first.shot.empty());
  EXPECT_EQ(first.trace, second.trace);
  EXPECT_EQ(first.draws, second.draws);
  EXPECT_EQ(first.shot, second.shot);
  EXPECT_EQ(first.data, second.data);
}

TEST(Replay, FlipsAreNumberedFromOneAcrossMenuLoadingAndRace) {
  GameDir dir({test_support::track()});
  replay::Options options;
  options.game_dir = dir.root();
  options.script = kShortRace;
  options.trace = dir.root() / "trace.csv";
  const struct {
    long flip;
    const char* shown;
  } kFlips[] = {
      {2, R"(text 860 260 "Rennen Starten" color=255,255,255 alpha=1 rotation=0 font=Font_gross)"},
      {3, R"(text 200 200 "Strecke wird geladen..." color=255,255,255 alpha=1 rotation=0 font=Font_ganzganzgross)"},
      {4, R"(text 200 200 "Strecke geladen" color=255,255,255 alpha=1 rotation=0 font=Font_ganzganzgross)"},
      {5, R"(text 10 12 "Runde: 0" color=255,255,255 alpha=1 rotation=0 font=ZahlenFont)"},
  };
  for (const auto& expected : kFlips)
    options.draws.emplace_back(expected.flip, dir.root() / (std::to_string(expected.flip) + ".txt"));
  options.draws.emplace_back(8, dir.root() / "8.txt");
  options.draws.emplace_back(9, dir.root() / "9.txt");
  ASSERT_EQ(replay::run(options), 0);

  for (const auto& expected : kFlips) {
    const std::vector<std::string> lines = lines_of(dir.read(std::to_string(expected.flip) + ".txt"));
    ASSERT_FALSE(lines.empty()) << "flip " << expected.flip;
    EXPECT_EQ(lines.front().rfind("cls ", 0), 0u) << "flip " << expected.flip;
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected.shown), lines.end()) << "flip " << expected.flip;
  }
  EXPECT_EQ(dir.read("8.txt"), "");  // the menu pass that started the race flips once more, drawing nothing
  EXPECT_FALSE(fs::exists(dir.root() / "9.txt"));  // the game ended with flip 8

  const std::vector<std::string> trace = lines_of(dir.read("trace.csv"));
  ASSERT_EQ(trace.size(), 4u);  // race frames 5, 6 and 7
  EXPECT_EQ(trace[0],
            "flip,clock,player_x,player_y,Winkel,Geschwindigkeit,Lenkung,Kamera_x,Kamera_y,Runde,"
            "Naechstes_Kollisionsfeld,Neustart,Aktuelle_Zeit,Letzte_Runde,Beste_Zeit");
  // Clock 1000 + 16 + 17 + 17 + 16 after four flips; the camera eases a fifth of the way
  // from (0, 0); the car stands on the start square, but no lap runs before the first Up.
  EXPECT_EQ(trace[1], "5,1066,388,816,270,0,0,77.5999985,163.199997,1,2,1,0,0,0");
  EXPECT_EQ(trace[3].substr(0, 7), "7,1100,");
}

TEST(Replay, ScreenshotIsThePictureTheFlipShows) {
  auto shoot = [](long flip) {
    GameDir dir({test_support::track()});
    replay::Options options;
    options.game_dir = dir.root();
    options.script = kShortRace;
    options.shots = {{flip, dir.root() / "shot.png"}};
    EXPECT_EQ(replay::run(options), 0);
    return std::make_pair(dir.read("shot.png"), platform::decode_picture((dir.root() / "shot.png").string()));
  };
  const platform::Pixels picture = shoot(2).second;
  EXPECT_EQ(picture.width, 1024);
  EXPECT_EQ(picture.height, 768);
  const std::uint8_t* background = picture.at(600, 100);  // the menu background, a solid (60, 90, 60) JPEG
  EXPECT_NEAR(background[0], 60, 6);
  EXPECT_NEAR(background[1], 90, 6);
  EXPECT_NEAR(background[2], 60, 6);
  EXPECT_EQ(shoot(8).first, shoot(7).first);  // flip 8 draws nothing and still shows the last race frame
}

TEST(Replay, CommandLineExitStatuses) {
  const struct {
    const char* script;
    std::vector<std::string> extra_args;
    bool without_car_picture;
    int status;
    const char* message;
  } kCases[] = {
      {kShortRace, {}, false, 0, ""},
      {"wait 10\n", {"--max-flips", "5"}, false, 3, "stopped at flip 5"},
      {"wait 10\n", {}, true, 1, "data/car.png"},
      {"tap S\n\nhold Up\n", {}, false, 2, "line 3"},
      {"", {"--max-flips", "0"}, false, 2, "--max-flips"},
      {"", {"--draws", "page.txt"}, false, 2, "--draws"},
      {"", {"--shot"}, false, 2, "--shot needs a value"},
      {"", {"--speed", "2"}, false, 2, "unknown argument '--speed'"},
  };
  for (const auto& c : kCases) {
    GameDir dir({test_support::track()});
    dir.write("script.keys", c.script);
    if (c.without_car_picture) fs::remove(dir.root() / "data" / "car.png");
    std::vector<std::string> args{"--game-dir", dir.root().string(), "--script", (dir.root() / "script.keys").string()};
    args.insert(args.end(), c.extra_args.begin(), c.extra_args.end());
    const fs::path before = fs::current_path();
    std::ostringstream out, err;
    EXPECT_EQ(replay::main_with_args(args, out, err), c.status) << c.script << err.str();
    const std::string message = err.str();
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), c.status == 0 ? 0 : 1) << message;
    EXPECT_EQ(fs::current_path(), before);
  }
}

}  // namespace
