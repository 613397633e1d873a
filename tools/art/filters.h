#pragma once
// Whole-picture effects for opaque pictures.
#include "canvas.h"
#include "shapes.h"

namespace art {

// Averages every pixel with points on its way towards `centre`, like a photograph taken
// while rushing forwards: sharp around the centre, streaked towards the edges. A pixel at
// distance d is smeared over strength * d pixels, with at most max_samples lookups.
Canvas zoom_blur(const Canvas& source, Vec2 centre, float strength, int max_samples);

// Darkens towards the corners, as a camera lens does; `amount` is the darkening at the corners.
void vignette(Canvas& canvas, float amount);

// Raises every channel to at least `lowest` (0..1).
void lift_blacks(Canvas& canvas, float lowest);

}  // namespace art
