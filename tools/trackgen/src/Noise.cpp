#include "Noise.h"

#include <cmath>

namespace trackgen {

std::vector<double> SmoothNoise(int n, double rho, Rng& rng) {
  std::vector<double> g(n);
  double v = rng.Normal();
  for (int i = 0; i < n; ++i) {
    g[i] = v;
    v = rho * v + std::sqrt(1 - rho * rho) * rng.Normal();
  }
  return g;
}

std::vector<double> Progress(const std::vector<double>& weights) {
  double total = 0;
  for (double w : weights) total += w;
  std::vector<double> u;
  double run = 0;
  for (double w : weights) u.push_back((run += w) / total);
  u.back() = 1.0;
  return u;
}

std::vector<double> IrregularWeights(int n, double spread, Rng& rng) {
  std::vector<double> w;
  for (double g : SmoothNoise(n, 0.55, rng)) w.push_back(std::exp(spread * g));
  return w;
}

}  // namespace trackgen
