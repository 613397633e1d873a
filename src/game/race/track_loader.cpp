#include "game/race/track_loader.h"

#include "game/race/cipher.h"
#include "game/state/text_rules.h"
#include "platform/file_error.h"
#include "platform/files.h"

std::string track_path(const std::u16string& mapname) { return "maps/" + low_bytes(mapname); }

std::string tile_file_name(int column, int row) {
  return "map2-" + low_bytes(ZahlZweistellig(column)) + "-" + low_bytes(ZahlZweistellig(row)) + ".jpg";
}

namespace {

void check_side(const std::string& path, int line, const char* what, int value) {
  if (value < 0 || value > kLargestTrackSide)
    throw platform::FileError(path, "line " + std::to_string(line) + ": " + what + " " + std::to_string(value) +
                                        " is outside 0 ... " + std::to_string(kLargestTrackSide));
}

}  // namespace

void read_track_data(Game& g, const std::u16string& mapname) {
  const std::string path = track_path(mapname) + "/data.txt";
  platform::ReadStream Lesen = platform::ReadStream::open(path);
  g.mapwidth = text_to_int(Lesen.read_line());
  g.mapheight = text_to_int(Lesen.read_line());
  check_side(path, 1, "width", g.mapwidth);
  check_side(path, 2, "height", g.mapheight);
  g.player_x = text_to_float(Lesen.read_line());
  g.player_y = text_to_float(Lesen.read_line());
  g.Winkel = text_to_float(Lesen.read_line());
  for (int& corner : g.Area) corner = text_to_int(Lesen.read_line());
  g.ReifenAnzahl = text_to_int(Lesen.read_line());
  if (g.ReifenAnzahl < 0 || g.ReifenAnzahl > kMostBarriers)
    throw platform::FileError(path, "line 12: " + std::to_string(g.ReifenAnzahl) + " barriers, the file holds 0 ... " +
                                        std::to_string(kMostBarriers));
  g.ReifenKoordinate.assign(std::size_t(2 * g.ReifenAnzahl + 1), 0);
  const int count = 2 * g.ReifenAnzahl;
  for (g.i = 1; g.i <= count; ++g.i) g.ReifenKoordinate[std::size_t(g.i)] = text_to_int(Lesen.read_line());
  g.Beste_Zeit = read_best_time(g, Lesen.read_line());
}

void fill_tile_grid(Game& g, const std::u16string& mapname) {
  const std::string folder = track_path(mapname);
  const int W = g.mapwidth / 200, H = g.mapheight / 200;
  const int last_column = W + 24, last_row = H + 24;
  // Every filler cell shows the same picture: decode it once.
  const platform::ImagePtr filler = g.p.load_image(folder + "/default.jpg");
  for (g.i = 0; g.i <= last_column; ++g.i)
    for (g.j = 0; g.j <= last_row; ++g.j) {
      auto& cell = g.Map[std::size_t(g.i)][std::size_t(g.j)];
      if (g.i >= 4 && g.i <= W + 3 && g.j >= 4 && g.j <= H + 3)
        cell = g.p.load_image(folder + "/" + tile_file_name(g.i - 4, g.j - 4));
      else
        cell = filler;
    }
}

void load_barrier_picture(Game& g, const std::u16string& mapname) {
  g.ReifenGrafik = g.p.load_image(track_path(mapname) + "/collision.png");
  g.Reifenbreite = g.ReifenGrafik->width;
  g.Reifenhoehe = g.ReifenGrafik->height;
}
