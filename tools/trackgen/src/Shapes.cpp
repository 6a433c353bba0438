#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "Noise.h"
#include "OrbPath.h"

namespace trackgen {
namespace {

// Move weights that keep to a steady pace most of the time, with spells of
// dawdling and short gusts, as snow does in moving air.
std::vector<double> GustyWeights(int n, const Style& style, Rng& rng) {
  auto w = IrregularWeights(n, style.speedSpread, rng);
  double pace = 1.0;
  for (int i = 0; i < n; ++i) {
    if (i == 0 || rng.Unit() < 0.35) {
      const double roll = rng.Unit();
      pace = roll < style.gusts ? style.gustPace : roll < style.gusts + style.lulls ? 0.45 : 1.0;
    }
    w[i] *= pace;
  }
  return w;
}

// A random swing that is zero at both ends of the stretch.
struct Swing {
  double c[4] = {0, 0, 0, 0};
  Swing(double amplitude, Rng& rng) {
    for (int j = 0; j < 4; ++j) c[j] = amplitude * rng.Normal() / (j + 1);
  }
  double At(double u) const {
    double v = 0;
    for (int j = 0; j < 4; ++j) v += c[j] * std::sin(kPi * (j + 1) * u);
    return v;
  }
};

std::vector<Real> DrawStretch(Pt a, Pt b, int n, const Style& style, Rng& rng) {
  std::vector<double> weights;
  if (style.shape == Shape::Sweep) {
    const auto g = SmoothNoise(n, 0.5, rng);
    for (int i = 0; i < n; ++i)
      weights.push_back(0.3 + std::sin(kPi * (i + 0.5) / n) * std::exp(style.speedSpread * g[i]));
  } else {
    weights = GustyWeights(n, style, rng);
  }
  const auto u = Progress(weights);
  const double reach = std::min(1.5, std::sqrt(n / 30.0));
  const Swing side(style.meander * reach, rng);
  const Swing updown(style.wobble * reach, rng);
  const auto bumps = SmoothNoise(n, 0.6, rng);
  const auto sways = SmoothNoise(n, 0.5, rng);
  std::vector<Real> out;
  for (int i = 0; i < n; ++i) {
    const double t = u[i];
    const double fade = std::sqrt(std::sin(kPi * t));
    const double bump = style.bumps * bumps[i] * fade;
    const double sway = style.sway * sways[i] * fade;
    Real r{a.x + (b.x - a.x) * t + side.At(t) + sway, a.y + (b.y - a.y) * t + updown.At(t) + bump};
    if (style.shape == Shape::Pass)
      r.y = std::clamp(r.y, double(style.bandTop), double(style.bandBottom));
    out.push_back(r);
  }
  return out;
}

// Rounding can land two moving steps on one pixel; push the later one on by a
// pixel, downwards where the track falls and sideways otherwise.
void SeparateRepeats(std::vector<Pt>& pts, bool falling, int towards) {
  for (std::size_t k = 1; k + 1 < pts.size(); ++k) {
    if (!(pts[k] == pts[k - 1])) continue;
    if (falling && pts[k].y + 1 <= pts[k + 1].y)
      ++pts[k].y;
    else
      pts[k].x += towards;
  }
  const std::size_t n = pts.size();
  if (n >= 3 && pts[n - 1] == pts[n - 2]) pts[n - 2].x -= towards;
}

void FillStretch(Path& path, Pt a, const std::vector<int>& steps, Pt b, const Style& style,
                 Rng& rng) {
  const auto reals = DrawStretch(a, b, int(steps.size()), style, rng);
  std::vector<Pt> pts{a};
  for (const Real& r : reals) pts.push_back(Round(r));
  pts.back() = b;
  SeparateRepeats(pts, style.falling, b.x >= a.x ? 1 : -1);
  for (std::size_t i = 0; i + 1 < steps.size(); ++i) path[steps[i]] = pts[i + 1];
  path[steps.back()] = b;
}

void CopyStillSteps(const Plan& plan, Path& path) {
  for (int s = plan.first; s <= plan.last; ++s)
    if (plan.still[s]) path[s] = path[s - 1];
  for (const auto& [step, p] : plan.anchors)
    if (!(path[step] == p))
      throw std::runtime_error("track " + std::to_string(plan.track) + ": step " +
                               std::to_string(step) + " cannot both stand still and be fixed");
}

void DrawBetweenAnchors(const Plan& plan, const Style& style, Path& path, Rng& rng) {
  std::vector<int> keys;
  for (const auto& [step, p] : plan.anchors)
    if (!plan.still[step]) keys.push_back(step);
  for (std::size_t k = 0; k < keys.size(); ++k) path[keys[k]] = plan.anchors.at(keys[k]);
  for (std::size_t k = 0; k + 1 < keys.size(); ++k) {
    const auto steps = MovingSteps(plan, keys[k] + 1, keys[k + 1]);
    if (steps.size() > 1)
      FillStretch(path, plan.anchors.at(keys[k]), steps, plan.anchors.at(keys[k + 1]), style, rng);
  }
}

}  // namespace

Path DrawTrack(const Plan& plan, const Style& style, OrbWay way, Rng& rng) {
  Path path{};
  path[0] = Pt{plan.kind, 0};
  if (plan.first == 0) return path;
  if (style.shape == Shape::Orb)
    DrawOrb(plan, way, path, rng);
  else
    DrawBetweenAnchors(plan, style, path, rng);
  CopyStillSteps(plan, path);
  return path;
}

}  // namespace trackgen
