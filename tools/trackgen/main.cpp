// kurvenjagd-trackgen: makes race tracks from a seed and a few parameters.
//   kurvenjagd-trackgen --seed N --width W --height H --style twisty|flowing|hairpins OUTDIR
//   kurvenjagd-trackgen --bundle MAPSDIR
#include <cstdio>
#include <exception>
#include <map>
#include <optional>
#include <string>

#include "platform/file_error.h"
#include "trackgen/bundle.h"
#include "trackgen/generate.h"

namespace {

constexpr int kMinSize = 1800;  // smaller pictures leave no room for a circuit
constexpr int kMaxSize = 5000;  // the game holds at most 25 tiles across

int usage() {
  std::fprintf(stderr,
               "usage: kurvenjagd-trackgen --seed N --width W --height H --style twisty|flowing|hairpins OUTDIR\n"
               "       kurvenjagd-trackgen --bundle MAPSDIR\n"
               "Width and height are %d ... %d pixels. A single track replaces OUTDIR/data.txt;\n"
               "--bundle keeps existing data.txt files (best times) and an existing maps.txt.\n",
               kMinSize, kMaxSize);
  return 2;
}

std::optional<long long> number(const std::string& text) {
  std::size_t used = 0;
  try {
    const long long value = std::stoll(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

std::optional<trackgen::Style> style_named(const std::string& name) {
  if (name == "twisty") return trackgen::Style::twisty;
  if (name == "flowing") return trackgen::Style::flowing;
  if (name == "hairpins") return trackgen::Style::hairpins;
  return std::nullopt;
}

// The options of a single track; nothing when one is missing or out of range.
std::optional<trackgen::TrackParams> single_track(const std::map<std::string, std::string>& options) {
  if (options.size() != 4 || !options.count("--seed") || !options.count("--width") || !options.count("--height") ||
      !options.count("--style")) {
    return std::nullopt;
  }
  const std::optional<long long> seed = number(options.at("--seed"));
  const std::optional<long long> width = number(options.at("--width"));
  const std::optional<long long> height = number(options.at("--height"));
  const std::optional<trackgen::Style> style = style_named(options.at("--style"));
  if (!seed || *seed < 0 || !width || !height || !style) return std::nullopt;
  if (*width < kMinSize || *width > kMaxSize || *height < kMinSize || *height > kMaxSize) return std::nullopt;
  return trackgen::TrackParams{std::uint64_t(*seed), int(*width), int(*height), *style};
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> options;
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--", 0) != 0) {
      if (!folder.empty()) return usage();
      folder = arg;
    } else if (arg == "--bundle") {
      options[arg] = "";
    } else if (i + 1 < argc) {
      options[arg] = argv[++i];
    } else {
      return usage();
    }
  }
  if (folder.empty()) return usage();
  try {
    if (options.size() == 1 && options.count("--bundle")) {
      trackgen::write_bundle(folder, trackgen::kBundledTracks);
    } else if (const std::optional<trackgen::TrackParams> params = single_track(options)) {
      trackgen::generate_track(folder, *params, false);
    } else {
      return usage();
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kurvenjagd-trackgen: %s\n", error.what());
    return 1;
  }
  return 0;
}
