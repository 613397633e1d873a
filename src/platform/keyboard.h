#pragma once
// Key state by Windows virtual key code: held down, and hits since the last query of
// that key. Fed with presses and releases by either platform build.
#include <array>

namespace platform {

class Keyboard {
 public:
  static constexpr int kCodes = 256;  // codes 1 ... 255 are used

  void press(int code);    // a fresh press (auto-repeat is filtered out before)
  void release(int code);
  void flush();            // all up, no hits; a key still held stays up until pressed again

  bool down(int code) const { return valid(code) && down_[code]; }
  int take_hits(int code);  // hits since the last query of this key; resets them
  int lowest_hit() const;   // lowest code with a hit, or 0

 private:
  static bool valid(int code) { return code > 0 && code < kCodes; }
  std::array<bool, kCodes> down_{};
  std::array<bool, kCodes> physically_down_{};  // also through a flush
  std::array<int, kCodes> hits_{};
};

}  // namespace platform
