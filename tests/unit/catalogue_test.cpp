// Reading maps/maps.txt: counts, the lock rule, names as they stand, and bad catalogues.
#include <gtest/gtest.h>

#include "game/shell/catalogue.h"
#include "platform/file_error.h"
#include "platform/headless_platform.h"
#include "support/game_dir.h"

namespace {

using test_support::GameDir;
using test_support::track;

struct CatalogueTest : ::testing::Test {
  platform::HeadlessPlatform p{false};
  Game g{p};
};

TEST_F(CatalogueTest, LineTwoMinusThirtyEightUnlocksTheFirstTracks) {
  struct Case {
    std::string line2;
    int unlocked;
    std::vector<int> locked;
  };
  const Case cases[] = {{"38", 0, {0, 1, 1, 1}},   {"39", 1, {0, 0, 1, 1}},  {"41", 3, {0, 0, 0, 0}},
                        {"99", 61, {0, 0, 0, 0}},  {"", -38, {0, 1, 1, 1}},  {"abc", -38, {0, 1, 1, 1}},
                        {"$28", 2, {0, 0, 0, 1}}};
  for (const Case& c : cases) {
    GameDir dir({track("a"), track("b"), track("c")});
    dir.write("maps/maps.txt", "3\r\n" + c.line2 + "\r\na\r\nA\r\nb\r\nB\r\nc\r\nC\r\n");
    read_catalogue(g);
    EXPECT_EQ(g.MapFreigeschaltet, c.unlocked) << c.line2;
    EXPECT_EQ(g.MapGesperrt, c.locked) << c.line2;
  }
}

TEST_F(CatalogueTest, NamesAreTakenAsTheyStand) {
  GameDir dir({track("wald ", "x")});
  // CR LF or LF, a trailing space in a folder name, ISO 8859-1 bytes, extra lines.
  dir.write("maps/maps.txt", "1\n40\r\nwald \r\nNordschleife \xE4\xF6\xFC\xDF\r\nextra\r\nlines\n");
  read_catalogue(g);
  EXPECT_EQ(g.MapAnzahl, 1);
  EXPECT_EQ(g.MapOrdnerName[1], u"wald ");
  EXPECT_EQ(g.MapName[1], u"Nordschleife \u00e4\u00f6\u00fc\u00df");
  ASSERT_NE(g.MapVorschau[1], nullptr);
  EXPECT_EQ(g.MapVorschau[1]->path, "maps/wald /map_mini.jpg");
}

TEST_F(CatalogueTest, FewerTracksThanAnnouncedKeepsThoseListed) {
  GameDir dir({track("a"), track("b")});
  dir.write("maps/maps.txt", "5\r\n40\r\na\r\nA\r\nb\r\nB\r\n");
  read_catalogue(g);
  EXPECT_EQ(g.MapAnzahl, 2);
  EXPECT_EQ(g.MapName.size(), 3u);
}

TEST_F(CatalogueTest, UnusableCataloguesStopWithTheFileNamed) {
  for (const char* content : {"0\r\n40\r\n", "-2\r\n40\r\n", "", "2\r\n40\r\n"}) {
    GameDir dir({track()});
    dir.write("maps/maps.txt", content);
    try {
      read_catalogue(g);
      ADD_FAILURE() << content;
    } catch (const platform::FileError& error) {
      EXPECT_EQ(error.path(), "maps/maps.txt");
    }
  }
  GameDir dir({track()});
  std::filesystem::remove("maps/maps.txt");
  EXPECT_THROW(read_catalogue(g), platform::FileError);
}

}  // namespace
