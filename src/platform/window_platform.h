#pragma once
// The game in a real SDL2 window: hardware-accelerated drawing where the machine has
// it, SDL's clock and timer, keys and the close request from SDL events.
#include <string>

#include "platform/platform.h"

struct SDL_Window;
union SDL_Event;

namespace platform {

class WindowPlatform : public Platform {
 public:
  WindowPlatform();  // throws FileError when SDL cannot start
  ~WindowPlatform() override;

  void set_title(const std::string& title) override { title_ = title; }
  void open_window() override;
  void hide_pointer() override;
  void create_timer(int ticks_per_second) override;
  int millisecs() override;

  // A fatal message: on standard error and in a message box.
  static void show_error(const std::string& message);

 protected:
  void pump_events() override;
  void wait_for_events() override;
  void sleep_until(int millis) override;
  void present() override;

 private:
  void handle(const SDL_Event& event);

  std::string title_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  int timer_ = 0;
  unsigned long long start_ticks_ = 0;
};

// Makes the folder that holds the program the working directory, so data/ and maps/
// are found beside it.
void enter_program_folder();

}  // namespace platform
