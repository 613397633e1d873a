#include "platform/window_platform.h"

#include <SDL.h>

#include <cstdio>
#include <filesystem>

#include "platform/file_error.h"
#include "platform/virtual_keys.h"

namespace platform {

namespace {

constexpr Uint32 kTickEvent = SDL_USEREVENT;

Uint32 push_tick(Uint32 interval, void*) {
  SDL_Event event{};
  event.type = kTickEvent;
  SDL_PushEvent(&event);
  return interval;
}

}  // namespace

WindowPlatform::WindowPlatform() {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
    throw FileError("(display)", std::string("cannot open the display: ") + SDL_GetError());
  start_ticks_ = SDL_GetTicks64();
}

WindowPlatform::~WindowPlatform() {
  if (timer_) SDL_RemoveTimer(timer_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  SDL_Quit();
}

void WindowPlatform::open_window() {
  window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth, kHeight,
                             SDL_WINDOW_SHOWN);
  if (!window_) throw FileError("(display)", std::string("cannot open the window: ") + SDL_GetError());
  // No vsync: the flip limiter paces the frames.
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) throw FileError("(display)", std::string("cannot draw in the window: ") + SDL_GetError());
  attach_renderer(renderer_);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  start_pacing();
}

void WindowPlatform::hide_pointer() { SDL_ShowCursor(SDL_DISABLE); }

void WindowPlatform::create_timer(int ticks_per_second) {
  Platform::create_timer(ticks_per_second);
  timer_ = SDL_AddTimer(Uint32(1000 / ticks_per_second), push_tick, nullptr);
}

int WindowPlatform::millisecs() { return int(SDL_GetTicks64() - start_ticks_) + 1000; }

void WindowPlatform::show_error(const std::string& message) {
  std::fprintf(stderr, "Kurvenjagd: %s\n", message.c_str());
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Kurvenjagd", message.c_str(), nullptr);
}

void WindowPlatform::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
      if (!event.key.repeat) keyboard().press(virtual_key(event.key.keysym.sym));
      break;
    case SDL_KEYUP: keyboard().release(virtual_key(event.key.keysym.sym)); break;
    case SDL_QUIT: raise_close_request(); break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED || event.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
        keyboard().flush();
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) raise_close_request();
      break;
    default:
      if (event.type == kTickEvent) tick_arrived();
  }
}

void WindowPlatform::pump_events() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) handle(event);
}

void WindowPlatform::wait_for_events() {
  SDL_Event event;
  if (SDL_WaitEvent(&event)) handle(event);
  pump_events();
}

void WindowPlatform::sleep_until(int millis) {
  const int now = millisecs();
  if (millis > now) SDL_Delay(Uint32(millis - now));
}

void WindowPlatform::present() { SDL_RenderPresent(renderer_); }

void enter_program_folder() {
  if (char* base = SDL_GetBasePath()) {
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::u8path(base), ignored);
    SDL_free(base);
  }
}

}  // namespace platform
