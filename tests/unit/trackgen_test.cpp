// The track generator and the track-folder writer: circuits a car can race as the
// game counts laps, and folders the game loads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <tuple>

#include "game/race/laps.h"
#include "platform/file_error.h"
#include "platform/pictures.h"
#include "track_folder/track_folder.h"
#include "trackgen/bundle.h"
#include "trackgen/circuit.h"
#include "trackgen/furniture.h"
#include "trackgen/generate.h"

namespace trackgen {
// Names the circuit in test failures instead of dumping its bytes.
void PrintTo(const TrackParams& params, std::ostream* out) {
  *out << "seed " << params.seed << ", " << params.width << " x " << params.height << ", style " << int(params.style);
}
}  // namespace trackgen

namespace fs = std::filesystem;
using track_folder::Corner;
using trackgen::Circuit;
using trackgen::Style;
using trackgen::TrackParams;
using trackgen::Vec2;

namespace {

constexpr int kCarBox = 16;
constexpr int kSquare = track_folder::kSquareSize;

double distance_to_segment(Vec2 p, Vec2 a, Vec2 b) {
  const Vec2 ab = b - a;
  const double t = std::clamp(trackgen::dot(p - a, ab) / trackgen::dot(ab, ab), 0.0, 1.0);
  return trackgen::length(p - (a + ab * t));
}

double distance_to_line(const trackgen::CentreLine& line, Vec2 p) {
  double nearest = 1e30;
  for (std::size_t k = 0; k < line.points.size(); ++k) {
    nearest = std::min(nearest, distance_to_segment(p, line.points[k], line.points[(k + 1) % line.points.size()]));
  }
  return nearest;
}

double arc_length_of_nearest(const trackgen::CentreLine& line, Vec2 p) {
  double best = 1e30;
  double at = 0;
  for (double s = 0; s < line.length; s += 0.5) {
    const double d = trackgen::length(line.point_at(s) - p);
    if (d < best) {
      best = d;
      at = s;
    }
  }
  return at;
}

// The game's car box around a car centre at (x, y) overlaps a box at `corner`.
bool car_touches(Vec2 car, Corner corner, int size) {
  const int left = int(car.x) - kCarBox / 2;
  const int top = int(car.y) - kCarBox / 2;
  return RectsOverlap(left, top, kCarBox, kCarBox, corner.x, corner.y, size, size) == 1;
}

// Circuits are quick to make but asked for by many tests.
const Circuit& circuit_for(const TrackParams& params) {
  static std::map<std::tuple<std::uint64_t, int, int, Style>, Circuit> made;
  const auto key = std::make_tuple(params.seed, params.width, params.height, params.style);
  auto found = made.find(key);
  if (found == made.end()) found = made.emplace(key, trackgen::make_circuit(params)).first;
  return found->second;
}

// The bundled tracks and a few more shapes: square and lopsided pictures, tiny to largest.
std::vector<TrackParams> circuits_to_check() {
  std::vector<TrackParams> all;
  for (const trackgen::BundledTrack& track : trackgen::kBundledTracks) all.push_back(track.params);
  all.push_back({1, 1400, 1400, Style::twisty});  // hardly room for the start straight
  all.push_back({2, 5000, 1800, Style::flowing});
  all.push_back({3, 1800, 5000, Style::hairpins});
  all.push_back({4, 5000, 5000, Style::twisty});
  return all;
}

std::string circuit_name(const testing::TestParamInfo<TrackParams>& info) {
  const char* styles[] = {"twisty", "flowing", "hairpins"};
  return std::string(styles[int(info.param.style)]) + "_" + std::to_string(info.param.width) + "x" +
         std::to_string(info.param.height) + "_seed" + std::to_string(info.param.seed);
}

class CircuitTest : public testing::TestWithParam<TrackParams> {
 protected:
  const Circuit& circuit() const { return circuit_for(GetParam()); }
  const trackgen::CentreLine& line() const { return circuit().line; }
  const track_folder::TrackLayout& layout() const { return circuit().layout; }
  Vec2 start() const { return {layout().start_x, layout().start_y}; }
};

TEST_P(CircuitTest, CarStartsOnTheRoadInsideTheStartSquareFacingTheWayRound) {
  EXPECT_LT(distance_to_line(line(), start()), 0.5);
  const Corner square = layout().squares[0];
  EXPECT_GE(start().x - kCarBox / 2, square.x);
  EXPECT_LE(start().x + kCarBox / 2, square.x + kSquare);
  EXPECT_GE(start().y - kCarBox / 2, square.y);
  EXPECT_LE(start().y + kCarBox / 2, square.y + kSquare);

  // One frame of the game moves the car by (-sin W, cos W) times its speed.
  const double radians = layout().start_heading * 3.14159265358979323846 / 180;
  const Vec2 heading{-std::sin(radians), std::cos(radians)};
  const double at = arc_length_of_nearest(line(), start());
  EXPECT_GT(trackgen::dot(heading, line().direction_at(at)), 0.999);
  EXPECT_GE(layout().start_heading, 0.0f);
  EXPECT_LT(layout().start_heading, 360.0f);
}

TEST_P(CircuitTest, DrivingOneLapFromTheStartCountsSquaresOneTwoThreeOne) {
  // The game's order rule: only the expected square counts, then the next one is expected.
  std::vector<int> counted;
  int expected = 1;
  const double from = arc_length_of_nearest(line(), start());
  for (double s = 0; s <= line().length; s += 2) {
    if (car_touches(line().point_at(from + s), layout().squares[std::size_t(expected - 1)], kSquare)) {
      counted.push_back(expected);
      expected = expected % 3 + 1;
    }
  }
  EXPECT_EQ(counted, (std::vector<int>{1, 2, 3, 1}));
}

TEST_P(CircuitTest, SquaresAreCentredOnTheRoadInsideThePicture) {
  for (const Corner& square : layout().squares) {
    EXPECT_LT(distance_to_line(line(), Vec2{square.x + kSquare / 2.0, square.y + kSquare / 2.0}), 1.0);
    EXPECT_GE(square.x, 0);
    EXPECT_GE(square.y, 0);
    EXPECT_LE(square.x + kSquare, GetParam().width);
    EXPECT_LE(square.y + kSquare, GetParam().height);
  }
}

TEST_P(CircuitTest, BarriersStandOffTheRoadWhereNoCarOnTheCentreLineTouchesThem) {
  for (const Corner& barrier : layout().barriers) {
    const Vec2 centre{barrier.x + trackgen::kTyreSize / 2.0, barrier.y + trackgen::kTyreSize / 2.0};
    double nearest = 1e30;
    for (const Vec2& p : line().points) {
      nearest = std::min(nearest, trackgen::distance_to_box(p, centre, trackgen::kTyreSize / 2.0));
    }
    EXPECT_GT(nearest, trackgen::kHalfWidth) << "barrier at " << barrier.x << ", " << barrier.y << " is on the road";
  }
  for (double s = 0; s < line().length; s += 2) {
    for (const Corner& barrier : layout().barriers) {
      ASSERT_FALSE(car_touches(line().point_at(s), barrier, trackgen::kTyreSize))
          << "barrier at " << barrier.x << ", " << barrier.y << " blocks the centre line";
    }
  }
}

TEST_P(CircuitTest, NoBendIsTighterThanTheLimit) {
  // Three points of the centre line define a circle; on a bend its radius is the bend's.
  const std::vector<Vec2>& p = line().points;
  const std::size_t n = p.size();
  double tightest = 1e30;
  for (std::size_t i = 0; i < n; ++i) {
    const Vec2 a = p[(i + n - 3) % n], b = p[i], c = p[(i + 3) % n];
    const double twice_area = std::abs(trackgen::cross(b - a, c - a));
    if (twice_area < 1e-6) continue;  // straight
    const double sides = trackgen::length(b - a) * trackgen::length(c - b) * trackgen::length(a - c);
    tightest = std::min(tightest, sides / (2 * twice_area));
  }
  EXPECT_GE(tightest, trackgen::kMinRadius - 0.5);
}

TEST_P(CircuitTest, KeepsClearOfThePictureEdgeAndOfItself) {
  const double keep = 150 + trackgen::kHalfWidth;
  for (const Vec2& p : line().points) {
    ASSERT_GE(std::min({p.x, p.y, GetParam().width - p.x, GetParam().height - p.y}), keep);
  }
  for (const Corner& barrier : layout().barriers) {
    EXPECT_GE(std::min({barrier.x, barrier.y, GetParam().width - barrier.x - trackgen::kTyreSize,
                        GetParam().height - barrier.y - trackgen::kTyreSize}),
              150);
  }
  // Stretches far apart along the lap never come near each other: no crossing, no touching.
  const std::size_t n = line().points.size();
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (trackgen::lap_distance(line().s[i], line().s[j], line().length) < 600) continue;
      ASSERT_GE(trackgen::length(line().points[i] - line().points[j]), 2 * trackgen::kHalfWidth + 100);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Circuits, CircuitTest, testing::ValuesIn(circuits_to_check()), circuit_name);

TEST(BundledTracks, EveryTrackHasTyreBarriersAndFitsTheGame) {
  for (const trackgen::BundledTrack& track : trackgen::kBundledTracks) {
    EXPECT_FALSE(circuit_for(track.params).layout.barriers.empty()) << track.folder;
    EXPECT_LE(track.params.width, 5000) << track.folder;
    EXPECT_LE(track.params.height, 5000) << track.folder;
  }
}

TEST(Circuits, DifferentSeedsGiveDifferentCircuits) {
  const Circuit& one = circuit_for({1, 1800, 1800, Style::twisty});
  const Circuit& other = circuit_for({5, 1800, 1800, Style::twisty});
  EXPECT_NE(one.line.length, other.line.length);
}

// ---- the track folder ----

class TrackFolderTest : public testing::Test {
 protected:
  TrackFolderTest()
      : dir_(fs::temp_directory_path() / ("kurvenjagd-trackgen-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(dir_);
  }
  ~TrackFolderTest() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  std::string read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }

  // A filler whose colour tells where in it a pixel came from.
  static platform::Pixels gradient_filler() {
    platform::Pixels filler(200, 200);
    for (int y = 0; y < 200; ++y) {
      for (int x = 0; x < 200; ++x) {
        std::uint8_t* p = filler.at(x, y);
        p[0] = std::uint8_t(40 + x);
        p[1] = std::uint8_t(40 + y);
        p[2] = 120;
        p[3] = 255;
      }
    }
    return filler;
  }
  static platform::Pixels plain(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    platform::Pixels pixels(width, height);
    for (std::size_t i = 0; i < pixels.rgba.size(); i += 4) {
      pixels.rgba[i] = r;
      pixels.rgba[i + 1] = g;
      pixels.rgba[i + 2] = b;
      pixels.rgba[i + 3] = 255;
    }
    return pixels;
  }
  static track_folder::TrackLayout small_layout() {
    track_folder::TrackLayout layout;
    layout.start_x = 100.5f;
    layout.start_y = 50.25f;
    layout.start_heading = 270;
    layout.squares = {Corner{10, 20}, Corner{300, 40}, Corner{150, 60}};
    layout.barriers = {Corner{5, 6}, Corner{420, 200}};
    return layout;
  }
  void write_small_track(bool keep_existing_data) const {
    track_folder::write_track_folder(dir_.string(), plain(450, 230, 200, 40, 40), gradient_filler(),
                                     plain(28, 28, 30, 30, 30), small_layout(), keep_existing_data);
  }

  fs::path dir_;
};

void expect_colour_near(const platform::Pixels& pixels, int x, int y, int r, int g, int b) {
  const std::uint8_t* p = pixels.at(x, y);
  EXPECT_NEAR(p[0], r, 8) << "at " << x << ", " << y;
  EXPECT_NEAR(p[1], g, 8) << "at " << x << ", " << y;
  EXPECT_NEAR(p[2], b, 8) << "at " << x << ", " << y;
}

TEST(TrackFolder, TileNamesHaveAtLeastTwoDigits) {
  EXPECT_EQ(track_folder::tile_file_name(0, 0), "map2-00-00.jpg");
  EXPECT_EQ(track_folder::tile_file_name(9, 10), "map2-09-10.jpg");
  EXPECT_EQ(track_folder::tile_file_name(24, 3), "map2-24-03.jpg");
}

TEST_F(TrackFolderTest, CutsEveryTileTouchingThePictureAndPadsWithTheFiller) {
  write_small_track(false);
  std::vector<std::string> tiles;
  for (const auto& entry : fs::directory_iterator(dir_)) {
    if (entry.path().filename().string().rfind("map2-", 0) == 0) tiles.push_back(entry.path().filename().string());
  }
  std::sort(tiles.begin(), tiles.end());
  EXPECT_EQ(tiles, (std::vector<std::string>{"map2-00-00.jpg", "map2-00-01.jpg", "map2-01-00.jpg", "map2-01-01.jpg",
                                             "map2-02-00.jpg", "map2-02-01.jpg"}));

  // The corner tile holds picture pixels 400 ... 449 x 200 ... 229; the rest is filler,
  // placed as the filler cells beside it in the game's grid continue it.
  const platform::Pixels corner = platform::decode_picture(path("map2-02-01.jpg"));
  ASSERT_EQ(corner.width, 200);
  ASSERT_EQ(corner.height, 200);
  expect_colour_near(corner, 20, 10, 200, 40, 40);
  expect_colour_near(corner, 120, 10, 40 + 120, 40 + 10, 120);
  expect_colour_near(corner, 20, 150, 40 + 20, 40 + 150, 120);
  expect_colour_near(corner, 190, 190, 40 + 190, 40 + 190, 120);

  const platform::Pixels filler = platform::decode_picture(path("default.jpg"));
  EXPECT_EQ(filler.width, 200);
  expect_colour_near(filler, 60, 70, 100, 110, 120);
  const platform::Pixels preview = platform::decode_picture(path("map_mini.jpg"));
  EXPECT_EQ(preview.width, track_folder::kPreviewSize);
  EXPECT_EQ(preview.height, track_folder::kPreviewSize);
  const platform::Pixels tyre = platform::decode_picture(path("collision.png"));
  EXPECT_TRUE(tyre.has_alpha);
  EXPECT_EQ(tyre.width, 28);
}

TEST_F(TrackFolderTest, DataFileHoldsWorldPointsAndTheSizeInWholeTiles) {
  write_small_track(false);
  EXPECT_EQ(read("data.txt"),
            "600\r\n400\r\n"             // 450 x 230 rounded up to 3 x 2 tiles
            "388.5\r\n466.25\r\n270\r\n"  // car start: picture point + (288, 416)
            "298\r\n436\r\n588\r\n456\r\n438\r\n476\r\n"
            "2\r\n293\r\n422\r\n708\r\n616\r\n"
            "\r\n");  // no best time yet
}

TEST_F(TrackFolderTest, KeepsAnExistingDataFileOnlyWhenAsked) {
  write("data.txt", "best time of the player\r\n");
  write_small_track(true);
  EXPECT_EQ(read("data.txt"), "best time of the player\r\n");
  EXPECT_TRUE(fs::exists(path("map2-00-00.jpg")));
  write_small_track(false);
  EXPECT_EQ(read("data.txt").substr(0, 5), "600\r\n");
}

TEST_F(TrackFolderTest, NoPixelDecodesToTheGamesTransparentBlack) {
  // Pure black and hard black-white edges, where JPEG ringing dips below the colour.
  platform::Pixels circuit = plain(400, 200, 0, 0, 0);
  for (int y = 0; y < 200; ++y) {
    for (int x = 200; x < 400; ++x) {
      if ((x / 2 + y / 2) % 2 == 0) std::fill_n(circuit.at(x, y), 3, std::uint8_t(255));
    }
  }
  track_folder::write_track_folder(dir_.string(), circuit, plain(200, 200, 0, 0, 0), plain(28, 28, 0, 0, 0),
                                   small_layout(), false);
  for (const char* name : {"map2-00-00.jpg", "map2-01-00.jpg", "default.jpg", "map_mini.jpg"}) {
    const platform::Pixels pixels = platform::decode_picture(path(name));
    for (std::size_t i = 0; i < pixels.rgba.size(); i += 4) {
      ASSERT_FALSE(pixels.rgba[i] == 0 && pixels.rgba[i + 1] == 0 && pixels.rgba[i + 2] == 0) << name;
    }
  }
}

TEST_F(TrackFolderTest, RefusesWhatTheGameCannotHold) {
  struct Case {
    const char* what;
    platform::Pixels circuit;
    platform::Pixels filler;
    std::size_t barriers;
  };
  const Case cases[] = {
      {"one pixel wider than 25 tiles", plain(5001, 10, 90, 90, 90), gradient_filler(), 0},
      {"one pixel taller than 25 tiles", plain(10, 5001, 90, 90, 90), gradient_filler(), 0},
      {"a filler that is not one tile", plain(300, 300, 90, 90, 90), plain(100, 200, 0, 90, 0), 0},
      {"more barriers than the best-time rewrite holds", plain(300, 300, 90, 90, 90), gradient_filler(), 994},
  };
  for (const Case& c : cases) {
    track_folder::TrackLayout layout = small_layout();
    layout.barriers.assign(c.barriers, Corner{1, 1});
    EXPECT_THROW(track_folder::write_track_folder(path("refused"), c.circuit, c.filler, plain(28, 28, 9, 9, 9),
                                                  layout, false),
                 platform::FileError)
        << c.what;
  }
  EXPECT_FALSE(fs::exists(path("refused/data.txt")));
}

// ---- generating ----

TEST_F(TrackFolderTest, SameSeedGivesTheSameBytes) {
  const TrackParams params{5, 1400, 1400, Style::twisty};
  trackgen::generate_track(path("first"), params, false);
  trackgen::generate_track(path("second"), params, false);
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(path("first"))) {
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(read("first/" + name), read("second/" + name)) << name;
    ++files;
  }
  EXPECT_EQ(files, 7u * 7u + 4u);  // 1400 x 1400 is 7 x 7 tiles, then filler, barrier, preview, data
}

TEST_F(TrackFolderTest, BundleWritesTheCatalogueAndKeepsWhatThePlayerHas) {
  const trackgen::BundledTrack tracks[] = {
      {"eins", "Erste Strecke", {1, 1400, 1400, Style::twisty}},
      {"zwei", "Zweite Strecke", {2, 1400, 1400, Style::twisty}},
  };
  trackgen::write_bundle(dir_.string(), tracks);
  EXPECT_EQ(read("maps.txt"), "2\r\n40\r\neins\r\nErste Strecke\r\nzwei\r\nZweite Strecke\r\n");

  write("maps.txt", "3\r\n41\r\neins\r\nErste Strecke\r\nzwei\r\nZweite Strecke\r\neigene\r\nMeine\r\n");
  const std::string data = read("eins/data.txt");
  write("eins/data.txt", data + "best");
  fs::remove(path("zwei/map2-03-04.jpg"));
  trackgen::write_bundle(dir_.string(), tracks);
  EXPECT_EQ(read("maps.txt"), "3\r\n41\r\neins\r\nErste Strecke\r\nzwei\r\nZweite Strecke\r\neigene\r\nMeine\r\n");
  EXPECT_EQ(read("eins/data.txt"), data + "best");
  EXPECT_TRUE(fs::exists(path("zwei/map2-03-04.jpg")));
}

}  // namespace
