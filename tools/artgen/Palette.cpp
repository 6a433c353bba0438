#include "tools/artgen/Palette.h"

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

constexpr std::array<QRgb, 10> kLowStatic = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128), qRgb(128, 128, 128),
    qRgb(192, 220, 192), qRgb(166, 202, 240),
};
constexpr std::array<QRgb, 10> kHighStatic = {
    qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128), qRgb(255, 0, 0),
    qRgb(0, 255, 0),     qRgb(255, 255, 0),   qRgb(0, 0, 255),     qRgb(255, 0, 255),
    qRgb(0, 255, 255),   qRgb(255, 255, 255),
};
static_assert(kLowStatic.size() + kFreeEntries + kHighStatic.size() == kPaletteSize);

constexpr int kRefinementRounds = 6;

struct TSample {
  QRgb Colour;
  double Weight;
};

int Channel(QRgb c, int axis) {
  return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// A box of samples [begin, end) in the sample vector.
struct TBox {
  size_t Begin;
  size_t End;
  double Weight;
  int Axis;
  int Range;
};

TBox MakeBox(const std::vector<TSample>& samples, size_t begin, size_t end) {
  int lo[3] = {255, 255, 255};
  int hi[3] = {0, 0, 0};
  double weight = 0;
  for (size_t i = begin; i < end; ++i) {
    for (int a = 0; a < 3; ++a) {
      lo[a] = std::min(lo[a], Channel(samples[i].Colour, a));
      hi[a] = std::max(hi[a], Channel(samples[i].Colour, a));
    }
    weight += samples[i].Weight;
  }
  int axis = 0;
  for (int a = 1; a < 3; ++a)
    if (hi[a] - lo[a] > hi[axis] - lo[axis]) axis = a;
  return {begin, end, weight, axis, hi[axis] - lo[axis]};
}

// Splits boxes until there are `count`, always the box whose weight times
// extent is largest, at its weighted median along its longest axis.
std::vector<TBox> MedianCut(std::vector<TSample>& samples, int count) {
  std::vector<TBox> boxes = {MakeBox(samples, 0, samples.size())};
  while (static_cast<int>(boxes.size()) < count) {
    auto score = [](const TBox& b) { return b.End - b.Begin < 2 ? -1.0 : b.Weight * b.Range; };
    auto it = std::max_element(boxes.begin(), boxes.end(),
                               [&](const TBox& a, const TBox& b) { return score(a) < score(b); });
    if (score(*it) <= 0) break;
    const TBox box = *it;
    std::stable_sort(samples.begin() + static_cast<long>(box.Begin),
                     samples.begin() + static_cast<long>(box.End),
                     [&](const TSample& a, const TSample& b) {
                       return Channel(a.Colour, box.Axis) < Channel(b.Colour, box.Axis);
                     });
    double half = 0;
    size_t cut = box.Begin + 1;
    for (size_t i = box.Begin; i < box.End - 1; ++i) {
      half += samples[i].Weight;
      cut = i + 1;
      if (half >= box.Weight / 2) break;
    }
    *it = MakeBox(samples, box.Begin, cut);
    boxes.push_back(MakeBox(samples, cut, box.End));
  }
  return boxes;
}

QRgb MeanColour(const std::vector<TSample>& samples, size_t begin, size_t end) {
  double sum[3] = {0, 0, 0};
  double weight = 0;
  for (size_t i = begin; i < end; ++i) {
    for (int a = 0; a < 3; ++a) sum[a] += Channel(samples[i].Colour, a) * samples[i].Weight;
    weight += samples[i].Weight;
  }
  if (weight <= 0) return qRgb(0, 0, 0);
  auto mean = [&](int a) { return static_cast<int>(std::lround(sum[a] / weight)); };
  return qRgb(mean(0), mean(1), mean(2));
}

int NearestIn(const TPalette& palette, QRgb colour) {
  int best = 0;
  int bestDistance = ColourDistance(palette[0], colour);
  for (int i = 1; i < kPaletteSize && bestDistance > 0; ++i) {
    const int d = ColourDistance(palette[static_cast<size_t>(i)], colour);
    if (d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

// Lloyd refinement: the free entries move to the mean of the samples they
// serve; the fixed entries stay and keep serving the colours nearest them.
void Refine(TPalette& palette, const std::vector<TSample>& samples) {
  for (int round = 0; round < kRefinementRounds; ++round) {
    std::array<std::array<double, 4>, kPaletteSize> sums{};
    for (const TSample& s : samples) {
      auto& sum = sums[static_cast<size_t>(NearestIn(palette, s.Colour))];
      for (int a = 0; a < 3; ++a) sum[static_cast<size_t>(a)] += Channel(s.Colour, a) * s.Weight;
      sum[3] += s.Weight;
    }
    for (int i = kFirstFreeIndex; i <= kLastFreeIndex; ++i) {
      const auto& sum = sums[static_cast<size_t>(i)];
      if (sum[3] <= 0) continue;
      auto mean = [&](int a) {
        return static_cast<int>(std::lround(sum[static_cast<size_t>(a)] / sum[3]));
      };
      palette[static_cast<size_t>(i)] = qRgb(mean(0), mean(1), mean(2));
    }
  }
}

TPalette WithFixedEntries() {
  TPalette palette{};
  std::copy(kLowStatic.begin(), kLowStatic.end(), palette.begin());
  std::copy(kHighStatic.begin(), kHighStatic.end(), palette.begin() + kLastFreeIndex + 1);
  return palette;
}

}  // namespace

int ColourDistance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b);
  const int dg = qGreen(a) - qGreen(b);
  const int db = qBlue(a) - qBlue(b);
  return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

TPalette FitPalette(const THistogram& histogram) {
  std::vector<TSample> samples;
  samples.reserve(histogram.size());
  for (const auto& [colour, weight] : histogram) samples.push_back({colour, weight});

  TPalette palette = WithFixedEntries();
  const std::vector<TBox> boxes = MedianCut(samples, kFreeEntries);
  for (size_t i = 0; i < static_cast<size_t>(kFreeEntries); ++i) {
    palette[kFirstFreeIndex + i] =
        i < boxes.size() ? MeanColour(samples, boxes[i].Begin, boxes[i].End) : qRgb(0, 0, 0);
  }
  Refine(palette, samples);
  return palette;
}

quint8 TNearestColour::IndexOf(QRgb colour) {
  colour |= 0xff000000u;
  if (auto it = cache_.find(colour); it != cache_.end()) return it->second;
  const auto index = static_cast<quint8>(NearestIn(palette_, colour));
  cache_.emplace(colour, index);
  return index;
}

}  // namespace artgen
