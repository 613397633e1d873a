#include "platform/headless_platform.h"

#include <SDL.h>

#include "platform/file_error.h"
#include "platform/pictures.h"

namespace platform {

namespace {
constexpr int kEscape = 27;
}

HeadlessPlatform::HeadlessPlatform(bool rasterise) : rasterise_(rasterise) {
  surface_ = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
  if (surface_) renderer_ = SDL_CreateSoftwareRenderer(surface_);
  if (!renderer_) throw FileError("(offscreen surface)", std::string("cannot draw: ") + SDL_GetError());
  attach_renderer(renderer_);
}

HeadlessPlatform::~HeadlessPlatform() {
  SDL_DestroyRenderer(renderer_);
  SDL_FreeSurface(surface_);
}

void HeadlessPlatform::set_title(const std::string& title) { record_setup("set_title " + title); }

void HeadlessPlatform::open_window() {
  record_setup(format("open_window %d %d", kWidth, kHeight));
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  start_pacing();
}

void HeadlessPlatform::hide_pointer() { record_setup("hide_pointer"); }

void HeadlessPlatform::set_script(std::vector<ScriptGroup> groups) {
  groups_ = std::move(groups);
  next_group_ = 0;
  group_due_at_flip_ = flips();
}

void HeadlessPlatform::present() {
  SDL_RenderPresent(renderer_);
  if (script_done()) raise_close_request();  // a finished script closes the window, one request per flip
}

void HeadlessPlatform::before_key_query() {
  if (script_done() || flips() < group_due_at_flip_ + groups_[next_group_].flips_before) return;
  apply(groups_[next_group_]);
}

void HeadlessPlatform::on_wait_key_idle() {
  if (script_done()) {
    keyboard().press(kEscape);
    keyboard().release(kEscape);
    return;
  }
  apply(groups_[next_group_]);  // waiting for a key passes over the script's waits
}

void HeadlessPlatform::apply(const ScriptGroup& group) {
  ++next_group_;
  group_due_at_flip_ = flips();
  for (const ScriptStep& step : group.steps) {
    switch (step.kind) {
      case ScriptStep::Kind::Down: keyboard().press(step.key); break;
      case ScriptStep::Kind::Up: keyboard().release(step.key); break;
      case ScriptStep::Kind::Tap:
        keyboard().release(step.key);
        keyboard().press(step.key);
        keyboard().release(step.key);
        break;
      case ScriptStep::Kind::Close: raise_close_request(); break;
    }
  }
}

HeadlessPlatform::Rgb HeadlessPlatform::pixel(int x, int y) const {
  const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface_->pixels) +
                                                    std::ptrdiff_t(y) * surface_->pitch);
  const Uint32 value = row[x];
  return {int((value >> 16) & 0xFF), int((value >> 8) & 0xFF), int(value & 0xFF)};
}

void HeadlessPlatform::save_png(const std::string& path) const {
  Pixels picture(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const Rgb rgb = pixel(x, y);
      std::uint8_t* out = picture.at(x, y);
      out[0] = std::uint8_t(rgb.r);
      out[1] = std::uint8_t(rgb.g);
      out[2] = std::uint8_t(rgb.b);
      out[3] = 255;
    }
  write_png(path, picture);
}

}  // namespace platform
