#include "game/race/hud.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "game/state/text_rules.h"

namespace {

// Room for the longest label and the longest number text.
using Line = std::array<char16_t, 48>;

// Label and value side by side in a buffer of the caller's, so a frame builds no strings
// beyond the number texts themselves.
std::u16string_view joined(Line& line, std::u16string_view label, std::u16string_view value) {
  const auto label_end = std::copy(label.begin(), label.end(), line.begin());
  const auto value_size = std::min<std::size_t>(value.size(), std::size_t(line.end() - label_end));
  const auto end = std::copy_n(value.begin(), value_size, label_end);
  return {line.data(), std::size_t(end - line.begin())};
}

}  // namespace

void Anzeige(Game& g) {
  platform::Platform& p = g.p;
  Line line;

  p.set_color(0, 0, 0);
  p.set_alpha(0.5f);
  p.rect(0, 0, 1024, 50);
  p.set_alpha(1);
  p.set_color(255, 255, 255);
  p.set_font(g.ZahlenFont);
  p.text(10, 12, joined(line, u"Runde: ", int_to_text(g.Runde)));

  if (g.Aktuelle_Zeit > 0) {
    // Clock and start enter exactly; only the seconds are rounded to float.
    const float running = float((double(p.millisecs()) - double(g.Aktuelle_Zeit)) / 1000.0);
    p.text(300, 7, joined(line, u"Aktuelle Zeit: ", GetFloat(running, 3)));
  } else {
    p.text(300, 7, u"Aktuelle Zeit: ?");
  }

  if (g.Beste_Zeit > 0) {
    p.text(750, 12, joined(line, u"Beste Zeit: ", GetFloat(g.Beste_Zeit, 3)));
  } else {
    p.text(750, 12, u"Beste Zeit: -");
  }

  p.set_font(g.ZahlenFont_klein);
  p.text(300, 35, joined(line, u"Letzte Runde: ", GetFloat(g.Letzte_Runde, 3)));
}
