// A frame, menu or race, allocates no memory: everything it draws was loaded before.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "game/race/play_game.h"
#include "game/race/track_loader.h"
#include "game/shell/menu.h"
#include "game/shell/startup.h"
#include "platform/headless_platform.h"
#include "support/game_dir.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KURVENJAGD_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KURVENJAGD_ASAN 1
#endif

#ifndef KURVENJAGD_ASAN  // the sanitizer brings its own allocator
namespace {
long allocations = 0;
}
void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

constexpr int kUp = 38, kLeft = 37, kEscape = 27;

TEST(FrameAllocation, MenuAndRaceFramesAllocateNothing) {
  test_support::GameDir dir({test_support::track()});
  platform::HeadlessPlatform p(false);
  Game g(p);
  startup(g);
  read_track_data(g, u"oval");
  fill_tile_grid(g, u"oval");
  load_barrier_picture(g, u"oval");
  g.Neustart = 1;
  p.press_key(kUp);
  auto race_frame = [&] {
    p.key_hit(kEscape);
    p.close_requested();
    race_frame_work(g);
    p.flip();
    p.wait_tick();
  };
  race_frame();  // the HUD's first running time

  allocations = 0;
  for (int frame = 0; frame < 600; ++frame) {
    if (frame == 100) p.press_key(kLeft);
    if (frame == 250) p.release_key(kLeft);
    race_frame();
  }
  EXPECT_EQ(allocations, 0);
  EXPECT_GT(g.Runde, 0);

  allocations = 0;
  for (int frame = 0; frame < 10; ++frame) {
    draw_menu_frame(g);
    p.flip();
    p.wait_tick();
  }
  EXPECT_EQ(allocations, 0);
}

}  // namespace
#endif
