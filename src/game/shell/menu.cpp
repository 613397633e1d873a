#include "game/shell/menu.h"

#include "game/race/play_game.h"

namespace {

constexpr int kEnter = 13, kEscape = 27, kSpace = 32, kLeft = 37, kRight = 39, kS = 83;

const char16_t* const kCredits = u"\u00a9 2026 Die Kurvenjagd-Entwickler";

// A track whose preview could not be loaded keeps its place: a dark square with its name.
void draw_preview_placeholder(Game& g, int sel) {
  platform::Platform& p = g.p;
  p.set_color(40, 40, 40);
  p.rect(80, 460, 300, 300);
  p.set_color(255, 255, 255);
  p.set_font(g.Font);
  p.text(100, 600, g.MapName[std::size_t(sel)]);
}

void draw_lock_notice(Game& g) {
  platform::Platform& p = g.p;
  p.set_color(0, 0, 0);
  p.set_alpha(0.8f);
  p.rect(80, 460, 300, 300);
  p.set_alpha(1);
  p.set_color(255, 0, 0);
  p.oval(180, 480, 100, 100);
  p.set_color(255, 255, 255);
  p.oval(190, 490, 80, 80);
  p.set_font(g.Font_gross);
  p.text(100, 610, u"Du hast dich fuer diese Strecke");
  p.text(100, 630, u"noch nicht qualifiziert.");
}

}  // namespace

void draw_menu_frame(Game& g) {
  platform::Platform& p = g.p;
  const auto sel = std::size_t(g.AktuelleMapauswahl);
  p.cls();
  p.draw_image(*g.bg, 0, 0);
  p.set_color(0, 0, 0);
  p.set_alpha(0.5f);
  p.rect(30, 400, 400, 400);
  p.rect(850, 250, 200, 40);
  p.rect(850, 300, 200, 40);
  p.set_alpha(1);
  p.set_color(255, 255, 255);
  if (g.MapVorschau[sel])
    p.draw_image(*g.MapVorschau[sel], 80, 460);
  else
    draw_preview_placeholder(g, int(sel));
  if (g.MapGesperrt[sel] == 1) draw_lock_notice(g);
  p.set_color(0, 0, 0);
  p.set_alpha(0.5f);
  p.rect(80, 460, 10, 300);
  p.rect(90, 750, 280, 10);
  p.rect(90, 460, 290, 10);
  p.rect(370, 470, 10, 290);
  p.set_alpha(1);
  p.set_color(255, 255, 255);
  p.set_font(g.Font_gross);
  p.text(860, 260, u"Rennen Starten");
  p.text(860, 310, u"Beenden");
  p.set_color(205, 185, 14);
  p.text(938, 260, u"S");
  p.text(960, 310, u"ESC");
  p.set_color(255, 255, 255);
  p.set_font(g.Font);
  p.text(760, 750, kCredits);
  p.set_font(g.Font_ganzgross);
  p.text(140, 410, u"Mapauswahl");
  p.set_font(g.Font);
  p.text(140, 443, g.MapName[sel]);
  p.draw_image(*g.PfeilR, 390, 590);
  p.draw_image(*g.PfeilL, 40, 590);
}

void menu_loop(Game& g) {
  platform::Platform& p = g.p;
  while (!p.key_down(kEscape) && !p.close_requested()) {
    draw_menu_frame(g);
    if (p.key_hit(kS) > 0 || p.key_hit(kEnter) > 0 || p.key_hit(kSpace) > 0) {
      PlayGame(g, g.MapOrdnerName[std::size_t(g.AktuelleMapauswahl)]);
      p.flush_keys();
    }
    if (p.key_hit(kRight) > 0) g.AktuelleMapauswahl = g.AktuelleMapauswahl < g.MapAnzahl ? g.AktuelleMapauswahl + 1 : 1;
    if (p.key_hit(kLeft) > 0) g.AktuelleMapauswahl = g.AktuelleMapauswahl > 1 ? g.AktuelleMapauswahl - 1 : g.MapAnzahl;
    p.flip();
    p.wait_tick();
  }
}
