#pragma once
// Seeded noise and pacing shared by the path shapes.
#include <vector>

#include "Geometry.h"
#include "Random.h"

namespace trackgen {

inline constexpr double kPi = 3.141592653589793;

struct Real {
  double x, y;
};

inline Pt Round(Real r) {
  return Pt{int(std::lround(r.x)), int(std::lround(r.y))};
}

// Smooth random noise: an AR(1) sequence with unit variance.
std::vector<double> SmoothNoise(int n, double rho, Rng& rng);
// Where along a stretch each move ends (0..1, the last at 1), from per-move weights.
std::vector<double> Progress(const std::vector<double>& weights);
// Per-move weights that vary smoothly around 1 by about `spread` (log scale).
std::vector<double> IrregularWeights(int n, double spread, Rng& rng);

}  // namespace trackgen
