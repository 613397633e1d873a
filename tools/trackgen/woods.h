#pragma once
// Trees in the grass around the circuit, seen from above: clumps of round crowns lit
// from the top left, each casting its shadow to the bottom right. They keep clear of
// the road, the run-off and the picture's edge.
#include <vector>

#include "trackgen/circuit.h"
#include "trackgen/colour.h"
#include "trackgen/noise.h"

namespace trackgen {

class Woods {
 public:
  explicit Woods(const Circuit& circuit);
  // `ground` with whatever crown or shadow lies over pixel (x, y).
  Colour over(int x, int y, Colour ground) const;

 private:
  struct Tree {
    Vec2 centre;
    float radius = 0;
    Colour leaves;
  };
  const std::vector<int>& near(int x, int y) const;

  std::vector<Tree> trees_;
  int columns_ = 0;
  int rows_ = 0;
  std::vector<std::vector<int>> cells_;  // the trees reaching into each cell
  LatticeNoise lumps_;                   // crowns are not perfect circles
  LatticeNoise leaves_;                  // clumps of foliage
};

}  // namespace trackgen
