#pragma once
// The colours of the circuit, pixel by pixel: grass, asphalt with its rubbered racing
// line, white edge lines, red and white kerbs, gravel run-off and the chequered line.
#include <array>
#include <cstdint>

#include "platform/pictures.h"
#include "trackgen/circuit.h"
#include "trackgen/colour.h"
#include "trackgen/noise.h"
#include "trackgen/woods.h"

namespace trackgen {

// Where one pixel lies relative to its nearest centre-line point.
struct Place {
  float offset = 0;  // signed distance from the centre line, positive towards perp() of the direction
  double s = 0;      // arc length along the lap
  float racing = 0;  // offset of the racing line there
  float turned = 0;  // how far the centre line has turned there since its first point
  std::array<int, 3> bends{-1, -1, -1};  // the bends whose kerbs may reach here
  // Gravel, measured from the nearest centre-line point that has gravel on this side:
  float gravel_edge = 0;  // where it ends, from that point (0: no gravel)
  float gravel_away = 0;  // how far the pixel is from that point
};

// Everything beyond this distance from the centre line is plain grass.
constexpr float kPaintedBand = float(kHalfWidth + kGravelDepth * 1.15 + 8);

class Painter {
 public:
  Painter(const Circuit& circuit, const platform::Pixels& grass);
  Colour grass_at(int x, int y) const;
  Colour road_at(int x, int y, const Place& place, Colour grass) const;

 private:
  Colour asphalt(int x, int y, const Place& place) const;
  Colour kerb(int x, int y, const Place& place, float along) const;
  Colour gravel(int x, int y) const;

  const Circuit& circuit_;
  const platform::Pixels& grass_;
  LatticeNoise wide_;    // slow changes of tone over hundreds of pixels
  LatticeNoise meadow_;  // drier, yellower patches in the grass
  LatticeNoise medium_;  // patches of a few dozen pixels
  LatticeNoise fine_;    // grit
  Woods woods_;
};

}  // namespace trackgen
