#include "replay/replay.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>
#include <utility>

#include "game/shell/startup.h"
#include "platform/file_error.h"
#include "platform/headless_platform.h"
#include "platform/key_script.h"

namespace replay {

namespace fs = std::filesystem;

namespace {

using FlipFiles = std::vector<std::pair<long, fs::path>>;

// Thrown out of the game when the last allowed flip has been made. Not a FileError,
// so the game's own handlers let it pass.
struct MaxFlipsReached {};

bool wanted(const FlipFiles& files, long flip) {
  return std::any_of(files.begin(), files.end(), [flip](const auto& entry) { return entry.first == flip; });
}

FlipFiles absolute(const FlipFiles& files) {
  FlipFiles result;
  for (const auto& [flip, path] : files) result.emplace_back(flip, fs::absolute(path));
  return result;
}

// The game opens its files by relative paths, so it runs inside its folder.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const fs::path& dir) : previous_(fs::current_path()) { fs::current_path(dir); }
  ~WorkingDirectory() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
  }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

 private:
  fs::path previous_;
};

// One CSV row per race frame, formatted into a fixed buffer: a one-hour race has
// 216,000 of them.
class Trace {
 public:
  explicit Trace(const fs::path& path) : path_(path), file_(std::fopen(path.c_str(), "wb")) {
    if (!file_) throw OutputError(path_.string() + ": cannot write the trace");
    std::fputs(
        "flip,clock,player_x,player_y,Winkel,Geschwindigkeit,Lenkung,Kamera_x,Kamera_y,Runde,"
        "Naechstes_Kollisionsfeld,Neustart,Aktuelle_Zeit,Letzte_Runde,Beste_Zeit\n",
        file_);
  }
  ~Trace() {
    if (file_) std::fclose(file_);
  }
  Trace(const Trace&) = delete;
  Trace& operator=(const Trace&) = delete;

  // Called after the frame's lap timing, before its flip.
  void row(const Game& g) {
    char line[512];
    const int size = std::snprintf(
        line, sizeof line, "%ld,%d,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%d,%d,%d,%.9g,%.9g,%.9g\n", g.p.flips() + 1,
        g.p.millisecs(), double(g.player_x), double(g.player_y), double(g.Winkel), double(g.Geschwindigkeit),
        double(g.Lenkung), double(g.Kamera_x), double(g.Kamera_y), g.Runde, g.Naechstes_Kollisionsfeld, g.Neustart,
        double(g.Aktuelle_Zeit), double(g.Letzte_Runde), double(g.Beste_Zeit));
    if (std::fwrite(line, 1, std::size_t(size), file_) != std::size_t(size)) fail();
  }

  void close() {
    std::FILE* file = std::exchange(file_, nullptr);
    if (std::fclose(file) != 0) fail();
  }

 private:
  [[noreturn]] void fail() const { throw OutputError(path_.string() + ": cannot write the trace"); }

  fs::path path_;
  std::FILE* file_;
};

// The headless platform that looks at each flip as it is shown: keeps the drawing list
// of the flips asked for, rasterises just the frames a screenshot needs, and stops the
// game at the last allowed flip. The recorder is attached only for the frames whose list
// is wanted, since recording formats every operation and a long replay draws millions.
class ReplayPlatform final : public platform::HeadlessPlatform {
 public:
  ReplayPlatform(FlipFiles draws, FlipFiles shots, long max_flips)
      : HeadlessPlatform(false), draws_(std::move(draws)), shots_(std::move(shots)), max_flips_(max_flips) {
    prepare_for(1);
  }

 protected:
  // Runs once per flip, after the frame's drawing; flips() still counts the flip before.
  void present() override {
    HeadlessPlatform::present();
    const long flip = flips() + 1;
    for (const auto& [number, path] : draws_)
      if (number == flip) write_draws(path);
    for (const auto& [number, path] : shots_)
      if (number == flip) write_shot(path);
    if (flip >= max_flips_) throw MaxFlipsReached{};
    prepare_for(flip + 1);
  }

 private:
  struct DrawList : platform::DrawRecorder {
    void draw(const std::string& operation) override {
      operations += operation;
      operations += '\n';
    }
    std::string operations;
  };

  // A frame that draws nothing (the menu's flip right after a race or an error screen)
  // shows the one before it, which starts with cls; so a screenshot rasterises its own
  // frame and the one before.
  void prepare_for(long flip) {
    draw_list_.operations.clear();
    set_recorder(wanted(draws_, flip) ? &draw_list_ : nullptr);
    set_rasterise(wanted(shots_, flip) || wanted(shots_, flip + 1));
  }

  void write_draws(const fs::path& path) const {
    std::ofstream out(path, std::ios::binary);
    out << draw_list_.operations;
    out.close();
    if (!out) throw OutputError(path.string() + ": cannot write the drawing list");
  }

  void write_shot(const fs::path& path) const {
    try {
      save_png(path.string());
    } catch (const platform::FileError& error) {
      throw OutputError(error.what());  // must not reach the game's handlers as a file of its own
    }
  }

  FlipFiles draws_, shots_;
  long max_flips_;
  DrawList draw_list_;
};

}  // namespace

int run(const Options& options) {
  std::vector<platform::ScriptGroup> groups = platform::parse_key_script(options.script);
  std::optional<Trace> trace;
  if (!options.trace.empty()) trace.emplace(options.trace);
  const FlipFiles draws = absolute(options.draws), shots = absolute(options.shots);

  int status = 0;
  {
    WorkingDirectory in_game_dir(options.game_dir);
    ReplayPlatform p(draws, shots, options.max_flips);
    p.set_script(std::move(groups));
    Game g(p);
    if (trace) g.race_frame_done = [&trace](const Game& game) { trace->row(game); };
    try {
      run_game(g);
    } catch (const MaxFlipsReached&) {
      status = 3;
    }
  }
  if (trace) trace->close();
  return status;
}

// ---- The command line ----

namespace {

const char* const kUsage =
    "usage: kurvenjagd-replay --game-dir DIR --script FILE [--trace FILE] [--draws N:FILE]...\n"
    "                         [--shot N:FILE]... [--max-flips N]\n"
    "Runs the game headless in DIR (its data/ and maps/; a best time is saved there), with keys\n"
    "from FILE, on a virtual clock that starts at 1000 ms and moves 16/17/17 ms per flip.\n"
    "  --trace FILE      CSV of every race frame's state, taken before the frame's flip\n"
    "  --draws N:FILE    the drawing operations shown by flip N, one per line\n"
    "  --shot N:FILE     the picture shown by flip N as a 1024 x 768 PNG\n"
    "  --max-flips N     stop after flip N (default 1000000)\n"
    "Script lines: down KEY | up KEY | tap KEY | close | wait N   (# starts a comment)\n"
    "KEY: Up Down Left Right R S Enter Space Escape, or a virtual key code 1...255.\n"
    "Exit status: 0 the game ended by itself; 1 the game's files (data/, maps/maps.txt) are\n"
    "unusable; 2 bad arguments, a bad script line or an output that cannot be written;\n"
    "3 --max-flips was reached.\n";

struct UsageError {
  std::string problem;
};

std::optional<long> positive_number(std::string_view text) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1) return std::nullopt;
  return value;
}

std::pair<long, fs::path> flip_and_file(const std::string& option, const std::string& value) {
  const std::size_t colon = value.find(':');
  const std::optional<long> flip = positive_number(std::string_view(value).substr(0, colon));
  if (colon == std::string::npos || !flip || colon + 1 == value.size())
    throw UsageError{option + " needs N:FILE with a flip number N from 1, got '" + value + "'"};
  return {*flip, value.substr(colon + 1)};
}

std::string read_script(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in) throw UsageError{"cannot read the script " + path.string()};
  return text.str();
}

// Fills the options; throws UsageError. Returns false when only the usage was asked for.
bool parse(const std::vector<std::string>& args, Options& options, fs::path& script_file) {
  bool have_max_flips = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--help") return false;
    auto value = [&]() -> const std::string& {
      if (i + 1 == args.size()) throw UsageError{option + " needs a value"};
      return args[++i];
    };
    auto once = [&](bool given) {
      if (given) throw UsageError{option + " given twice"};
    };
    if (option == "--game-dir") {
      once(!options.game_dir.empty());
      options.game_dir = value();
    } else if (option == "--script") {
      once(!script_file.empty());
      script_file = value();
    } else if (option == "--trace") {
      once(!options.trace.empty());
      options.trace = value();
    } else if (option == "--draws") {
      options.draws.push_back(flip_and_file(option, value()));
    } else if (option == "--shot") {
      options.shots.push_back(flip_and_file(option, value()));
    } else if (option == "--max-flips") {
      once(have_max_flips);
      have_max_flips = true;
      const std::string& text = value();
      const std::optional<long> flips = positive_number(text);
      if (!flips) throw UsageError{"--max-flips needs a number from 1, got '" + text + "'"};
      options.max_flips = *flips;
    } else {
      throw UsageError{"unknown argument '" + option + "'"};
    }
  }
  if (options.game_dir.empty() || script_file.empty()) throw UsageError{"--game-dir and --script are needed"};
  if (!fs::is_directory(options.game_dir)) throw UsageError{options.game_dir.string() + " is not a folder"};
  return true;
}

}  // namespace

int main_with_args(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  fs::path script_file;
  try {
    if (!parse(args, options, script_file)) {
      out << kUsage;
      return 0;
    }
    options.script = read_script(script_file);
  } catch (const UsageError& error) {
    err << "kurvenjagd-replay: " << error.problem << " (see --help)\n";
    return 2;
  }
  try {
    const int status = run(options);
    if (status == 3) err << "kurvenjagd-replay: stopped at flip " << options.max_flips << " (--max-flips)\n";
    return status;
  } catch (const platform::ScriptError& error) {
    err << "kurvenjagd-replay: " << script_file.string() << ": " << error.what() << "\n";
    return 2;
  } catch (const OutputError& error) {
    err << "kurvenjagd-replay: " << error.what() << "\n";
    return 2;
  } catch (const platform::FileError& error) {
    err << "kurvenjagd-replay: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace replay
