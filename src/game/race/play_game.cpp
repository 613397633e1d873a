#include "game/race/play_game.h"

#include <cstdio>

#include "game/race/camera.h"
#include "game/race/car.h"
#include "game/race/hud.h"
#include "game/race/laps.h"
#include "game/race/loading_screens.h"
#include "game/race/save_back.h"
#include "game/race/track_loader.h"
#include "platform/file_error.h"

namespace {

constexpr int kEscape = 27;

// Loading: the notice over the menu frame, the track's files, then the track-loaded
// screen until a key is pressed.
void load_track(Game& g, const std::u16string& mapname) {
  draw_loading_notice(g);
  g.p.flip();
  read_track_data(g, mapname);
  fill_tile_grid(g, mapname);
  load_barrier_picture(g, mapname);
  g.p.flush_keys();
  draw_track_loaded_screen(g);
  g.p.flip();
  g.p.wait_key();
}

}  // namespace

void race_frame_work(Game& g) {
  g.p.cls();
  KameraUpdate(g);
  DrawMap(g);
  Lenkung_und_Gas(g);
  Reifen(g);
  DrawPlayer(g);
  Anzeige(g);
  Kollisionsfelder(g);
  if (g.race_frame_done) g.race_frame_done(g);
}

namespace {

// What a race end resets; the camera and the expected checkpoint carry over.
void reset_race(Game& g) {
  g.Runde = 0;
  g.Aktuelle_Zeit = 0;
  g.Beste_Zeit = 0;
  g.Neustart = 1;
  g.Geschwindigkeit = 0;
  g.Lenkung = 0;
  g.Letzte_Runde = 0;
}

void report(Game& g, const std::u16string& heading, const platform::FileError& error) {
  std::fprintf(stderr, "Kurvenjagd: %s\n", error.what());
  show_error_screen(g, heading, error.what());
}

}  // namespace

void PlayGame(Game& g, const std::u16string& mapname) {
  try {
    load_track(g, mapname);
  } catch (const platform::FileError& error) {
    report(g, u"Fehler beim Laden der Strecke", error);
    reset_race(g);
    return;  // a track that did not load is never written
  }
  g.Neustart = 1;
  while (g.p.key_hit(kEscape) == 0 && !g.p.close_requested()) {
    race_frame_work(g);
    g.p.flip();
    g.p.wait_tick();
  }
  try {
    save_best_time(g, mapname);
  } catch (const platform::FileError& error) {
    report(g, u"Bestzeit nicht gespeichert", error);
  }
  reset_race(g);
}
