#include "Checks.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trackgen {
namespace {

std::string At(int step, const std::string& what) {
  return "step " + std::to_string(step) + ": " + what;
}

struct Sample {
  double s, v;
};

// Largest residual of the least-squares fit of v by the given basis.
template <std::size_t N, typename Basis>
double FitResidual(const std::vector<Sample>& data, Basis basis) {
  std::array<std::array<double, N + 1>, N> m{};
  for (const Sample& d : data) {
    const auto b = basis(d.s);
    for (std::size_t i = 0; i < N; ++i) {
      for (std::size_t j = 0; j < N; ++j) m[i][j] += b[i] * b[j];
      m[i][N] += b[i] * d.v;
    }
  }
  for (std::size_t i = 0; i < N; ++i) {  // Gauss-Jordan with partial pivoting
    std::size_t p = i;
    for (std::size_t r = i + 1; r < N; ++r)
      if (std::abs(m[r][i]) > std::abs(m[p][i])) p = r;
    std::swap(m[i], m[p]);
    if (std::abs(m[i][i]) < 1e-12) return 1e9;
    for (std::size_t r = 0; r < N; ++r) {
      if (r == i) continue;
      const double f = m[r][i] / m[i][i];
      for (std::size_t c = i; c <= N; ++c) m[r][c] -= f * m[i][c];
    }
  }
  double worst = 0;
  for (const Sample& d : data) {
    const auto b = basis(d.s);
    double fit = 0;
    for (std::size_t i = 0; i < N; ++i) fit += b[i] * m[i][N] / m[i][i];
    worst = std::max(worst, std::abs(fit - d.v));
  }
  return worst;
}

bool Reproduced(const std::vector<Sample>& data) {
  constexpr double kClose = 1.5;
  if (FitResidual<3>(data, [](double s) { return std::array<double, 3>{1, s, s * s}; }) < kClose)
    return true;
  for (double period = 4; period <= 600; period *= 1.02) {
    const double w = 6.283185307179586 / period;
    const auto sine = [w](double s) {
      return std::array<double, 3>{1, std::sin(w * s), std::cos(w * s)};
    };
    if (FitResidual<3>(data, sine) < kClose) return true;
  }
  return false;
}

}  // namespace

std::string CheckRegion(const Path& path, const Region& r) {
  for (int s = 1; s <= kSteps; ++s) {
    const Pt p = path[s];
    if (!Visible(p)) continue;
    if (p.x < r.minX || p.x > r.maxX || p.y < r.minY || p.y > r.maxY) return At(s, "outside");
    if (FromCentre(p) > r.farthest + 0.049) return At(s, "too far out");
  }
  return {};
}

std::string CheckMoves(const Path& path, double cap, const std::set<int>& planted) {
  for (int s = 2; s <= kSteps; ++s)
    if (Visible(path[s]) && Visible(path[s - 1]) && !planted.count(s) &&
        Distance(path[s - 1], path[s]) > cap)
      return At(s, "move too long");
  return {};
}

std::string CheckStillSteps(const Path& path, const Plan& plan) {
  for (int s = 1; s <= kSteps; ++s) {
    const bool shown = s >= plan.first && s <= plan.last && plan.first > 0;
    if (Visible(path[s]) != shown) return At(s, "shown at the wrong step");
    if (shown && (path[s] == path[s - 1]) != bool(plan.still[s])) return At(s, "still step wrong");
  }
  return {};
}

std::string CheckFalling(const Path& path, const std::set<int>& rises) {
  for (int s = 2; s <= kSteps; ++s)
    if (Visible(path[s]) && Visible(path[s - 1]) && path[s].y < path[s - 1].y && !rises.count(s))
      return At(s, "rises");
  return {};
}

std::string CheckSweeps(const Path& path, const std::vector<Turn>& turns, Pt start, Pt end,
                        int first) {
  std::vector<Turn> marks{{first, first, start}};
  marks.insert(marks.end(), turns.begin(), turns.end());
  int last = first;
  while (last < kSteps && path[last + 1] == end) ++last;
  while (last + 1 <= kSteps && Visible(path[last + 1])) ++last;
  marks.push_back({last, last, end});
  for (std::size_t k = 0; k + 1 < marks.size(); ++k) {
    const Turn a = marks[k], b = marks[k + 1];
    const int dir = b.at.x > a.at.x ? 1 : -1;
    const int top = std::min(a.at.y, b.at.y) - 4, bottom = std::max(a.at.y, b.at.y) + 4;
    for (int s = a.to + 1; s <= b.from; ++s) {
      if ((path[s].x - path[s - 1].x) * dir < 0) return At(s, "sweep turns back");
      if (path[s].y < top || path[s].y > bottom) return At(s, "sweep leaves its band");
    }
  }
  return {};
}

std::string CheckOrb(const Path& path, int first, OrbWay way) {
  int crossings = 0, side = 1, firstHigh = 0, lowest = 999;
  std::vector<int> crossX;
  double turned = 0;
  std::vector<double> radii;
  for (int s = first; s <= kSteps; ++s) {
    const Pt p = path[s];
    if (p.y == int(kCentreY)) return At(s, "on the middle height");
    const int now = p.y > kCentreY ? 1 : -1;
    if (now != side) {
      ++crossings;
      crossX.push_back(p.x);
    }
    side = now;
    if (p.y < 60 && !firstHigh) firstHigh = s - first;
    lowest = std::min(lowest, p.y);
    radii.push_back(FromCentre(p));
    if (s > first) {
      const Pt q = path[s - 1];
      double d =
          std::atan2(p.y - kCentreY, p.x - kCentreX) - std::atan2(q.y - kCentreY, q.x - kCentreX);
      while (d > 3.141592653589793) d -= 6.283185307179586;
      while (d < -3.141592653589793) d += 6.283185307179586;
      turned += d * 180 / 3.141592653589793;
    }
  }
  if (crossings != 2) return "crosses the middle " + std::to_string(crossings) + " times";
  if (firstHigh < 28 || firstHigh > 70) return "reaches the top at the wrong time";
  if (lowest > 42) return "does not reach the top";
  std::nth_element(radii.begin(), radii.begin() + radii.size() / 2, radii.end());
  const double median = radii[radii.size() / 2];
  if (median < 72 || median > 113) return "not close enough to the glass";
  const bool leftUp = crossX[0] < kCentreX, leftDown = crossX[1] < kCentreX;
  switch (way) {
    case OrbWay::Clockwise:
      if (!(leftUp && !leftDown && turned > 280)) return "does not circle clockwise";
      break;
    case OrbWay::Anticlockwise:
      if (!(!leftUp && leftDown && turned < -280)) return "does not circle anticlockwise";
      break;
    case OrbWay::LeftSide:
    case OrbWay::RightSide: {
      const bool left = way == OrbWay::LeftSide;
      if (leftUp != left || leftDown != left || std::abs(turned) > 150) return "changes sides";
    }
  }
  return {};
}

std::string CheckFall(const Path& path, const MeteorRow& row, bool slowStart, bool softLanding) {
  const Pt a = row.fallFirst, b = row.fallLast;
  const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
  std::vector<double> moves;
  for (int s = row.fFirst; s <= row.fLast; ++s) {
    const Pt p = path[s];
    if (std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / len > 8.4) return At(s, "off the line");
    if (s > row.fFirst) moves.push_back(Distance(path[s - 1], p));
  }
  if (row.track == 4) moves.pop_back();  // its last fall step stands still on purpose
  for (std::size_t i = 1; i + 1 < moves.size(); ++i)
    if (moves[i] == 0) return "stands still in its fall";
  int tail = 0;
  while (tail < int(moves.size()) && moves[moves.size() - 1 - tail] < 10) ++tail;
  int head = 0;
  while (head < int(moves.size()) && moves[head] < 10) ++head;
  if (tail < 1 || tail > 5) return "does not slow down at its end";
  if (moves.back() == 0 || moves.back() > (softLanding ? 8.0 : 5.0)) return "lands too hard";
  if (slowStart != (head >= 1) || head > 3) return "starts at the wrong speed";
  for (std::size_t i = head; i + tail < moves.size(); ++i)
    if (moves[i] < 10) return "slows down mid-fall";
  return {};
}

bool FollowsFormula(const Path& path) {
  std::vector<Sample> xs, ys;
  for (int s = 1; s <= kSteps; ++s)
    if (Visible(path[s])) {
      xs.push_back({double(s), double(path[s].x)});
      ys.push_back({double(s), double(path[s].y)});
    }
  return !xs.empty() && (Reproduced(xs) || Reproduced(ys));
}

std::vector<std::uint64_t> MoveRuns(const Path& path, bool mirrorX, bool mirrorY) {
  std::vector<std::uint64_t> runs;
  std::vector<std::uint64_t> moves;
  auto flush = [&] {
    for (std::size_t i = 0; i + 8 <= moves.size(); ++i) {
      std::uint64_t h = 1469598103934665603ull;
      for (std::size_t k = i; k < i + 8; ++k) h = (h ^ moves[k]) * 1099511628211ull;
      runs.push_back(h);
    }
    moves.clear();
  };
  for (int s = 2; s <= kSteps; ++s) {
    if (!Visible(path[s]) || !Visible(path[s - 1])) {
      flush();
      continue;
    }
    const int dx = (path[s].x - path[s - 1].x) * (mirrorX ? -1 : 1);
    const int dy = (path[s].y - path[s - 1].y) * (mirrorY ? -1 : 1);
    if (dx || dy) moves.push_back(std::uint64_t((dx + 512) * 1024 + (dy + 512)));
  }
  flush();
  return runs;
}

}  // namespace trackgen
