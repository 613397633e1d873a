#include "trackgen/generate.h"

#include "track_folder/track_folder.h"
#include "track_folder/tyre_stack.h"
#include "trackgen/grass.h"
#include "trackgen/render.h"

namespace trackgen {

void generate_track(const std::string& dir, const TrackParams& params, bool keep_existing_data) {
  const Circuit circuit = make_circuit(params);
  const platform::Pixels grass = grass_tile(params.seed);
  track_folder::write_track_folder(dir, render_circuit(circuit, grass), grass, track_folder::tyre_stack(kTyreSize),
                                   circuit.layout, keep_existing_data);
}

}  // namespace trackgen
