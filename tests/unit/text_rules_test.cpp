#include "game/state/text_rules.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

template <typename Value>
struct Case {
  std::u16string_view text;
  Value value;
};

std::string shown(std::u16string_view text) { return "\"" + low_bytes(text) + "\""; }

TEST(TextRules, TextToInt) {
  const Case<int> cases[] = {
      {u"  12abc", 12},
      {u"+7", 7},
      {u"-3", -3},
      {u"$1F", 31},
      {u"$ff", 255},
      {u"-$10", -16},
      {u"%101", 5},
      {u"%1021", 2},  // a 2 is no binary digit
      {u"- 5", 0},
      {u"1 2", 1},
      {u"", 0},
      {u"   ", 0},
      {u"+", 0},
      {u"$", 0},
      {u"+-5", 0},
      {u"0x1F", 0},
      {u"\t\n\v\f\r 250abc", 250},
      {u"2147483647", INT_MAX},
      {u"-2147483648", INT_MIN},
      {u"2147483648", INT_MIN},
      {u"4294967297", 1},
      {u"$FFFFFFFF", -1},
      {u"\u0131", 0},     // low byte is '1', but the unit is no digit
      {u"7\u0138", 7},
      {u"\u0120 5", 0},   // low byte is a space, but the unit is none
  };
  for (const auto& c : cases) EXPECT_EQ(text_to_int(c.text), c.value) << shown(c.text);
}

TEST(TextRules, TextToFloat) {
  const Case<float> cases[] = {
      {u"1500.5", 1500.5f},
      {u"1,5", 1.0f},
      {u"2.5e2", 250.0f},
      {u"2.5E+2x", 250.0f},
      {u"15e-1", 1.5f},
      {u"", 0.0f},
      {u"1e", 1.0f},
      {u"1e+", 1.0f},
      {u"  -3.25 s", -3.25f},
      {u"+.5", 0.5f},
      {u"5.", 5.0f},
      {u".", 0.0f},
      {u"-", 0.0f},
      {u"e5", 0.0f},
      {u"inf", 0.0f},
      {u"0.1", 0.1f},
      {u"23.456", 23.456f},
      {u"\u1031", 1.0f},     // each unit counts by its low byte
      {u"\u01207.5", 7.5f},  // so 0x0120 is a space here
      // Exactly halfway between 1 and the next float only once it is read as double;
      // the tie then goes to the even float 1.
      {u"1.00000005960464477539062500001", 1.0f},
      {u"1e39", INFINITY},
      {u"1e400", INFINITY},
      {u"-1e400", -INFINITY},
      {u"1e-400", 0.0f},
      {u"0e99999", 0.0f},
  };
  for (const auto& c : cases) EXPECT_EQ(text_to_float(c.text), c.value) << shown(c.text);
}

TEST(TextRules, TextToFloatBeyondDoubleRangeWithMisleadingExponent) {
  const std::u16string zeros(400, u'0');
  EXPECT_EQ(text_to_float(u"0." + zeros + u"1e5"), 0.0f);
  EXPECT_EQ(text_to_float(u"1" + zeros + u"e-5"), INFINITY);
  EXPECT_EQ(text_to_float(u"0." + zeros + u"1e420"), 1e19f);
}

TEST(TextRules, FloatToText) {
  const Case<float> cases[] = {
      {u"0.00000000", 0.0f},
      {u"12.5000000", 12.5f},
      {u"23.4559994", 23.456f},
      {u"-0.500000000", -0.5f},
      {u"0.00499999989", 0.005f},
      {u"1234567.00", 1234567.0f},
      {u"123456792.", 123456789.0f},  // nine digits before the point still keep it
      {u"0.000100000012", 0.00010000001f},
      {u"9.99999975e-005", 0.0001f},
      {u"1.00000000e+009", 1e9f},
      {u"3.40282347e+038", std::numeric_limits<float>::max()},
      {u"1.40129846e-045", std::numeric_limits<float>::denorm_min()},
      {u"inf", INFINITY},
      {u"-inf", -INFINITY},
      {u"nan", NAN},
  };
  for (const auto& c : cases) EXPECT_EQ(float_to_text(c.value), c.text) << c.value;
}

TEST(TextRules, FloatTextReadsBackToTheSameFloat) {
  for (int ms = 1; ms <= 600000; ++ms) {
    const float time = static_cast<float>(ms / 1000.0);
    ASSERT_EQ(text_to_float(float_to_text(time)), time) << ms << " ms";
  }
  // A spread over all finite floats, exponent forms and subnormals included.
  for (uint32_t bits = 1; bits < 0x7F800000u; bits += 4099) {
    const float value = std::bit_cast<float>(bits);
    ASSERT_EQ(text_to_float(float_to_text(value)), value) << shown(float_to_text(value));
    ASSERT_EQ(text_to_float(float_to_text(-value)), -value) << shown(float_to_text(-value));
  }
}

TEST(TextRules, GetFloatCutsWithoutRounding) {
  struct GetFloatCase {
    float value;
    int dnp;
    std::u16string_view text;
  };
  const GetFloatCase cases[] = {
      {12.3456f, 3, u"12.345"},
      {5.0f, 3, u"5.000"},
      {0.5f, 3, u"0.500"},
      {0.0f, 3, u"0.000"},
      {-0.5f, 3, u"-0.500"},
      {static_cast<float>(5 / 1000.0), 3, u"0.004"},
      {static_cast<float>(1005 / 1000.0), 3, u"1.005"},
      {static_cast<float>(12345 / 1000.0), 3, u"12.345"},
      {static_cast<float>(-48 / 1000.0), 3, u"-0.048"},
      {61.234f, 3, u"61.234"},
      {23.456f, 3, u"23.455"},
      {59.999f, 3, u"59.999"},
      {99.9999f, 3, u"99.999"},
      {9.9999f, 3, u"9.999"},
      {0.0001f, 3, u"9.999"},
      {0.0001f, 8, u"9.99999975"},
      {1234567.0f, 3, u"1234567.00 "},
      {5.0f, 10, u"5.00000000  "},
      {12.5f, 0, u"12."},
      {INFINITY, 3, u"inf    "},
  };
  for (const auto& c : cases) EXPECT_EQ(GetFloat(c.value, c.dnp), c.text) << c.value << " with " << c.dnp;
}

TEST(TextRules, IntToText) {
  const Case<int> cases[] = {
      {u"0", 0}, {u"7", 7}, {u"-7", -7}, {u"1230", 1230}, {u"2147483647", INT_MAX}, {u"-2147483648", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(int_to_text(c.value), c.text);
}

TEST(TextRules, ZahlZweistellig) {
  const Case<int> cases[] = {
      {u"00", 0},   {u"07", 7},   {u"09", 9},     {u"10", 10},
      {u"123", 123}, {u"0-1", -1}, {u"0-4", -4}, {u"0-12", -12},
  };
  for (const auto& c : cases) EXPECT_EQ(ZahlZweistellig(c.value), c.text);
}

TEST(TextRules, BytesMapToUnitsOfTheSameCode) {
  std::string all_bytes;
  for (int byte = 0; byte < 256; ++byte) all_bytes += static_cast<char>(byte);
  const std::u16string units = latin1(all_bytes);
  ASSERT_EQ(units.size(), 256u);
  for (int byte = 0; byte < 256; ++byte) EXPECT_EQ(units[byte], static_cast<char16_t>(byte));
  EXPECT_EQ(low_bytes(units), all_bytes);
  EXPECT_EQ(low_bytes(u"\u1031\u00E4\u0100"), std::string("1\xE4\0", 3));
}

}  // namespace
