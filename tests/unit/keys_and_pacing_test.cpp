// Key hits, flushes, the wait for any key, the close request and the flip schedule.
#include <gtest/gtest.h>

#include "platform/headless_platform.h"
#include "platform/key_script.h"

namespace {

using platform::HeadlessPlatform;
constexpr int kEscape = 27, kSpace = 32, kLeft = 37, kUp = 38, kA = 65;

TEST(Keys, HitsCountPressesSinceTheLastQueryAndIgnoreAutoRepeat) {
  HeadlessPlatform p(false);
  p.press_key(kLeft);
  p.press_key(kLeft);  // auto-repeat: still held, no new press
  p.release_key(kLeft);
  p.press_key(kLeft);
  EXPECT_EQ(p.key_hit(kLeft), 2);
  EXPECT_EQ(p.key_hit(kLeft), 0);
  EXPECT_TRUE(p.key_down(kLeft));
  EXPECT_FALSE(p.key_down(0));
  EXPECT_EQ(p.key_hit(300), 0);
}

TEST(Keys, KeyHeldThroughAFlushReadsUpUntilPressedAgain) {
  HeadlessPlatform p(false);
  p.press_key(kUp);
  p.flush_keys();
  EXPECT_FALSE(p.key_down(kUp));
  EXPECT_EQ(p.key_hit(kUp), 0);
  p.press_key(kUp);  // still physically down: nothing changes
  EXPECT_FALSE(p.key_down(kUp));
  p.release_key(kUp);
  p.press_key(kUp);
  EXPECT_TRUE(p.key_down(kUp));
}

TEST(Keys, WaitForAnyKeyFlushesFirstAndTakesTheLowestHit) {
  HeadlessPlatform p(false);
  p.press_key(kA);  // before the wait: flushed away
  p.set_script(platform::parse_key_script("close\ntap Space\ntap Escape\n"));
  EXPECT_EQ(p.wait_key(), kEscape);  // both hit in one group: the lowest code wins
  EXPECT_EQ(p.key_hit(kSpace), 1);   // the other hit is still there
  EXPECT_TRUE(p.close_requested());  // the close request did not end the wait, and waits
  EXPECT_FALSE(p.close_requested());  // the query cleared it
}

TEST(Keys, ScriptGroupsWaitForTheirFlips) {
  HeadlessPlatform p(false);
  p.open_window();
  p.set_script(platform::parse_key_script("down Up\nwait 2\nup Up\n"));
  EXPECT_TRUE(p.key_down(kUp));
  p.flip();
  EXPECT_TRUE(p.key_down(kUp));
  p.flip();
  EXPECT_FALSE(p.key_down(kUp));
}

TEST(Keys, ScriptErrorsNameTheLine) {
  for (const char* script : {"down Up\nhold Up\n", "down Up\n\ndown Fly\n", "wait -1\n", "tap 256\n"}) {
    try {
      platform::parse_key_script(script);
      ADD_FAILURE() << script;
    } catch (const platform::ScriptError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("line ", 0), 0u) << error.what();
    }
  }
  EXPECT_NO_THROW(platform::parse_key_script("# comment\n\ntap 13\ntap Enter\nclose\nwait 0\n"));
}

TEST(Pacing, SixtyFlipsSpanOneSecondInSixteenAndSeventeenMillisecondSteps) {
  HeadlessPlatform p(false);
  p.open_window();
  ASSERT_EQ(p.millisecs(), 1000);
  std::vector<int> steps;
  for (int flip = 0; flip < 60; ++flip) {
    const int before = p.millisecs();
    p.flip();
    p.wait_tick();
    steps.push_back(p.millisecs() - before);
  }
  EXPECT_EQ(p.millisecs(), 2000);
  EXPECT_EQ((std::vector<int>(steps.begin(), steps.begin() + 6)), (std::vector<int>{16, 17, 17, 16, 17, 17}));
}

TEST(Pacing, ALateFrameRestartsTheScheduleInsteadOfCatchingUp) {
  HeadlessPlatform p(false);
  p.open_window();
  p.advance_clock(40);  // this frame's own work took 40 ms
  p.flip();
  EXPECT_EQ(p.millisecs(), 1040);  // no sleep
  p.flip();
  EXPECT_EQ(p.millisecs(), 1057);  // the next flip is a whole step later, not shortened
}

}  // namespace
