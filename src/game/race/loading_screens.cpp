#include "game/race/loading_screens.h"

#include "game/state/text_rules.h"

namespace {

void draw_controls(Game& g) {
  platform::Platform& p = g.p;
  p.set_font(g.Font_ganzgross);
  p.set_color(205, 185, 14);
  p.text(250, 400, u"Steuerung im Spiel");
  p.set_color(255, 255, 255);
  p.set_font(g.Font_gross);
  p.text(250, 450, u"Pfeiltasten: Lenken, Beschleunigen, Bremsen");
  p.text(250, 480, u"R-Taste: Rueckwaerts fahren");
}

// What is on screen shows through at a fifth of its brightness; white text goes on top.
void darken_for_text(Game& g) {
  g.p.set_color(0, 0, 0);
  g.p.set_alpha(0.8f);
  g.p.rect(0, 0, 1024, 768);
  g.p.set_alpha(1);
  g.p.set_color(255, 255, 255);
}

}  // namespace

void draw_loading_notice(Game& g) {
  platform::Platform& p = g.p;
  darken_for_text(g);
  p.set_font(g.Font_ganzganzgross);
  p.text(200, 200, u"Strecke wird geladen...");
  draw_controls(g);
}

void draw_track_loaded_screen(Game& g) {
  platform::Platform& p = g.p;
  p.cls();
  darken_for_text(g);
  p.set_font(g.Font_ganzganzgross);
  p.text(200, 200, u"Strecke geladen");
  p.set_font(g.Font_gross);
  p.text(250, 300, u"(Taste druecken)");
  draw_controls(g);
}

void show_error_screen(Game& g, const std::u16string& heading, const std::string& message) {
  platform::Platform& p = g.p;
  p.cls();
  darken_for_text(g);
  p.set_font(g.Font_ganzgross);
  p.text(100, 200, heading);
  p.set_font(g.Font_gross);
  p.text(100, 260, latin1(message));
  p.text(100, 320, u"(Taste druecken)");
  p.flip();
  p.wait_key();
}
