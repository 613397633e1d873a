#include "platform/fonts.h"

#include <SDL.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <vector>

#include "platform/file_error.h"
#include "platform/files.h"

namespace platform {

extern const unsigned char kBuiltinFont[];
extern const std::size_t kBuiltinFontSize;

FontFace::~FontFace() {
  if (atlas) SDL_DestroyTexture(atlas);
}

namespace {

FT_Library freetype() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    return lib;
  }();
  return library;
}

struct Bitmap {
  int width = 0, height = 0;
  std::vector<unsigned char> coverage;
};

// Renders all 256 characters and packs them row by row into one white atlas whose
// alpha is the glyph coverage.
FontPtr build_atlas(SDL_Renderer* renderer, FT_Face face, const std::string& name, int pixel_height) {
  auto font = std::make_shared<FontFace>();
  font->name = name;
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixel_height));
  font->ascender = int((face->size->metrics.ascender + 63) >> 6);

  constexpr int kAtlasWidth = 1024;
  std::array<Bitmap, 256> bitmaps;
  int pen_x = 1, pen_y = 1, row_height = 0;
  for (int code = 0; code < 256; ++code) {
    Glyph& glyph = font->glyphs[std::size_t(code)];
    if (code < 32 || FT_Get_Char_Index(face, FT_ULong(code)) == 0) continue;
    if (FT_Load_Char(face, FT_ULong(code), FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) continue;
    const FT_GlyphSlot slot = face->glyph;
    glyph.present = true;
    glyph.advance = slot->advance.x;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = int(slot->bitmap.width);
    glyph.height = int(slot->bitmap.rows);
    Bitmap& bitmap = bitmaps[std::size_t(code)];
    bitmap.width = glyph.width;
    bitmap.height = glyph.height;
    bitmap.coverage.resize(std::size_t(glyph.width) * std::size_t(glyph.height));
    for (int y = 0; y < glyph.height; ++y)
      std::copy_n(slot->bitmap.buffer + std::ptrdiff_t(y) * slot->bitmap.pitch, glyph.width,
                  bitmap.coverage.begin() + std::ptrdiff_t(y) * glyph.width);
    if (pen_x + glyph.width + 1 > kAtlasWidth) {
      pen_x = 1;
      pen_y += row_height + 1;
      row_height = 0;
    }
    glyph.atlas_x = pen_x;
    glyph.atlas_y = pen_y;
    pen_x += glyph.width + 1;
    row_height = std::max(row_height, glyph.height);
  }

  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, kAtlasWidth, pen_y + row_height + 1, 32,
                                                        SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return nullptr;
  SDL_FillRect(surface, nullptr, 0x00FFFFFFu);
  for (int code = 0; code < 256; ++code) {
    const Glyph& glyph = font->glyphs[std::size_t(code)];
    const Bitmap& bitmap = bitmaps[std::size_t(code)];
    for (int y = 0; y < bitmap.height; ++y) {
      auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) +
                                            std::ptrdiff_t(glyph.atlas_y + y) * surface->pitch);
      for (int x = 0; x < bitmap.width; ++x)
        row[glyph.atlas_x + x] = (Uint32(bitmap.coverage[std::size_t(y * bitmap.width + x)]) << 24) | 0xFFFFFFu;
    }
  }
  font->atlas = SDL_CreateTextureFromSurface(renderer, surface);
  SDL_FreeSurface(surface);
  if (!font->atlas) return nullptr;
  SDL_SetTextureBlendMode(font->atlas, SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(font->atlas, SDL_ScaleModeLinear);
  return font;
}

FontPtr rasterise(SDL_Renderer* renderer, const std::string& name, const unsigned char* data, std::size_t size,
                  int pixel_height, std::string& problem) {
  FT_Library library = freetype();
  if (!library) {
    problem = "the font rasteriser could not start";
    return nullptr;
  }
  FT_Face face = nullptr;
  if (FT_New_Memory_Face(library, data, FT_Long(size), 0, &face) != 0) {
    problem = "not a font file FreeType can read";
    return nullptr;
  }
  FontPtr font = build_atlas(renderer, face, name, pixel_height);
  FT_Done_Face(face);
  if (!font) problem = "no drawing surface for its glyphs";
  return font;
}

}  // namespace

FontPtr rasterise_font_file(SDL_Renderer* renderer, const std::string& name, const std::string& path,
                            int pixel_height, std::string& problem) {
  std::string bytes;
  try {
    bytes = read_file(path);
  } catch (const FileError& error) {
    problem = error.problem();
    return nullptr;
  }
  return rasterise(renderer, name, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                   pixel_height, problem);
}

FontPtr rasterise_builtin_font(SDL_Renderer* renderer, const std::string& name, int pixel_height) {
  std::string problem;
  return rasterise(renderer, name, kBuiltinFont, kBuiltinFontSize, pixel_height, problem);
}

}  // namespace platform
