#pragma once
// TrueType fonts through FreeType, rasterised once at load into a glyph atlas for the
// code units 0 ... 255 (one unit is one ISO 8859-1 character).
#include <array>
#include <string>

#include "platform/platform.h"

struct SDL_Texture;

namespace platform {

struct Glyph {
  bool present = false;  // the font has this character; a missing one is skipped
  int atlas_x = 0, atlas_y = 0, width = 0, height = 0;
  int left = 0, top = 0;  // bitmap offset from the pen on the baseline
  long advance = 0;       // 26.6 fixed point
};

struct FontFace {
  std::string name;  // the game's label for the drawing record
  int ascender = 0;  // pixels from the line box's top down to the baseline
  std::array<Glyph, 256> glyphs{};
  SDL_Texture* atlas = nullptr;

  FontFace() = default;
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;
  ~FontFace();
};

// Rasterises the font file at a pixel em height, anti-aliased. Returns nullptr when the
// file cannot be read or is no font; `problem` then says why.
FontPtr rasterise_font_file(SDL_Renderer* renderer, const std::string& name, const std::string& path,
                            int pixel_height, std::string& problem);
// The font compiled into the program, for when a font file fails.
FontPtr rasterise_builtin_font(SDL_Renderer* renderer, const std::string& name, int pixel_height);

}  // namespace platform
