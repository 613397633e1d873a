#pragma once
// The circuit photographed from above: the whole track picture, pixel by pixel.
#include "platform/pictures.h"
#include "trackgen/circuit.h"

namespace trackgen {

// Paints the circuit over `grass` (a tile repeated from the top-left corner).
platform::Pixels render_circuit(const Circuit& circuit, const platform::Pixels& grass);

}  // namespace trackgen
