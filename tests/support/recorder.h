#pragma once
// Collects what the platform records: setup calls, drawing operations and flips.
#include <string>
#include <vector>

#include "platform/platform.h"

namespace test_support {

class Recorder : public platform::DrawRecorder {
 public:
  void setup(const std::string& call) override { setups.push_back(call); }
  void draw(const std::string& operation) override { frame.push_back(operation); }
  void flipped(long) override {
    frames.push_back(frame);
    frame.clear();
  }

  std::vector<std::string> setups;
  std::vector<std::string> frame;                // drawn since the last flip
  std::vector<std::vector<std::string>> frames;  // one per flip
};

}  // namespace test_support
