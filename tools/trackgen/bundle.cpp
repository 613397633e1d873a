#include "trackgen/bundle.h"

#include "platform/files.h"
#include "trackgen/generate.h"

namespace trackgen {
namespace {

constexpr int kOpenTracks = 2;
constexpr int kUnlockOffset = 38;  // the catalogue stores the number of open tracks plus 38

}  // namespace

const std::array<BundledTrack, 3> kBundledTracks{{
    {"waldring", "Waldring", {16, 2400, 1800, Style::twisty}},
    {"hafenkurs", "Hafenkurs", {14, 3600, 2800, Style::flowing}},
    {"alpenschleife", "Alpenschleife", {8, 5000, 5000, Style::hairpins}},
}};

void write_bundle(const std::string& maps_dir, std::span<const BundledTrack> tracks) {
  for (const BundledTrack& track : tracks) generate_track(maps_dir + "/" + track.folder, track.params, true);
  const std::string catalogue = maps_dir + "/maps.txt";
  if (platform::file_exists(catalogue)) return;
  std::string text = std::to_string(tracks.size()) + "\r\n" + std::to_string(kOpenTracks + kUnlockOffset) + "\r\n";
  for (const BundledTrack& track : tracks) text += std::string(track.folder) + "\r\n" + track.name + "\r\n";
  platform::replace_file(catalogue, text);
}

}  // namespace trackgen
