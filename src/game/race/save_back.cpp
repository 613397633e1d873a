#include "game/race/save_back.h"

#include <algorithm>

#include "game/race/cipher.h"
#include "game/race/track_loader.h"
#include "platform/file_error.h"
#include "platform/files.h"

void save_best_time(Game& g, const std::u16string& mapname) {
  const std::string path = track_path(mapname) + "/data.txt";
  platform::ReadStream Lesen = platform::ReadStream::open(path);
  g.i = 0;
  while (!Lesen.at_end()) {
    if (g.i + 1 >= Game::kLineSlots)
      throw platform::FileError(path, "more than " + std::to_string(Game::kLineSlots - 1) +
                                          " lines; the best time was not saved");
    ++g.i;
    g.Temponaere_Daten[std::size_t(g.i)] = Lesen.read_line();
  }
  // The best time goes where the loader reads it, after the barriers, even when the
  // file lacks its empty last line: replacing whatever line came last would overwrite
  // a barrier corner.
  const int best_time_line_number = 13 + 2 * g.ReifenAnzahl;
  const int last = std::max(g.i, best_time_line_number);
  std::string Schreiben;
  for (g.j = 1; g.j <= last; ++g.j) {
    if (g.j == best_time_line_number)
      Schreiben += platform::line_bytes(best_time_line(g, g.Beste_Zeit));
    else
      Schreiben += platform::line_bytes(g.j <= g.i ? g.Temponaere_Daten[std::size_t(g.j)] : u"");
  }
  platform::replace_file(path, Schreiben);
}
