// kurvenjagd-track: a track built from a picture races like any other, check finds what
// would stop the game, --add-to leaves the rest of the catalogue alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "game/state/text_rules.h"
#include "platform/file_error.h"
#include "platform/pictures.h"
#include "replay/replay.h"
#include "support/autopilot.h"
#include "support/game_dir.h"
#include "trackkit/build.h"
#include "trackkit/catalogue_file.h"
#include "trackkit/check.h"
#include "trackkit/cli.h"
#include "trackkit/latin1_names.h"

namespace {

namespace fs = std::filesystem;

struct KitRun {
  int status;
  std::string out;
  std::string err;
};

KitRun kit(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = trackkit::run_command(args, out, err);
  return {status, out.str(), err.str()};
}

// A circuit picture: grass with a grey square of road, so tiles differ.
void write_circuit_picture(const std::string& path, int width, int height) {
  platform::Pixels picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool road = x > width / 8 && x < width * 7 / 8 && y > height / 8 && y < height * 7 / 8;
      std::uint8_t* p = picture.at(x, y);
      p[0] = road ? 90 : 50;
      p[1] = road ? 90 : 120;
      p[2] = road ? 95 : 40;
      p[3] = 255;
    }
  platform::write_png(path, picture);
}

void write_file(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The line of `text` that starts with `start`, or nothing.
std::string line_starting(const std::string& text, const std::string& start) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind(start, 0) == 0) return line;
  return "";
}

std::string all_text(const std::vector<trackkit::Problem>& problems) {
  std::string text;
  for (const trackkit::Problem& problem : problems) text += trackkit::problem_text(problem) + "\n";
  return text;
}

TEST(TrackKit, BuiltTrackChecksCleanRacesLapsAndListsItsBestTime) {
  test_support::GameDir dir({}, 0);  // an empty catalogue that unlocks nothing
  // 1150 x 950: the last tile column and row are padded, so data.txt says 1200 x 1000.
  write_circuit_picture("kurs.png", 1150, 950);
  write_file("kurs.txt",
             "# start in the start/finish square, driving right\n"
             "start 175 475 270\n"
             "square 100 400\n"
             "square 500 50     # top\n"
             "square 900 750    # bottom right\n"
             "barrier 1100 20\n"
             "barrier 20 900\n"
             "filler-colour 50 120 40\n");
  const KitRun built =
      kit({"build", "kurs.png", "kurs.txt", "built/kurs", "--add-to", "maps", "--name", "Grüner Kurs"});
  ASSERT_EQ(built.status, 0) << built.err;
  EXPECT_EQ(dir.read("maps/maps.txt"), "1\r\n38\r\nkurs\r\nGr\xFCner Kurs\r\n");
  EXPECT_EQ(dir.read("maps/kurs/data.txt"),
            "1200\r\n1000\r\n463\r\n891\r\n270\r\n388\r\n816\r\n788\r\n466\r\n1188\r\n1166\r\n2\r\n1388\r\n436\r\n"
            "308\r\n1316\r\n\r\n");
  const platform::Pixels barrier = platform::decode_picture("maps/kurs/collision.png");
  EXPECT_EQ(barrier.width, trackkit::kDefaultBarrierSize);

  const KitRun clean = kit({"check", "maps"});
  EXPECT_EQ(clean.status, 0) << clean.out;

  const test_support::RecordedLaps laps = test_support::record_laps(3);
  ASSERT_EQ(laps.lap_end_flips.size(), 3u);
  ASSERT_GT(laps.best_time, 1.0f);
  replay::Options race;  // the recorded laps again, this time to the save-back
  race.game_dir = dir.root();
  race.script = laps.script;
  ASSERT_EQ(replay::run(race), 0);

  const KitRun times = kit({"times", "maps"});
  EXPECT_EQ(times.status, 0) << times.err;
  EXPECT_EQ(times.out, "Grüner Kurs  locked  " + low_bytes(GetFloat(laps.best_time, 3)) + "\n");
  const KitRun still_clean = kit({"check", "maps"});  // with the stored best time
  EXPECT_EQ(still_clean.status, 0) << still_clean.out;
}

// A scratch folder with maps/ holding one clean 400 x 400 track "kurs", built by the kit.
class MapsDir : public testing::Test {
 protected:
  MapsDir() : root_(fs::temp_directory_path() / ("kurvenjagd-trackkit-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(root_ / "maps");
    write_circuit_picture(path("kurs.png"), 400, 400);
    write_file(root_ / "kurs.txt", "start 200 200 270\nsquare 0 0\nsquare 250 0\nsquare 250 250\nbarrier 10 300\n");
    trackkit::build_track(path("kurs.png"), path("kurs.txt"), path("maps/kurs"));
    write_file(root_ / "maps/maps.txt", "1\r\n39\r\nkurs\r\nKurs\r\n");
  }
  ~MapsDir() override { fs::remove_all(root_); }

  std::string path(const std::string& relative) const { return (root_ / relative).string(); }

  // Replaces line `number` (from 1) of a CR LF file.
  void set_line(const std::string& relative, int number, const std::string& text) const {
    std::vector<std::string> lines;
    std::istringstream in(read_file(root_ / relative));
    for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.size() - 1));
    lines[std::size_t(number - 1)] = text;
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    write_file(root_ / relative, bytes);
  }

  fs::path root_;
};

TEST_F(MapsDir, CheckNamesEachProblemWithFileAndLine) {
  // data.txt of the clean track: 400, 400, start 488 616 270, squares 288 416 / 538 416 /
  // 538 666, 1 barrier at 298 716, then the empty best-time line 15.
  struct Case {
    const char* name;
    std::function<void()> spoil;
    std::string file;  // relative to maps/
    int line;
    std::string says;
  };
  const std::string picture_text = "not a picture";
  const Case cases[] = {
      {"no catalogue", [&] { fs::remove(path("maps/maps.txt")); }, "maps.txt", 0, "file not found"},
      {"no tracks", [&] { set_line("maps/maps.txt", 1, "0"); }, "maps.txt", 1, "at least one"},
      {"negative count", [&] { set_line("maps/maps.txt", 1, "-3"); }, "maps.txt", 1, "at least one"},
      {"fewer lines than announced", [&] { set_line("maps/maps.txt", 1, "2"); }, "maps.txt", 5, "ends after line 4"},
      {"no preview", [&] { fs::remove(path("maps/kurs/map_mini.jpg")); }, "kurs/map_mini.jpg", 0, "not found"},
      {"undecodable preview", [&] { write_file(path("maps/kurs/map_mini.jpg"), picture_text); }, "kurs/map_mini.jpg", 0,
       "not a PNG or JPEG"},
      {"no data.txt", [&] { fs::remove(path("maps/kurs/data.txt")); }, "kurs/data.txt", 0, "not found"},
      {"missing tile", [&] { fs::remove(path("maps/kurs/map2-01-01.jpg")); }, "kurs/map2-01-01.jpg", 0, "not found"},
      {"undecodable tile", [&] { write_file(path("maps/kurs/map2-00-01.jpg"), picture_text); }, "kurs/map2-00-01.jpg",
       0, "not a PNG or JPEG"},
      {"tile of the wrong size",
       [&] { test_support::write_solid_picture(path("maps/kurs/map2-01-00.jpg"), 200, 100, 9, 9, 9); },
       "kurs/map2-01-00.jpg", 0, "200 x 100 pixels"},
      {"filler of the wrong size",
       [&] { test_support::write_solid_picture(path("maps/kurs/default.jpg"), 100, 100, 9, 9, 9); }, "kurs/default.jpg",
       0, "100 x 100 pixels"},
      {"no filler", [&] { fs::remove(path("maps/kurs/default.jpg")); }, "kurs/default.jpg", 0, "not found"},
      {"undecodable barrier", [&] { write_file(path("maps/kurs/collision.png"), picture_text); }, "kurs/collision.png",
       0, "not a PNG or JPEG"},
      {"width past the grid", [&] { set_line("maps/kurs/data.txt", 1, "5200"); }, "kurs/data.txt", 1,
       "5200 is outside 0 ... 5199"},
      {"negative height", [&] { set_line("maps/kurs/data.txt", 2, "-200"); }, "kurs/data.txt", 2,
       "-200 is outside 0 ... 5199"},
      {"too many barriers", [&] { set_line("maps/kurs/data.txt", 12, "994"); }, "kurs/data.txt", 12,
       "994 is outside 0 ... 993"},
      {"negative barrier count", [&] { set_line("maps/kurs/data.txt", 12, "-1"); }, "kurs/data.txt", 12,
       "-1 is outside 0 ... 993"},
      {"start left of the picture", [&] { set_line("maps/kurs/data.txt", 3, "287.5"); }, "kurs/data.txt", 3,
       "off the track picture"},
      {"start just below the picture", [&] { set_line("maps/kurs/data.txt", 4, "816"); }, "kurs/data.txt", 3,
       "off the track picture"},
      {"square past the right edge", [&] { set_line("maps/kurs/data.txt", 8, "539"); }, "kurs/data.txt", 8,
       "square 2 at (539, 416) reaches off"},
      {"square above the picture", [&] { set_line("maps/kurs/data.txt", 11, "415"); }, "kurs/data.txt", 10,
       "square 3 at (538, 415) reaches off"},
      {"best time that is no number", [&] { set_line("maps/kurs/data.txt", 15, "abc"); }, "kurs/data.txt", 15,
       "does not decipher to a number"},
      {"coordinate with text after it", [&] { set_line("maps/kurs/data.txt", 6, "288abc"); }, "kurs/data.txt", 6,
       "\"288abc\" is not a whole number"},
      {"heading that is no number", [&] { set_line("maps/kurs/data.txt", 5, "90 deg"); }, "kurs/data.txt", 5,
       "\"90 deg\" is not a number"},
  };
  ASSERT_TRUE(trackkit::check_maps(path("maps")).empty());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.spoil();
    const std::vector<trackkit::Problem> problems = trackkit::check_maps(path("maps"));
    ASSERT_EQ(problems.size(), 1u) << all_text(problems);
    EXPECT_EQ(problems[0].file, path("maps/" + c.file));
    EXPECT_EQ(problems[0].line, c.line);
    EXPECT_TRUE(contains(problems[0].what, c.says)) << problems[0].what;
    EXPECT_EQ(kit({"check", path("maps")}).status, 1);
    // Mend what the case spoiled: a fresh track folder and catalogue.
    fs::remove_all(path("maps/kurs"));
    trackkit::build_track(path("kurs.png"), path("kurs.txt"), path("maps/kurs"));
    write_file(root_ / "maps/maps.txt", "1\r\n39\r\nkurs\r\nKurs\r\n");
  }
}

TEST(TrackKit, CheckPassesEveryBundledTrack) {
  const std::string maps = test_support::bundled_track("").parent_path().string();
  EXPECT_EQ(all_text(trackkit::check_maps(maps)), "");
  const KitRun times = kit({"times", maps});
  EXPECT_EQ(times.status, 0) << times.err;
  EXPECT_TRUE(contains(line_starting(times.out, "Waldring "), " open ")) << times.out;
  EXPECT_TRUE(contains(line_starting(times.out, "Alpenschleife "), " locked ")) << times.out;
}

TEST_F(MapsDir, AddingATrackRaisesTheCountAndKeepsEveryOtherByte) {
  struct Case {
    std::string before, after;
  };
  const Case cases[] = {
      {"1\r\n39\r\nkurs\r\nKurs\r\n", "2\r\n39\r\nkurs\r\nKurs\r\nneu\r\nNeu\r\n"},
      // LF lines stay LF, lines after the last listed track stay after the new one.
      {"1\n40\nkurs\nKurs\nmy notes\n", "2\n40\nkurs\nKurs\nneu\r\nNeu\r\nmy notes\n"},
      {"1\r\n39\r\nkurs\r\nKurs", "2\r\n39\r\nkurs\r\nKurs\r\nneu\r\nNeu\r\n"},  // no line end at the end
      {"0\r\n38\r\n", "1\r\n38\r\nneu\r\nNeu\r\n"},
  };
  for (const Case& c : cases) {
    write_file(root_ / "maps/maps.txt", c.before);
    EXPECT_EQ(trackkit::catalogue_with_track(path("maps"), "neu", "Neu"), c.after) << c.before;
  }
  for (const char* refused : {"2\r\n39\r\nkurs\r\nKurs\r\n", "1\r\n39\r\nneu\r\nNeu\r\n", "-1\r\n39\r\n"}) {
    write_file(root_ / "maps/maps.txt", refused);
    EXPECT_THROW(trackkit::catalogue_with_track(path("maps"), "neu", "Neu"), platform::FileError) << refused;
  }
}

TEST_F(MapsDir, AddToRefusesATakenFolderBeforeBuildingAnything) {
  const std::string catalogue = read_file(root_ / "maps/maps.txt");
  fs::create_directories(root_ / "out");
  const KitRun taken = kit({"build", path("kurs.png"), path("kurs.txt"), path("out/kurs"), "--add-to", path("maps"),
                            "--name", "Noch einer"});
  EXPECT_EQ(taken.status, 1);
  EXPECT_TRUE(contains(taken.err, "already exists")) << taken.err;
  EXPECT_FALSE(fs::exists(root_ / "out/kurs"));
  EXPECT_EQ(read_file(root_ / "maps/maps.txt"), catalogue);
  // Built straight into the maps folder, a track is listed without a copy.
  const KitRun in_place = kit({"build", path("kurs.png"), path("kurs.txt"), path("maps/zweiter/"), "--add-to",
                               path("maps"), "--name", "Zweiter"});
  EXPECT_EQ(in_place.status, 0) << in_place.err;
  EXPECT_EQ(read_file(root_ / "maps/maps.txt"), "2\r\n39\r\nkurs\r\nKurs\r\nzweiter\r\nZweiter\r\n");
  EXPECT_TRUE(trackkit::check_maps(path("maps")).empty());
}

TEST_F(MapsDir, BuildRefusesDescriptionsItCannotPlace) {
  struct Case {
    std::string description;
    std::string says;
  };
  const std::string squares = "square 0 0\nsquare 250 0\nsquare 250 250\n";
  const Case cases[] = {
      {squares, "no \"start X Y HEADING\" line"},
      {"start 200 200 270\nsquare 0 0\nsquare 250 0\n", "2 \"square\" lines"},
      {"start 200 200 270\n" + squares + "square 9 9\n", "line 5: a fourth \"square\""},
      {"start 200 200\n" + squares, "line 1: \"start\" takes X Y HEADING"},
      {"start 200 2OO 270\n" + squares, "line 1: \"2OO\" is not a number"},
      {"start 200 200 270\n" + squares + "barrier 1.5 2\n", "line 5: \"1.5\" is not a whole number"},
      {"start 200 200 270\n" + squares + "tyre 1 2\n", "line 5: unknown key \"tyre\""},
      {"start 200 200 270\n" + squares + "filler-colour 0 256 0\n", "colour values are 0 ... 255"},
      {"start 200 200 270\n" + squares + "filler-colour 0 0 0\nfiller-picture grass.jpg\n", "give one"},
      {"start 200 200 270\n" + squares + "filler-picture kurs.png\n", "it must be 200 x 200"},
      {"start 400 200 270\n" + squares, "the start (400, 200) is off the 400 x 400 picture"},
      {"start 200 200 270\nsquare 0 0\nsquare 251 0\nsquare 250 250\n", "the square at (251, 0) reaches past"},
  };
  for (const Case& c : cases) {
    write_file(root_ / "bad.txt", c.description);
    try {
      trackkit::build_track(path("kurs.png"), path("bad.txt"), path("out"));
      ADD_FAILURE() << c.description;
    } catch (const platform::FileError& error) {
      EXPECT_TRUE(contains(error.what(), c.says)) << error.what();
    }
    EXPECT_FALSE(fs::exists(root_ / "out"));
  }
}

TEST(TrackKit, DisplayNamesBecomeLatin1OrAreRefused) {
  EXPECT_EQ(trackkit::latin1_from_utf8("Grüne Hölle ß"), "Gr\xFCne H\xF6lle \xDF");
  EXPECT_EQ(trackkit::utf8_from_latin1("Gr\xFCne H\xF6lle \xDF"), "Grüne Hölle ß");
  for (const char* refused : {"", "5 €", "Ωmega", "broken \xC3", "overlong \xC1\xBF", "two\nlines"})
    EXPECT_THROW(trackkit::latin1_from_utf8(refused), std::invalid_argument) << refused;
}

TEST(TrackKit, BadUsageExitsWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"race"},
      {"check"},
      {"times", "a", "b"},
      {"build", "p.png", "d.txt"},
      {"build", "p.png", "d.txt", "out", "--add-to", "maps"},
      {"build", "p.png", "d.txt", "out", "--name", "X"},
      {"build", "p.png", "d.txt", "out", "--add-to", "maps", "--name", "5 €"},
  };
  for (const std::vector<std::string>& args : cases) {
    const KitRun run = kit(args);
    EXPECT_EQ(run.status, 2) << testing::PrintToString(args);
    EXPECT_TRUE(contains(run.err, "usage: kurvenjagd-track")) << run.err;
  }
}

}  // namespace
