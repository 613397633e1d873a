#pragma once
// A key script drives the headless game: one step a line,
//   down KEY | up KEY | tap KEY | close | wait N
// KEY is Up Down Left Right R S Enter Space Escape or a virtual key code 1 ... 255.
// Blank lines and lines starting with '#' are ignored. The steps between two waits form
// a group that takes effect at the game's next key query once the waits before it have
// let the game flip often enough.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ScriptStep {
  enum class Kind { Down, Up, Tap, Close };
  Kind kind;
  int key = 0;
};

struct ScriptGroup {
  int flips_before = 0;  // flips to let pass after the previous group took effect
  std::vector<ScriptStep> steps;
};

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws ScriptError naming the line ("line 3: unknown key 'Foo'").
std::vector<ScriptGroup> parse_key_script(std::string_view text);

}  // namespace platform
