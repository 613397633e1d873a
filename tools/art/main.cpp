// kurvenjagd-art OUTDIR: draws the game's own pictures into OUTDIR. The same
// program always writes the same bytes, so the pictures can be rebuilt at will.
#include <exception>
#include <iostream>
#include <string>

#include "drawings.h"
#include "platform/pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kurvenjagd-art OUTDIR\n";
    return 2;
  }
  const std::string dir = argv[1];
  try {
    platform::write_png(dir + "/car.png", art::draw_car());
    platform::write_jpeg(dir + "/bg.jpg", art::draw_background(), 92);
    platform::write_png(dir + "/arrowr.png", art::draw_arrow(true));
    platform::write_png(dir + "/arrowl.png", art::draw_arrow(false));
  } catch (const std::exception& e) {
    std::cerr << "kurvenjagd-art: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
