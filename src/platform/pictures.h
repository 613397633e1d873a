#pragma once
// PNG and JPEG files to and from plain RGBA pixels. Used by the game (through
// Platform::load_image) and by the tools that make pictures and tracks.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct Pixels {
  int width = 0;
  int height = 0;
  bool has_alpha = false;           // the file carried its own alpha channel
  std::vector<std::uint8_t> rgba;   // width * height * 4 bytes, top row first

  Pixels() = default;
  Pixels(int w, int h) : width(w), height(h), rgba(std::size_t(w) * std::size_t(h) * 4, 0) {}
  std::uint8_t* at(int x, int y) { return &rgba[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4]; }
  const std::uint8_t* at(int x, int y) const {
    return &rgba[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4];
  }
};

// Decodes a PNG or JPEG file, chosen by its first bytes (not its name). Pixels of a
// picture without alpha come back opaque. Throws FileError naming the file and the reason.
Pixels decode_picture(const std::string& path);

// The game's mask rule: a picture without an alpha channel gets pure black (0, 0, 0)
// transparent and everything else opaque; a picture with alpha is left as it is.
void apply_mask_rule(Pixels& pixels);

// Writers for the tools. The same pixels give the same bytes. Throw FileError.
void write_png(const std::string& path, const Pixels& pixels);  // RGBA when has_alpha, else RGB
void write_jpeg(const std::string& path, const Pixels& pixels, int quality);

}  // namespace platform
