#include "game/race/cipher.h"

#include <array>
#include <cstdio>

#include "game/state/text_rules.h"

std::u16string code(Game& g, std::u16string_view txt, std::u16string_view passwort) {
  int zahl = 0;
  const int lp = int(passwort.size());
  const int lt = int(txt.size());
  std::u16string txt2;
  txt2.reserve(txt.size());
  for (g.oft = 1; g.oft <= lt; ++g.oft) {
    zahl = (zahl + 1) % lp;
    const int key = int(passwort[std::size_t(zahl)]) * g.oft;
    const char16_t zeichen = txt[std::size_t(g.oft - 1)];
    txt2 += char16_t((zeichen ^ key) & 0xFFFF);
  }
  return txt2;
}

float read_best_time(Game& g, std::u16string_view line) { return text_to_float(code(g, line, g.passwort)); }

namespace {

// A stored byte 0 or 10 would end the line early and a 13 would be dropped.
bool survives_line_reading(std::u16string_view enciphered) {
  for (char16_t unit : enciphered) {
    const int byte = unit & 0xFF;
    if (byte == 0 || byte == 10 || byte == 13) return false;
  }
  return true;
}

std::u16string printed(const char* pattern, float time) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, double(time));
  return latin1(text);
}

}  // namespace

std::u16string best_time_line(Game& g, float time) {
  const std::u16string plain = float_to_text(time);
  // Other texts of the same float: leading zeros shift every unit to another key (a '0'
  // at position 5 always meets the key byte 0x30), and more digits change the units.
  std::array<std::u16string, 5> texts{plain, printed("%.10g", time), printed("%.12g", time),
                                      printed("%.14g", time), printed("%.17g", time)};
  for (const std::u16string& text : texts)
    for (const char16_t* prefix : {u"", u"0", u"00", u"000", u"0000"}) {
      const std::u16string candidate = prefix + text;
      const std::u16string line = code(g, candidate, g.passwort);
      if (survives_line_reading(line) && read_best_time(g, latin1(low_bytes(line))) == time) return line;
    }
  return code(g, plain, g.passwort);
}
