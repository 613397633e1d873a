// What both platform builds share: the drawing state and operations on an
// SDL_Renderer, pictures and fonts as textures, keyboard queries and the flip limiter.
#include "platform/platform.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "platform/file_error.h"
#include "platform/fonts.h"
#include "platform/pictures.h"

namespace platform {

Image::~Image() {
  if (texture) SDL_DestroyTexture(texture);
}

Platform::~Platform() = default;

void Platform::attach_renderer(SDL_Renderer* renderer) {
  renderer_ = renderer;
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
}

// ---- Window and pacing ----

bool Platform::close_requested() {
  before_key_query();
  pump_events();
  const bool requested = close_request_;
  close_request_ = false;
  return requested;
}

void Platform::create_timer(int ticks_per_second) {
  record_setup(format("create_timer %d", ticks_per_second));
}

void Platform::flip() {
  const int due = pacer_.next_flip(millisecs());
  if (due > millisecs()) sleep_until(due);
  present();
  ++flips_;
  if (recorder_) recorder_->flipped(flips_);
}

void Platform::wait_tick() {
  pump_events();
  while (pending_ticks_ == 0) wait_for_events();
  pending_ticks_ = 0;  // missed ticks are not caught up
}

// ---- Drawing state ----

void Platform::set_color(int r, int g, int b) {
  red_ = std::clamp(r, 0, 255);
  green_ = std::clamp(g, 0, 255);
  blue_ = std::clamp(b, 0, 255);
}

void Platform::set_alpha(float alpha) { alpha_ = std::clamp(alpha, 0.0f, 1.0f); }
void Platform::set_rotation(float degrees) { rotation_ = degrees; }
void Platform::set_font(const FontPtr& font) { font_ = font; }
void Platform::set_alpha_blending() { record_setup("set_alpha_blending"); }

namespace {
Uint8 alpha_byte(float alpha) { return Uint8(std::lround(alpha * 255.0f)); }
}  // namespace

void Platform::apply_draw_color() { SDL_SetRenderDrawColor(renderer_, Uint8(red_), Uint8(green_), Uint8(blue_), alpha_byte(alpha_)); }

// ---- Drawing ----

void Platform::cls() {
  if (recorder_) record_draw(false, "cls");
  if (!rasterising()) return;
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
}

void Platform::rect(float x, float y, float w, float h) {
  if (recorder_) record_draw(false, format("rect %.9g %.9g %.9g %.9g", x, y, w, h));
  if (!rasterising()) return;
  apply_draw_color();
  const SDL_FRect area{x, y, w, h};
  SDL_RenderFillRectF(renderer_, &area);
}

void Platform::oval(float x, float y, float w, float h) {
  if (recorder_) record_draw(false, format("oval %.9g %.9g %.9g %.9g", x, y, w, h));
  if (!rasterising() || w <= 0 || h <= 0) return;
  apply_draw_color();
  // One span per pixel row, sampled at the row's centre: spans never overlap, so a
  // translucent ellipse blends evenly.
  const double centre_x = x + w / 2.0, centre_y = y + h / 2.0;
  const double radius_x = w / 2.0, radius_y = h / 2.0;
  const int first_row = int(std::floor(y)), last_row = int(std::ceil(y + h)) - 1;
  for (int row = std::max(first_row, 0); row <= std::min(last_row, kHeight - 1); ++row) {
    const double dy = (row + 0.5 - centre_y) / radius_y;
    if (dy * dy >= 1.0) continue;
    const double half = radius_x * std::sqrt(1.0 - dy * dy);
    const double left = std::round(centre_x - half), right = std::round(centre_x + half);
    if (right <= left) continue;
    const SDL_FRect span{float(left), float(row), float(right - left), 1.0f};
    SDL_RenderFillRectF(renderer_, &span);
  }
}

void Platform::draw_image(const Image& image, float x, float y) {
  if (recorder_) record_draw(false, format("image %s %.9g %.9g", image.path.c_str(), x, y));
  if (!rasterising() || !image.texture) return;
  SDL_SetTextureColorMod(image.texture, Uint8(red_), Uint8(green_), Uint8(blue_));
  SDL_SetTextureAlphaMod(image.texture, alpha_byte(alpha_));
  const SDL_FRect target{x - image.handle_x, y - image.handle_y, float(image.width), float(image.height)};
  if (rotation_ == 0.0f) {
    SDL_RenderCopyF(renderer_, image.texture, nullptr, &target);
  } else {
    const SDL_FPoint centre{image.handle_x, image.handle_y};
    SDL_RenderCopyExF(renderer_, image.texture, nullptr, &target, double(rotation_), &centre, SDL_FLIP_NONE);
  }
}

void Platform::text(float x, float y, std::u16string_view text) {
  if (recorder_) {
    std::string quoted;
    for (char16_t unit : text) {
      if (unit == u'"' || unit == u'\\') quoted += '\\';
      if (unit > 126) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", unsigned(unit));
        quoted += hex;
      } else {
        quoted += char(unit);
      }
    }
    record_draw(true, format("text %.9g %.9g \"", x, y) + quoted + "\"");
  }
  if (!rasterising() || !font_) return;
  SDL_SetTextureColorMod(font_->atlas, Uint8(red_), Uint8(green_), Uint8(blue_));
  SDL_SetTextureAlphaMod(font_->atlas, alpha_byte(alpha_));
  const float baseline = y + float(font_->ascender);
  long pen = 0;  // 26.6 fixed point, so advances add up without rounding drift
  for (char16_t unit : text) {
    if (unit > 255) continue;
    const Glyph& glyph = font_->glyphs[unit];
    if (!glyph.present) continue;  // a character the font lacks takes no room
    if (glyph.width > 0) {
      const SDL_Rect source{glyph.atlas_x, glyph.atlas_y, glyph.width, glyph.height};
      const SDL_FRect target{x + float(std::lround(double(pen) / 64.0) + glyph.left), baseline - float(glyph.top),
                             float(glyph.width), float(glyph.height)};
      SDL_RenderCopyF(renderer_, font_->atlas, &source, &target);
    }
    pen += glyph.advance;
  }
}

// ---- Resources ----

ImagePtr Platform::load_image(const std::string& path) {
  record_setup("load_image " + path);
  Pixels pixels = decode_picture(path);
  apply_mask_rule(pixels);
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.rgba.data(), pixels.width, pixels.height, 32,
                                                            pixels.width * 4, SDL_PIXELFORMAT_ABGR8888);
  if (!surface) throw FileError(path, std::string("no drawing surface: ") + SDL_GetError());
  auto image = std::make_shared<Image>();
  image->width = pixels.width;
  image->height = pixels.height;
  image->path = path;
  image->texture = SDL_CreateTextureFromSurface(renderer_, surface);
  SDL_FreeSurface(surface);
  if (!image->texture) throw FileError(path, std::string("no texture: ") + SDL_GetError());
  SDL_SetTextureBlendMode(image->texture, SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(image->texture, SDL_ScaleModeLinear);
  return image;
}

FontPtr Platform::load_font(const std::string& name, const std::string& path, int pixel_height) {
  record_setup(format("load_font %s %s %d", name.c_str(), path.c_str(), pixel_height));
  std::string problem;
  FontPtr font = rasterise_font_file(renderer_, name, path, pixel_height, problem);
  if (font) return font;
  std::fprintf(stderr, "Kurvenjagd: %s: %s; using the built-in font instead\n", path.c_str(), problem.c_str());
  font = rasterise_builtin_font(renderer_, name, pixel_height);
  if (!font) throw FileError(path, problem + ", and the built-in font failed too");
  return font;
}

// ---- Keyboard ----

bool Platform::key_down(int code) {
  before_key_query();
  pump_events();
  return keyboard_.down(code);
}

int Platform::key_hit(int code) {
  before_key_query();
  pump_events();
  return keyboard_.take_hits(code);
}

void Platform::flush_keys() {
  pump_events();
  keyboard_.flush();
}

int Platform::wait_key() {
  flush_keys();
  before_key_query();
  pump_events();
  for (;;) {
    if (const int code = keyboard_.lowest_hit()) {
      keyboard_.take_hits(code);
      return code;
    }
    on_wait_key_idle();
    if (keyboard_.lowest_hit() == 0) wait_for_events();
  }
}

// ---- Drawing record ----

void Platform::record_setup(const std::string& call) {
  if (recorder_) recorder_->setup(call);
}

void Platform::record_draw(bool with_font, std::string operation) {
  operation += format(" color=%d,%d,%d alpha=%.9g rotation=%.9g", red_, green_, blue_, double(alpha_),
                      double(rotation_));
  if (with_font) operation += " font=" + (font_ ? font_->name : std::string("none"));
  recorder_->draw(operation);
}

std::string format(const char* pattern, ...) {
  va_list args;
  va_start(args, pattern);
  va_list copy;
  va_copy(copy, args);
  const int size = std::vsnprintf(nullptr, 0, pattern, copy);
  va_end(copy);
  std::string text(std::size_t(std::max(size, 0)), '\0');
  std::vsnprintf(text.data(), text.size() + 1, pattern, args);
  va_end(args);
  return text;
}

}  // namespace platform
