#include "platform/key_script.h"

#include <charconv>
#include <sstream>

namespace platform {

namespace {

int key_code(const std::string& name) {
  static const struct {
    const char* name;
    int code;
  } kNames[] = {{"Up", 38},    {"Down", 40},  {"Left", 37},  {"Right", 39},  {"R", 82},
                {"S", 83},     {"Enter", 13}, {"Space", 32}, {"Escape", 27}};
  for (const auto& entry : kNames)
    if (name == entry.name) return entry.code;
  int code = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), code);
  if (error == std::errc() && end == name.data() + name.size() && code >= 1 && code <= 255) return code;
  return 0;
}

}  // namespace

std::vector<ScriptGroup> parse_key_script(std::string_view text) {
  std::vector<ScriptGroup> groups(1);
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string verb, argument, extra;
    words >> verb >> argument >> extra;
    if (verb.empty() || verb[0] == '#') continue;
    auto fail = [&](const std::string& problem) {
      throw ScriptError("line " + std::to_string(number) + ": " + problem + ": '" + line + "'");
    };
    if (!extra.empty()) fail("too many words");
    if (verb == "close") {
      if (!argument.empty()) fail("close takes no key");
      groups.back().steps.push_back({ScriptStep::Kind::Close});
    } else if (verb == "wait") {
      int flips = -1;
      const auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), flips);
      if (error != std::errc() || end != argument.data() + argument.size() || flips < 0)
        fail("wait needs a number of flips");
      groups.push_back({flips, {}});
    } else if (verb == "down" || verb == "up" || verb == "tap") {
      const int code = key_code(argument);
      if (code == 0) fail("unknown key");
      const auto kind = verb == "down" ? ScriptStep::Kind::Down
                        : verb == "up" ? ScriptStep::Kind::Up
                                       : ScriptStep::Kind::Tap;
      groups.back().steps.push_back({kind, code});
    } else {
      fail("unknown step");
    }
  }
  return groups;
}

}  // namespace platform
