#pragma once
// The tyre barrier as the game draws it: a stack of tyres seen from above, held by a
// coloured band, with a soft shadow; transparent around it.
#include "platform/pictures.h"

namespace trackgen {

platform::Pixels tyre_stack();  // kTyreSize × kTyreSize, with alpha

}  // namespace trackgen
