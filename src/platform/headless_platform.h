#pragma once
// The game without a window: drawing on an offscreen surface with SDL's software
// renderer, a virtual clock that starts at 1000 ms and moves only at flips (by the
// pacing schedule), and keys from a key script. Exactly repeatable.
#include <string>
#include <vector>

#include "platform/key_script.h"
#include "platform/platform.h"

struct SDL_Surface;

namespace platform {

class HeadlessPlatform : public Platform {
 public:
  // With rasterise false nothing is drawn (the record and the state still are), which
  // makes long replays fast.
  explicit HeadlessPlatform(bool rasterise = true);
  ~HeadlessPlatform() override;

  void set_title(const std::string& title) override;
  void open_window() override;
  void hide_pointer() override;
  int millisecs() override { return clock_; }

  void set_script(std::vector<ScriptGroup> groups);
  bool script_done() const { return next_group_ >= groups_.size(); }
  void set_rasterise(bool on) { rasterise_ = on; }
  void press_key(int code) { keyboard().press(code); }  // for tests that hold keys directly
  void release_key(int code) { keyboard().release(code); }
  void advance_clock(int millis) { clock_ += millis; }  // a frame whose own work took time

  // The picture last presented (the offscreen surface), as RGB.
  struct Rgb {
    int r, g, b;
  };
  Rgb pixel(int x, int y) const;
  void save_png(const std::string& path) const;

 protected:
  void pump_events() override {}
  void wait_for_events() override { tick_arrived(); }  // waiting for the tick takes no time
  void sleep_until(int millis) override { clock_ = millis; }
  void present() override;
  void before_key_query() override;
  void on_wait_key_idle() override;
  bool rasterising() const override { return rasterise_; }

 private:
  void apply(const ScriptGroup& group);

  SDL_Surface* surface_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  bool rasterise_;
  int clock_ = 1000;
  std::vector<ScriptGroup> groups_;
  std::size_t next_group_ = 0;
  long group_due_at_flip_ = 0;
};

}  // namespace platform
