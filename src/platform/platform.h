#pragma once
// The game's whole view of the machine: window and frame pacing, drawing with a
// persistent state, fonts, pictures, keyboard and clock. Two builds share this class:
// WindowPlatform (an SDL2 window) and HeadlessPlatform (an offscreen surface, a virtual
// clock and scripted keys). Only src/platform includes SDL2, FreeType, libpng or libjpeg.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/keyboard.h"
#include "platform/pacing.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace platform {

// A decoded picture on the drawing surface. The handle is the point placed at the
// drawing position and the centre of rotation.
struct Image {
  int width = 0;
  int height = 0;
  float handle_x = 0;
  float handle_y = 0;
  std::string path;  // as loaded, for messages and the drawing record
  SDL_Texture* texture = nullptr;

  Image() = default;
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  ~Image();
  void move_handle_to_centre() {
    handle_x = float(width) * 0.5f;
    handle_y = float(height) * 0.5f;
  }
};
using ImagePtr = std::shared_ptr<Image>;

struct FontFace;  // glyph atlas and metrics, defined in fonts.h
using FontPtr = std::shared_ptr<const FontFace>;

// Receives every drawing operation as one line of text ("rect 30 400 400 400 color=0,0,0
// alpha=0.5 rotation=0"), every setup call ("load_image data/car.png") and each flip.
class DrawRecorder {
 public:
  virtual ~DrawRecorder() = default;
  virtual void setup(const std::string& /*call*/) {}
  virtual void draw(const std::string& operation) = 0;
  virtual void flipped(long /*flip_number*/) {}
};

// printf into a std::string.
std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

class Platform {
 public:
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 768;

  virtual ~Platform();

  // Window. The close button only raises a request; the query clears it.
  virtual void set_title(const std::string& title) = 0;
  virtual void open_window() = 0;
  virtual void hide_pointer() = 0;
  bool close_requested();

  // Frame pacing: flip presents the frame and holds the pace of 60 flips a second;
  // wait_tick returns once the 60 Hz tick has come since the previous wait.
  virtual void create_timer(int ticks_per_second);
  void flip();
  void wait_tick();

  // Milliseconds since the program started, from 1000 on (never 0 once a race can run).
  virtual int millisecs() = 0;

  // Drawing state, kept across calls and frames.
  void set_color(int r, int g, int b);
  void set_alpha(float alpha);
  void set_rotation(float degrees);  // clockwise, about the drawn item's handle
  void set_font(const FontPtr& font);
  void set_alpha_blending();

  // Drawing, all in the current state.
  void cls();
  void rect(float x, float y, float w, float h);
  void oval(float x, float y, float w, float h);
  void draw_image(const Image& image, float x, float y);
  void text(float x, float y, std::u16string_view text);  // (x, y): top-left of the line box

  // Resources. load_image throws FileError; load_font falls back to the built-in font
  // (and says so on standard error) when the file cannot be used. `name` labels the
  // font in the drawing record.
  ImagePtr load_image(const std::string& path);
  FontPtr load_font(const std::string& name, const std::string& path, int pixel_height);

  // Keyboard by Windows virtual key codes 1 ... 255.
  bool key_down(int code);
  int key_hit(int code);
  void flush_keys();
  int wait_key();  // flushes, then waits for any key; returns the code whose hit it took

  void set_recorder(DrawRecorder* recorder) { recorder_ = recorder; }
  long flips() const { return flips_; }

 protected:
  // What differs between the window and the headless build.
  virtual void pump_events() = 0;            // handle pending events (keys, close, ticks)
  virtual void wait_for_events() = 0;        // block until an event arrives, then pump
  virtual void sleep_until(int millis) = 0;  // for the flip limiter
  virtual void present() = 0;
  virtual void before_key_query() {}
  virtual void on_wait_key_idle() {}  // wait_key found no key: get more input
  virtual bool rasterising() const { return true; }

  void attach_renderer(SDL_Renderer* renderer);
  void tick_arrived() { ++pending_ticks_; }
  void start_pacing() { pacer_.start(millisecs()); }
  void record_setup(const std::string& call);
  void raise_close_request() { close_request_ = true; }
  Keyboard& keyboard() { return keyboard_; }

 private:
  void apply_draw_color();
  void record_draw(bool with_font, std::string operation);

  SDL_Renderer* renderer_ = nullptr;
  Keyboard keyboard_;
  Pacer pacer_;
  int pending_ticks_ = 0;
  bool close_request_ = false;
  long flips_ = 0;

  int red_ = 255, green_ = 255, blue_ = 255;
  float alpha_ = 1;
  float rotation_ = 0;
  FontPtr font_;
  DrawRecorder* recorder_ = nullptr;
};

}  // namespace platform
