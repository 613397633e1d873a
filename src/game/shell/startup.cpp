#include "game/shell/startup.h"

#include "game/shell/catalogue.h"
#include "game/shell/menu.h"

namespace {

const char* const kNumberFontFile = "data/Digir___.ttf";
const char* const kTextFontFile = "data/Adventure Subtitles.ttf";

}  // namespace

void startup(Game& g) {
  platform::Platform& p = g.p;
  p.set_title("Kurvenjagd");
  p.open_window();
  g.ZahlenFont = p.load_font("ZahlenFont", kNumberFontFile, 30);
  g.ZahlenFont_klein = p.load_font("ZahlenFont_klein", kNumberFontFile, 15);
  g.Font = p.load_font("Font", kTextFontFile, 12);
  g.Font_gross = p.load_font("Font_gross", kTextFontFile, 20);
  g.Font_ganzgross = p.load_font("Font_ganzgross", kTextFontFile, 30);
  g.Font_ganzganzgross = p.load_font("Font_ganzganzgross", kTextFontFile, 60);
  p.set_font(g.Font);
  p.create_timer(60);
  p.hide_pointer();
  p.set_alpha_blending();
  g.Auto = p.load_image("data/car.png");
  g.Auto->move_handle_to_centre();
  g.bg = p.load_image("data/bg.jpg");
  for (auto& column : g.Map) column.fill(nullptr);
  g.Area.fill(0);
  g.Temponaere_Daten.assign(Game::kLineSlots, std::u16string());
  read_catalogue(g);
  g.PfeilR = p.load_image("data/arrowr.png");
  g.PfeilL = p.load_image("data/arrowl.png");
}

void run_game(Game& g) {
  startup(g);
  menu_loop(g);
}
