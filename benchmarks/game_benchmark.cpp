// Timings to rerun after a change: startup to the first menu frame, loading the largest
// bundled track, and one race frame. Run from the build folder: ./benchmarks/game_benchmark
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/race/play_game.h"
#include "game/race/track_loader.h"
#include "game/shell/menu.h"
#include "game/shell/startup.h"
#include "platform/headless_platform.h"

namespace {

// The build folder holds data/ and the bundled maps/.
struct InBuildFolder {
  InBuildFolder() { std::filesystem::current_path(KURVENJAGD_BINARY_DIR); }
};
const InBuildFolder in_build_folder;

void StartupToFirstMenuFrame(benchmark::State& state) {
  for (auto _ : state) {
    platform::HeadlessPlatform p;
    Game g(p);
    startup(g);
    draw_menu_frame(g);
    p.flip();
  }
}
BENCHMARK(StartupToFirstMenuFrame)->Unit(benchmark::kMillisecond);

void LoadLargestBundledTrack(benchmark::State& state) {
  platform::HeadlessPlatform p(false);
  Game g(p);
  for (auto _ : state) {
    read_track_data(g, u"alpenschleife");
    fill_tile_grid(g, u"alpenschleife");
    load_barrier_picture(g, u"alpenschleife");
  }
}
BENCHMARK(LoadLargestBundledTrack)->Unit(benchmark::kMillisecond);

void RaceFrame(benchmark::State& state) {
  platform::HeadlessPlatform p(state.range(0) != 0);
  Game g(p);
  startup(g);
  read_track_data(g, u"waldring");
  fill_tile_grid(g, u"waldring");
  load_barrier_picture(g, u"waldring");
  p.press_key(38);
  for (auto _ : state) race_frame_work(g);
}
BENCHMARK(RaceFrame)->Arg(0)->Arg(1)->ArgName("rasterise")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
