#pragma once
// kurvenjagd-replay as a library: the whole game on the headless platform, driven by a
// key script, with a trace of every race frame, drawing lists and screenshots of chosen
// flips. Exactly repeatable: the same game folder and script give the same bytes.
#include <filesystem>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace replay {

struct Options {
  std::filesystem::path game_dir;  // working directory of the run: data/, maps/, save-back
  std::string script;              // the key script's text
  std::filesystem::path trace;     // empty: no trace
  std::vector<std::pair<long, std::filesystem::path>> draws;  // flip number, file
  std::vector<std::pair<long, std::filesystem::path>> shots;  // flip number, PNG file
  long max_flips = 1'000'000;
};

// A trace, drawing list or screenshot that could not be written.
class OutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Runs the game once. Output paths are taken relative to the caller's working directory;
// the game runs in game_dir, and the caller's directory is restored afterwards.
// Returns 0 when the game ended by itself, 3 when flip max_flips was made.
// Throws platform::ScriptError (bad script line, before anything runs),
// platform::FileError (the game's own files unusable) and OutputError.
int run(const Options& options);

// The command line without the program name; messages go to `err`, --help to `out`.
// Returns the exit status: 0 / 3 as run(), 1 for unusable game files, 2 for bad
// arguments, a bad script line or an output that could not be written.
int main_with_args(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace replay
