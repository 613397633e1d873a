#include "platform/keyboard.h"

namespace platform {

void Keyboard::press(int code) {
  if (!valid(code) || physically_down_[code]) return;  // auto-repeat, or held through a flush
  physically_down_[code] = true;
  down_[code] = true;
  ++hits_[code];
}

void Keyboard::release(int code) {
  if (!valid(code)) return;
  physically_down_[code] = false;
  down_[code] = false;
}

void Keyboard::flush() {
  down_.fill(false);
  hits_.fill(0);
}

int Keyboard::take_hits(int code) {
  if (!valid(code)) return 0;
  int hits = hits_[code];
  hits_[code] = 0;
  return hits;
}

int Keyboard::lowest_hit() const {
  for (int code = 1; code < kCodes; ++code)
    if (hits_[code] > 0) return code;
  return 0;
}

}  // namespace platform
