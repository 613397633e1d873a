#pragma once
// The tyre barrier as the game draws it: a stack of tyres seen from above, held by a
// coloured band, with a soft shadow; transparent around it. The bundled tracks use it,
// and so does every built track that brings no barrier picture of its own.
#include "platform/pictures.h"

namespace track_folder {

platform::Pixels tyre_stack(int size);  // size × size, with alpha

}  // namespace track_folder
