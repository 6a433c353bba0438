#include "tools/songsynth/Loudness.h"

#include <algorithm>
#include <cmath>

#include "tools/songsynth/Dsp.h"

namespace songsynth {
namespace {

constexpr double kSilence = -70.0;

class TBiquad {
 public:
  TBiquad(double b0, double b1, double b2, double a0, double a1, double a2)
      : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}
  double Step(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double b0_, b1_, b2_, a1_, a2_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// The head's acoustic effect: a +4 dB shelf above about 1.7 kHz.
TBiquad HeadShelf() {
  const double a = std::pow(10.0, 3.99984385397 / 40.0);
  const double w = 2.0 * kPi * 1681.9744509555319 / kRate;
  const double alpha = std::sin(w) / (2.0 * 0.7071752369554193);
  const double c = std::cos(w), s = 2.0 * std::sqrt(a) * alpha;
  return {a * ((a + 1) + (a - 1) * c + s), -2 * a * ((a - 1) + (a + 1) * c),
          a * ((a + 1) + (a - 1) * c - s), (a + 1) - (a - 1) * c + s,
          2 * ((a - 1) - (a + 1) * c),     (a + 1) - (a - 1) * c - s};
}

// The revised low-frequency B curve: a high-pass at about 38 Hz.
TBiquad LowCut() {
  const double w = 2.0 * kPi * 38.13547087613982 / kRate;
  const double alpha = std::sin(w) / (2.0 * 0.5003270373253953);
  const double c = std::cos(w);
  return {(1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

std::vector<double> KWeightedSquares(const std::vector<float>& samples) {
  TBiquad shelf = HeadShelf();
  TBiquad lowCut = LowCut();
  std::vector<double> squares(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double y = lowCut.Step(shelf.Step(samples[i]));
    squares[i] = y * y;
  }
  return squares;
}

double Lufs(double meanSquare) {
  return meanSquare > 0 ? -0.691 + 10.0 * std::log10(meanSquare) : kSilence - 1;
}

}  // namespace

double IntegratedLoudness(const std::vector<float>& left, const std::vector<float>& right) {
  const std::vector<double> l = KWeightedSquares(left);
  const std::vector<double> r = KWeightedSquares(right);
  const std::size_t block = kRate * 4 / 10, hop = block / 4;
  std::vector<double> blocks;
  for (std::size_t at = 0; at + block <= std::min(l.size(), r.size()); at += hop) {
    double sum = 0.0;
    for (std::size_t i = at; i < at + block; ++i) sum += l[i] + r[i];
    blocks.push_back(sum / block);
  }
  auto gatedMean = [&](double gate) {
    double sum = 0.0;
    int count = 0;
    for (double z : blocks)
      if (Lufs(z) > gate) sum += z, ++count;
    return count ? sum / count : 0.0;
  };
  const double relativeGate = Lufs(gatedMean(kSilence)) - 10.0;
  return std::max(kSilence, Lufs(gatedMean(std::max(kSilence, relativeGate))));
}

}  // namespace songsynth
