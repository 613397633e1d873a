#include "game/shell/catalogue.h"

#include <cstdio>

#include "game/state/text_rules.h"
#include "platform/file_error.h"
#include "platform/files.h"

namespace {

const char* const kCatalogue = "maps/maps.txt";

void warn(const std::string& message) { std::fprintf(stderr, "Kurvenjagd: %s\n", message.c_str()); }

}  // namespace

void read_catalogue(Game& g) {
  platform::ReadStream Lesen = platform::ReadStream::open(kCatalogue);
  g.MapAnzahl = text_to_int(Lesen.read_line());
  g.MapFreigeschaltet = text_to_int(Lesen.read_line()) - 38;
  if (g.MapAnzahl < 1)
    throw platform::FileError(kCatalogue, "line 1: " + std::to_string(g.MapAnzahl) +
                                              " tracks; the catalogue needs at least one");

  // Only as many slots as the file can hold lines for, whatever line 1 claims.
  const int announced = g.MapAnzahl;
  g.MapGesperrt.assign(1, 0);
  g.MapOrdnerName.assign(1, u"");
  g.MapName.assign(1, u"");
  g.MapVorschau.assign(1, nullptr);
  for (g.i = 1; g.i <= announced; ++g.i) {
    if (Lesen.at_end()) {
      const int line = 1 + 2 * g.i;
      warn(std::string(kCatalogue) + ": line " + std::to_string(line) + ": the catalogue announces " +
           std::to_string(announced) + " tracks but lists " + std::to_string(g.i - 1) + "; using those");
      break;
    }
    g.MapGesperrt.push_back(g.i > g.MapFreigeschaltet ? 1 : 0);
    g.MapOrdnerName.push_back(Lesen.read_line());
    g.MapName.push_back(Lesen.read_line());
    const std::string preview = "maps/" + low_bytes(g.MapOrdnerName.back()) + "/map_mini.jpg";
    try {
      g.MapVorschau.push_back(g.p.load_image(preview));
    } catch (const platform::FileError& error) {
      warn(std::string(error.what()) + "; the menu shows a placeholder");
      g.MapVorschau.push_back(nullptr);
    }
  }
  g.MapAnzahl = int(g.MapOrdnerName.size()) - 1;
  if (g.MapAnzahl < 1) throw platform::FileError(kCatalogue, "line 3: no track listed");
}
