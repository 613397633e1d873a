// Reading a track folder and writing its best time back.
#include <gtest/gtest.h>

#include "game/race/cipher.h"
#include "game/race/save_back.h"
#include "game/race/track_loader.h"
#include "game/state/text_rules.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/headless_platform.h"
#include "support/game_dir.h"

namespace {

using test_support::GameDir;

struct TrackFiles : ::testing::Test {
  platform::HeadlessPlatform p{false};
  Game g{p};
  void SetUp() override { g.Temponaere_Daten.assign(Game::kLineSlots, u""); }
};

TEST_F(TrackFiles, ReadsEveryLineByPosition) {
  test_support::TrackSpec spec = test_support::track();
  spec.data_lines = {"  2000abc", "1000", "1500.5", "1,5", "2.5e2", "-5", "$ff", "%101", "+", "", "7", "2",
                     "10", "20", "30", "40", ""};
  GameDir dir({spec});
  read_track_data(g, u"oval");
  EXPECT_EQ(g.mapwidth, 2000);
  EXPECT_EQ(g.mapheight, 1000);
  EXPECT_EQ(g.player_x, 1500.5f);
  EXPECT_EQ(g.player_y, 1.0f);
  EXPECT_EQ(g.Winkel, 250.0f);
  EXPECT_EQ(g.Area, (std::array<int, 6>{-5, 255, 5, 0, 0, 7}));
  EXPECT_EQ(g.ReifenAnzahl, 2);
  EXPECT_EQ(g.ReifenKoordinate, (std::vector<int>{0, 10, 20, 30, 40}));
  EXPECT_EQ(g.Beste_Zeit, 0.0f);
}

TEST_F(TrackFiles, NoBarriersMakeLineThirteenTheBestTime) {
  test_support::TrackSpec spec = test_support::track();
  auto lines = GameDir::default_data(1000, 800);
  lines.resize(11);
  lines.push_back("0");
  lines.push_back(low_bytes(best_time_line(g, 61.234f)));
  spec.data_lines = lines;
  GameDir dir({spec});
  read_track_data(g, u"oval");
  EXPECT_EQ(g.ReifenKoordinate.size(), 1u);
  EXPECT_EQ(g.Beste_Zeit, 61.234f);
}

TEST_F(TrackFiles, RejectsDataTheGridOrTheLineBufferCannotHold) {
  const struct {
    int line;  // 0-based line to replace
    std::string value;
    std::string problem;
  } cases[] = {
      {0, "5200", "line 1: width 5200 is outside 0 ... 5199"},
      {1, "-1", "line 2: height -1 is outside 0 ... 5199"},
      {11, "-1", "line 12: -1 barriers, the file holds 0 ... 993"},
      {11, "994", "line 12: 994 barriers, the file holds 0 ... 993"},
  };
  for (const auto& c : cases) {
    test_support::TrackSpec spec = test_support::track();
    spec.data_lines = GameDir::default_data(1000, 800);
    spec.data_lines[std::size_t(c.line)] = c.value;
    GameDir dir({spec});
    try {
      read_track_data(g, u"oval");
      ADD_FAILURE() << c.problem;
    } catch (const platform::FileError& error) {
      EXPECT_EQ(error.path(), "maps/oval/data.txt");
      EXPECT_EQ(error.problem(), c.problem);
    }
  }
}

TEST_F(TrackFiles, GridFillPlacesTilesBehindFourFillerCells) {
  struct Case {
    int width, height, last_column, last_row;
  };
  for (const Case& c : {Case{2000, 1000, 34, 29}, Case{1999, 1000, 33, 29}, Case{5199, 400, 49, 26}}) {
    test_support::TrackSpec spec = test_support::track();
    spec.width = c.width;
    spec.height = c.height;
    GameDir dir({spec});
    for (auto& column : g.Map) column.fill(nullptr);
    read_track_data(g, u"oval");
    fill_tile_grid(g, u"oval");
    for (int column = 0; column < Game::kGridSize; ++column)
      for (int row = 0; row < Game::kGridSize; ++row) {
        const auto& cell = g.Map[std::size_t(column)][std::size_t(row)];
        const bool filled = column <= c.last_column && row <= c.last_row;
        ASSERT_EQ(cell != nullptr, filled) << c.width << ": " << column << "," << row;
        if (!filled) continue;
        const bool tile = column >= 4 && column <= c.width / 200 + 3 && row >= 4 && row <= c.height / 200 + 3;
        char expected[40];
        std::snprintf(expected, sizeof expected, "maps/oval/map2-%02d-%02d.jpg", column - 4, row - 4);
        ASSERT_EQ(cell->path, tile ? expected : "maps/oval/default.jpg") << column << "," << row;
      }
    // One decoded filler picture serves every filler cell.
    EXPECT_EQ(g.Map[0][0], g.Map[c.last_column][c.last_row]);
  }
}

TEST_F(TrackFiles, AMissingTileNamesItsFile) {
  GameDir dir({test_support::track()});
  std::filesystem::remove("maps/oval/map2-01-02.jpg");
  read_track_data(g, u"oval");
  try {
    fill_tile_grid(g, u"oval");
    FAIL();
  } catch (const platform::FileError& error) {
    EXPECT_EQ(error.path(), "maps/oval/map2-01-02.jpg");
  }
}

TEST_F(TrackFiles, SaveBackKeepsAllButTheLastLineAndWritesCrLf) {
  test_support::TrackSpec spec = test_support::track();
  GameDir dir({spec});
  std::string lf_file;
  for (const std::string& line : GameDir::default_data(1000, 800)) lf_file += line + "\n";
  dir.write("maps/oval/data.txt", lf_file);
  read_track_data(g, u"oval");

  save_best_time(g, u"oval");
  std::string expected;
  const auto lines = GameDir::default_data(1000, 800);
  for (std::size_t n = 0; n + 1 < lines.size(); ++n) expected += lines[n] + "\r\n";
  const std::string stored_zero = low_bytes(best_time_line(g, 0));
  EXPECT_EQ(dir.read("maps/oval/data.txt"), expected + stored_zero + "\r\n");

  // Without its empty best-time line the file still keeps every barrier corner.
  lf_file.resize(lf_file.size() - 1);
  dir.write("maps/oval/data.txt", lf_file);
  save_best_time(g, u"oval");
  EXPECT_EQ(dir.read("maps/oval/data.txt"), expected + stored_zero + "\r\n");

  g.Beste_Zeit = 42.125f;  // a second save replaces only the best-time line
  save_best_time(g, u"oval");
  read_track_data(g, u"oval");
  EXPECT_EQ(g.Beste_Zeit, 42.125f);
  EXPECT_EQ(g.ReifenAnzahl, 1);
}

TEST_F(TrackFiles, AFailedSaveLeavesTheOldFileAsItWas) {
  GameDir dir({test_support::track()});
  g.Beste_Zeit = 30.5f;
  save_best_time(g, u"oval");
  const std::string before = dir.read("maps/oval/data.txt");
  g.Beste_Zeit = 12.75f;
  platform::fail_next_write_after(20);
  EXPECT_THROW(save_best_time(g, u"oval"), platform::FileError);
  EXPECT_EQ(dir.read("maps/oval/data.txt"), before);

  std::string too_long;
  for (int n = 0; n < 2000; ++n) too_long += "1\r\n";
  dir.write("maps/oval/data.txt", too_long);
  EXPECT_THROW(save_best_time(g, u"oval"), platform::FileError);
  EXPECT_EQ(dir.read("maps/oval/data.txt"), too_long);
}

}  // namespace
