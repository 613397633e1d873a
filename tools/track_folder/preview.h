#pragma once
// The menu's preview of a track: the whole picture shrunk into a 300 × 300 square.
#include "platform/pictures.h"

namespace track_folder {

// Shrinks `circuit` (never enlarges it) to fit `size` × `size` by area averaging,
// centred, with the rest in the filler's average colour.
platform::Pixels make_preview(const platform::Pixels& circuit, const platform::Pixels& filler, int size);

}  // namespace track_folder
