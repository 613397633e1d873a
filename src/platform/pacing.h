#pragma once
// The flip limiter: a schedule in whole milliseconds that advances 16 ms per flip and
// 1 ms more on 40 of every 60 flips, so 60 flips span exactly 1000 ms. A late frame
// resets the schedule to the clock instead of being caught up.
namespace platform {

class Pacer {
 public:
  void start(int now) {
    scheduled_ = now;
    remainder_ = 0;
  }
  // Advances the schedule for one flip; returns the time to sleep until, or `now`
  // when the schedule was already due (and has been reset to it).
  int next_flip(int now) {
    scheduled_ += 16;
    remainder_ += 40;
    if (remainder_ >= 60) {
      remainder_ -= 60;
      scheduled_ += 1;
    }
    if (scheduled_ > now) return scheduled_;
    scheduled_ = now;
    return now;
  }

 private:
  int scheduled_ = 0;
  int remainder_ = 0;
};

}  // namespace platform
