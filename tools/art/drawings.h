#pragma once
// The game's own pictures, each drawn from scratch by one function.
#include "platform/pictures.h"

namespace art {

platform::Pixels draw_car();         // seen from above, nose towards +y, with alpha
platform::Pixels draw_background();  // the menu backdrop, opaque
platform::Pixels draw_arrow(bool pointing_right);  // track selector arrow, with alpha

}  // namespace art
