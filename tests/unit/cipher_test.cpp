// The best-time cipher and the stored best-time line.
#include <gtest/gtest.h>

#include "game/race/cipher.h"
#include "game/state/text_rules.h"
#include "platform/files.h"
#include "platform/headless_platform.h"

namespace {

struct CipherTest : ::testing::Test {
  platform::HeadlessPlatform p{false};
  Game g{p};
};

TEST_F(CipherTest, PairsEachPositionWithAPasswordUnitTimesThePosition) {
  EXPECT_EQ(code(g, u"", g.passwort), u"");
  // Position 1 takes 'l' x 1, position 5 'p' x 5, position 6 'l' x 6 again.
  const std::u16string zeros(6, u'\0');
  const std::u16string keys = code(g, zeros, g.passwort);
  EXPECT_EQ(keys[0], u'l' * 1);
  EXPECT_EQ(keys[1], u'a' * 2);
  EXPECT_EQ(keys[4], u'p' * 5);
  EXPECT_EQ(keys[5], u'l' * 6);
  EXPECT_EQ(g.oft, 7);
}

TEST_F(CipherTest, IsItsOwnInverseOnSixteenBitUnits) {
  for (const std::u16string& text :
       {std::u16string(u"0.00000000"), std::u16string(u"\xffff\x1234 abc"), std::u16string(300, u'\x00e9')})
    EXPECT_EQ(code(g, code(g, text, g.passwort), g.passwort), text);
}

TEST_F(CipherTest, HighBytesAreDroppedOnDiskAndTheTimeStillReadsBack) {
  const std::u16string line = best_time_line(g, 23.456f);
  bool carries_high_bytes = false;
  for (char16_t unit : line) carries_high_bytes |= unit > 255;
  EXPECT_TRUE(carries_high_bytes);
  EXPECT_EQ(read_best_time(g, latin1(low_bytes(line))), 23.456f);
  EXPECT_EQ(read_best_time(g, u""), 0.0f);  // no best time yet
}

TEST_F(CipherTest, KeepsThePlainTextWhereItsBytesAreSafe) {
  EXPECT_EQ(best_time_line(g, 23.456f), code(g, u"23.4559994", g.passwort));
  // A '0' at position 5 meets the key 'p' x 5 = 0x230 and would store a zero byte,
  // ending the line early: a leading zero moves it.
  EXPECT_EQ(best_time_line(g, 12.5f), code(g, u"012.5000000", g.passwort));
  EXPECT_EQ(read_best_time(g, best_time_line(g, 0.0f)), 0.0f);
}

// Every lap time a player can drive, stored and read back through a real line.
TEST_F(CipherTest, EveryMillisecondTimeUpToTenMinutesReadsBackExactly) {
  int rewritten = 0;
  for (int millis = 1; millis <= 600000; ++millis) {
    const float time = float(double(millis) / 1000.0);
    const std::u16string line = best_time_line(g, time);
    if (line != code(g, float_to_text(time), g.passwort)) ++rewritten;
    const std::string bytes = platform::line_bytes(line);
    std::size_t pos = 0;
    const float back = read_best_time(g, platform::read_line(bytes, pos));
    ASSERT_EQ(back, time) << millis << " ms";
    ASSERT_EQ(pos, bytes.size()) << millis << " ms: the line ended early";
  }
  EXPECT_GT(rewritten, 0);  // the plain text alone would have lost these
}

}  // namespace
