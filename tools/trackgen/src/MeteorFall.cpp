#include "MeteorFall.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Noise.h"

namespace trackgen {
namespace {

// Move lengths of one fall: optional slow start, a fast middle, a slow end.
std::vector<double> FallLengths(int moves, double distance, bool slowStart, bool softLanding,
                                Rng& rng) {
  std::vector<double> len(moves);
  const int head = slowStart ? 1 + (rng.Unit() < 0.25) + (rng.Unit() < 0.1) : 0;
  // Most falls brake within a move or two; now and then one takes longer.
  const int braking = 1 + (rng.Unit() < 0.3) + (rng.Unit() < 0.1) + 2 * (rng.Unit() < 0.05);
  const int tail = std::min(braking, moves - head - 2);
  double slow = 0;
  for (int i = 0; i < head; ++i) slow += len[i] = rng.Uniform(2.5, 8.5);
  for (int i = 0; i < tail; ++i) {
    const double last = softLanding ? rng.Uniform(5.6, 7.6) : rng.Uniform(1.4, 4.6);
    const double v = i == 0 ? last : std::min(9.3, last + i * rng.Uniform(1.0, 2.5));
    slow += len[moves - 1 - i] = v;
  }
  const int middle = moves - head - tail;
  double bump = 0;
  std::vector<double> shape(middle);
  for (int i = 0; i < middle; ++i)
    bump += shape[i] = (2.5 + std::sin(kPi * (i + 0.5) / middle)) * std::exp(0.18 * rng.Normal());
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
