#pragma once
// Everything the game knows, in one record. Routines are free functions over it and
// keep the game's own German names. Lifetimes:
// - startup creates the fonts, pictures, FPS, Map, Area and Temponaere_Daten once;
// - the catalogue is read once at startup;
// - each track load overwrites the track block and the car's start;
// - a race end resets the lap block and the car's speed and steering (reset_race);
// - Kamera_x, Kamera_y and Naechstes_Kollisionsfeld carry over from race to race.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

struct Game {
  explicit Game(platform::Platform& platform) : p(platform) {}
  platform::Platform& p;

  // ---- Fonts ----
  platform::FontPtr ZahlenFont;          // HUD lap, running and best time, 30 px
  platform::FontPtr ZahlenFont_klein;    // HUD last lap, 15 px
  platform::FontPtr Font;                // track name, credits line, 12 px
  platform::FontPtr Font_gross;          // menu entries, notices, 20 px
  platform::FontPtr Font_ganzgross;      // menu and help headings, 30 px
  platform::FontPtr Font_ganzganzgross;  // loading screens, 60 px

  // ---- Frame and input ----
  int i = 0, j = 0;  // loop counters shared by the routines that loop

  // ---- Car and camera (world pixels) ----
  float player_x = 0, player_y = 0;
  float Winkel = 0;           // heading in degrees; 0 drives down the screen, 90 left
  float Geschwindigkeit = 0;  // pixels per frame, negative when reversing
  float Lenkung = 0;          // hundredths of a degree of heading change per frame
  float Kamera_x = 0, Kamera_y = 0;
  platform::ImagePtr Auto;    // the car, nose down, handle at its centre

  // ---- Track ----
  static constexpr int kGridSize = 50;
  int mapwidth = 0, mapheight = 0;
  std::array<std::array<platform::ImagePtr, kGridSize>, kGridSize> Map;  // [column][row]
  std::array<int, 6> Area{};  // top-left corners of the start/finish, second and third square
  int Naechstes_Kollisionsfeld = 1;
  int ReifenAnzahl = 0;
  std::vector<int> ReifenKoordinate = std::vector<int>(1);  // pairs at (1, 2), (3, 4), ...
  platform::ImagePtr ReifenGrafik;
  int Reifenbreite = 0, Reifenhoehe = 0;
  static constexpr int kLineSlots = 2000;
  std::vector<std::u16string> Temponaere_Daten;  // lines from slot 1

  // ---- Lap timing ----
  int Runde = 0;
  float Aktuelle_Zeit = 0;  // clock at the lap's start; 0: no lap running
  float Letzte_Runde = 0;
  float Beste_Zeit = 0;     // seconds; 0: none
  int Neustart = 0;         // 1 until the first accelerate of a race

  // ---- Catalogue and menu ----
  int MapAnzahl = 0;
  int MapFreigeschaltet = 0;
  std::vector<int> MapGesperrt;
  std::vector<std::u16string> MapOrdnerName;
  std::vector<std::u16string> MapName;
  std::vector<platform::ImagePtr> MapVorschau;
  int AktuelleMapauswahl = 1;
  platform::ImagePtr bg;
  platform::ImagePtr PfeilR, PfeilL;

  // ---- Files and cipher ----
  const std::u16string passwort = u"plank";
  int oft = 0;

  // ---- Watching a race from outside (the replay runner's trace) ----
  std::function<void(const Game&)> race_frame_done;  // after the lap timing, before the flip
};
