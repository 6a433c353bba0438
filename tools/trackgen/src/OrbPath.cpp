#include "OrbPath.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Noise.h"

namespace trackgen {
namespace {

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

}  // namespace

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

}  // namespace trackgen
