#pragma once
// The race track seen from a low camera in a car: a right-hand bend running
// off to the horizon, with kerbs, a rubbered racing line and grass beside it.
#include "canvas.h"
#include "shapes.h"

namespace art {

constexpr float kHorizonY = 300.0f;   // screen row of the horizon
constexpr float kVanishingX = 600.0f; // screen column straight ahead of the camera

// Colour of the ground seen through the screen point p, which must lie below the horizon.
// `haze` is the colour the ground fades into far away.
Color ground_colour(Vec2 p, const Color& haze);

}  // namespace art
