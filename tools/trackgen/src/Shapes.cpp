#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace trackgen {
namespace {

constexpr double kPi = 3.141592653589793;

struct Real {
  double x, y;
};

Pt Round(Real r) {
  return Pt{int(std::lround(r.x)), int(std::lround(r.y))};
}

// Smooth random noise: an AR(1) sequence with unit variance.
std::vector<double> SmoothNoise(int n, double rho, Rng& rng) {
  std::vector<double> g(n);
  double v = rng.Normal();
  for (int i = 0; i < n; ++i) {
    g[i] = v;
    v = rho * v + std::sqrt(1 - rho * rho) * rng.Normal();
  }
  return g;
}

// Where along a stretch of n moves each move ends (0..1, the last at 1), from
// per-move weights.
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

// ---- Orbs ---------------------------------------------------------------

struct Polar {
  double t, angle, radius;  // t counts moving steps; angle in degrees, unwrapped
};

double AngleOf(Pt p) {
  return std::atan2(p.y - kCentreY, p.x - kCentreX) * 180.0 / kPi;
}

// The unwrapped angles at which an orb goes up and comes down, and the range
// it wanders in above the middle. Screen angles grow clockwise (Y points down).
struct OrbRoute {
  double up, down, top, sinkSign, riseSign;
};

OrbRoute RouteOf(OrbWay way) {
  switch (way) {
    case OrbWay::Clockwise:
      return {180, 360, 270, +1, +1};
    case OrbWay::Anticlockwise:
      return {0, -180, -90, -1, -1};
    case OrbWay::LeftSide:
      return {180, 180, 270, -1, +1};
    case OrbWay::RightSide:
      return {0, 0, -90, +1, -1};
  }
  return {};
}

double EndAngle(OrbWay way, Pt end) {
  const double a = AngleOf(end);  // 0..180 in the lower half
  if (way == OrbWay::Clockwise) return a + 360;
  if (way == OrbWay::Anticlockwise) return a - 360;
  return a;
}

// Monotone cubic (Fritsch-Carlson) through the keys: no overshoot, so an
// orb crosses the middle height only where its keys say it does.
double Monotone(const std::vector<Polar>& keys, double Polar::*field, double t) {
  std::size_t k = 0;
  while (k + 2 < keys.size() && keys[k + 1].t <= t) ++k;
  auto slope = [&](std::size_t i) {
    return (keys[i + 1].*field - keys[i].*field) / (keys[i + 1].t - keys[i].t);
  };
  auto tangent = [&](std::size_t i) {
    if (i == 0) return slope(0);
    if (i + 1 == keys.size()) return slope(i - 1);
    const double a = slope(i - 1), b = slope(i);
    if (a * b <= 0) return 0.0;
    return 2.0 / (1.0 / a + 1.0 / b);
  };
  const double h = keys[k + 1].t - keys[k].t;
  const double s = (t - keys[k].t) / h;
  const double y0 = keys[k].*field, y1 = keys[k + 1].*field;
  const double m0 = tangent(k) * h, m1 = tangent(k + 1) * h;
  const double s2 = s * s, s3 = s2 * s;
  return (2 * s3 - 3 * s2 + 1) * y0 + (s3 - 2 * s2 + s) * m0 + (-2 * s3 + 3 * s2) * y1 +
         (s3 - s2) * m1;
}

std::vector<Polar> OrbKeys(Pt from, double t0, Pt end, double tEnd, OrbWay way, Rng& rng) {
  const OrbRoute r = RouteOf(way);
  std::vector<Polar> keys;
  keys.push_back({t0, AngleOf(from), FromCentre(from)});
  const double tTop = rng.Uniform(44, 62);
  const double tUp = tTop * rng.Uniform(0.45, 0.6);
  keys.push_back(
      {tUp - rng.Uniform(5, 9), r.up - r.riseSign * rng.Uniform(18, 35), rng.Uniform(76, 104)});
  keys.push_back(
      {tUp + rng.Uniform(4, 8), r.up + r.riseSign * rng.Uniform(18, 35), rng.Uniform(76, 104)});
  // The top: Y 31 to 42 somewhere near the glass.
  const double topAngle = r.top + rng.Uniform(-38, 38);
  const double topY = rng.Uniform(33, 41.5);
  const double topRadius =
      std::min(125.0, (kCentreY - topY) / std::abs(std::sin(topAngle * kPi / 180)));
  keys.push_back({tTop, topAngle, topRadius});
  const double tDown = rng.Uniform(std::min(tTop + 30, tEnd - 22), tEnd - 22);
  const int wanders = int((tDown - tTop) / 40);
  for (int i = 1; i <= wanders; ++i) {
    const double t = tTop + (tDown - 6 - tTop) * i / (wanders + 1.0);
    keys.push_back({t, r.top + rng.Uniform(-35, 35), rng.Uniform(70, 112)});
  }
  keys.push_back(
      {tDown - rng.Uniform(4, 7), r.down - r.sinkSign * rng.Uniform(18, 35), rng.Uniform(76, 104)});
  keys.push_back(
      {tDown + rng.Uniform(4, 7), r.down + r.sinkSign * rng.Uniform(18, 35), rng.Uniform(76, 104)});
  if (tEnd - tDown > 36)
    keys.push_back({(tDown + tEnd) / 2 + rng.Uniform(-4, 4),
                    (keys.back().angle + EndAngle(way, end)) / 2 + rng.Uniform(-20, 20),
                    rng.Uniform(74, 108)});
  keys.push_back({tEnd, EndAngle(way, end), FromCentre(end)});
  return keys;
}

// Pins become keys of the curve at the time the orb passes them, replacing
// the random keys close by; each pin's angle is unwrapped to the turn the
// curve is on there.
void AddPins(std::vector<Polar>& keys, const std::vector<Polar>& pins) {
  for (Polar pin : pins) {
    const double around = Monotone(keys, &Polar::angle, pin.t);
    pin.angle += 360.0 * std::round((around - pin.angle) / 360.0);
    std::erase_if(keys, [&](const Polar& k) {
      return &k != &keys.front() && &k != &keys.back() && std::abs(k.t - pin.t) < 6;
    });
    keys.insert(std::upper_bound(keys.begin(), keys.end(), pin,
                                 [](const Polar& a, const Polar& b) { return a.t < b.t; }),
                pin);
  }
}

void DrawOrb(const Plan& plan, OrbWay way, Path& path, Rng& rng) {
  const auto steps = MovingSteps(plan, plan.first, plan.last);
  // The orb follows its fixed opening steps, then the curve takes over.
  std::size_t fixed = 0;
  while (fixed + 1 < steps.size() && plan.anchors.count(steps[fixed + 1])) ++fixed;
  for (std::size_t i = 0; i <= fixed; ++i) path[steps[i]] = plan.anchors.at(steps[i]);
  const Pt end = plan.anchors.at(steps.back());
  auto keys = OrbKeys(path[steps[fixed]], double(fixed), end, double(steps.size() - 1), way, rng);
  const auto warp = Progress(IrregularWeights(int(steps.size() - 1 - fixed), 0.25, rng));
  const auto jx = SmoothNoise(int(steps.size()), 0.8, rng);
  const auto jy = SmoothNoise(int(steps.size()), 0.8, rng);
  auto timeOf = [&](std::size_t i) {
    return fixed + warp[i - fixed - 1] * (steps.size() - 1 - fixed);
  };
  std::vector<Polar> pins;
  for (std::size_t i = fixed + 1; i + 1 < steps.size(); ++i)
    if (const auto pin = plan.anchors.find(steps[i]); pin != plan.anchors.end())
      pins.push_back({timeOf(i), AngleOf(pin->second), FromCentre(pin->second)});
  AddPins(keys, pins);
  for (std::size_t i = fixed + 1; i + 1 < steps.size(); ++i) {
    const double t = timeOf(i);
    const double a = Monotone(keys, &Polar::angle, t) * kPi / 180;
    const double rad = Monotone(keys, &Polar::radius, t);
    Pt p = Round(
        {kCentreX + rad * std::cos(a) + 0.5 * jx[i], kCentreY + rad * std::sin(a) + 0.5 * jy[i]});
    if (p.y == int(kCentreY)) p.y += path[steps[i - 1]].y > kCentreY ? 1 : -1;
    if (p == path[steps[i - 1]]) p.x += 1;
    if (const auto pin = plan.anchors.find(steps[i]); pin != plan.anchors.end()) p = pin->second;
    path[steps[i]] = p;
  }
  path[steps.back()] = end;
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

// ---- Meteor shower ------------------------------------------------------

namespace {

// Move lengths of one fall: optional slow start, a fast middle, a slow end.
std::vector<double> FallLengths(int moves, double distance, bool slowStart, bool softLanding,
                                Rng& rng) {
  std::vector<double> len(moves);
  const int head = slowStart ? rng.Int(1, 2) : 0;
  const int tail = std::min(rng.Int(1, 3), moves - head - 2);
  double slow = 0;
  for (int i = 0; i < head; ++i) slow += len[i] = rng.Uniform(4, 9.2);
  for (int i = 0; i < tail; ++i) {
    const double last = softLanding ? rng.Uniform(5.6, 7.6) : rng.Uniform(1.4, 4.6);
    const double v = i == 0 ? last : std::min(9.3, last + i * rng.Uniform(1.0, 2.5));
    slow += len[moves - 1 - i] = v;
  }
  const int middle = moves - head - tail;
  double bump = 0;
  std::vector<double> shape(middle);
  for (int i = 0; i < middle; ++i)
    bump += shape[i] = (0.55 + std::sin(kPi * (i + 0.5) / middle)) * std::exp(0.18 * rng.Normal());
  const double scale = std::max(0.0, distance - slow) / bump;
  for (int i = 0; i < middle; ++i) len[head + i] = shape[i] * scale;
  return len;
}

}  // namespace

Path DrawMeteor(const MeteorRow& row, const PatternInput& in, Rng& rng) {
  Path path{};
  path[0] = Pt{row.kind, 0};
  for (int s = row.pFirst; s <= row.pLast; s += 2) path[s] = row.p;
  for (int s = row.qFirst; s <= row.qLast; s += 2) path[s] = row.q;
  // A fall that ends standing still reaches its last point one step early.
  const bool endsStill = row.track == 4;
  const int moves = row.fCount - 1 - (endsStill ? 1 : 0);
  const Pt a = row.fallFirst, b = row.fallLast;
  const double dx = b.x - a.x, dy = b.y - a.y, distance = std::hypot(dx, dy);
  auto len = FallLengths(moves, distance, in.slowStarts.count(row.track) > 0,
                         in.softLandings.count(row.track) > 0, rng);
  if (const auto planted = in.moves.find(row.track); planted != in.moves.end())
    for (const PlantedMove& m : planted->second) len[m.step - row.fFirst - 1] = Length(m.dx, m.dy);
  double total = 0;
  for (double l : len) total += l;
  const double bow = rng.Uniform(-3.5, 3.5);
  const auto jitter = SmoothNoise(moves, 0.3, rng);
  double run = 0;
  path[row.fFirst] = a;
  for (int i = 0; i + 1 < moves; ++i) {
    const double u = (run += len[i]) / total;
    const double side = bow * std::sin(kPi * u) + 0.6 * jitter[i];
    path[row.fFirst + 1 + i] =
        Round({a.x + dx * u - dy / distance * side, a.y + dy * u + dx / distance * side});
  }
  path[row.fFirst + moves] = b;
  if (endsStill) path[row.fLast] = b;
  if (const auto planted = in.moves.find(row.track); planted != in.moves.end())
    for (const PlantedMove& m : planted->second)
      path[m.step] = Pt{path[m.step - 1].x + m.dx, path[m.step - 1].y + m.dy};
  if (const auto told = in.telling.find(row.track); told != in.telling.end())
    for (const auto& [step, p] : told->second) path[step] = p;
  return path;
}

}  // namespace trackgen
