#include "tools/songsynth/Dsp.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace songsynth {

double NoteHz(double midiNote) {
  return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0);
}

void TMix::Add(std::size_t at, double value, double pan) {
  if (at >= Left.size()) {
    Left.resize(at + kRate, 0.0f);
    Right.resize(at + kRate, 0.0f);
  }
  const double angle = (pan + 1.0) * kPi / 4.0;
  Left[at] += static_cast<float>(value * std::cos(angle));
  Right[at] += static_cast<float>(value * std::sin(angle));
}

double TRng::Uniform() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return static_cast<double>((state_ * 0x2545F4914F6CDD1DULL) >> 11) * 0x1.0p-53;
}

double Ramp(double t, double length) {
  if (t <= 0.0) return 0.0;
  if (t >= length) return 1.0;
  return 0.5 - 0.5 * std::cos(kPi * t / length);
}

TBandPass::TBandPass(double hz, double bandwidthHz) {
  const double w = 2.0 * kPi * hz / kRate;
  const double alpha = std::sin(w) * bandwidthHz / (2.0 * hz);  // sin(w) / 2Q
  const double a0 = 1.0 + alpha;
  b0_ = alpha / a0;
  b2_ = -alpha / a0;
  a1_ = -2.0 * std::cos(w) / a0;
  a2_ = (1.0 - alpha) / a0;
}

double TBandPass::Step(double x) {
  const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

TResonator::TResonator(double hz, double bandwidthHz) {
  c_ = -std::exp(-2.0 * kPi * bandwidthHz / kRate);
  b_ = 2.0 * std::exp(-kPi * bandwidthHz / kRate) * std::cos(2.0 * kPi * hz / kRate);
  a_ = 1.0 - b_ - c_;
}

double TResonator::Step(double x) {
  const double y = a_ * x + b_ * y1_ + c_ * y2_;
  y2_ = y1_;
  y1_ = y;
  return y;
}

namespace {

class TComb {
 public:
  TComb(std::size_t length, double feedback, double damping)
      : line_(length, 0.0), feedback_(feedback), damping_(damping) {}
  double Step(double x) {
    const double out = line_[at_];
    low_ = out * (1.0 - damping_) + low_ * damping_;
    line_[at_] = x + low_ * feedback_;
    at_ = (at_ + 1) % line_.size();
    return out;
  }

 private:
  std::vector<double> line_;
  double feedback_, damping_, low_ = 0.0;
  std::size_t at_ = 0;
};

class TAllPass {
 public:
  explicit TAllPass(std::size_t length) : line_(length, 0.0) {}
  double Step(double x) {
    const double delayed = line_[at_];
    line_[at_] = x + delayed * 0.5;
    at_ = (at_ + 1) % line_.size();
    return delayed - x;
  }

 private:
  std::vector<double> line_;
  std::size_t at_ = 0;
};

constexpr std::array<std::size_t, 8> kCombLengths{1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<std::size_t, 4> kAllPassLengths{556, 441, 341, 225};
constexpr std::size_t kStereoSpread = 23;

std::vector<float> Reverberate(const std::vector<float>& in, const std::vector<float>& other,
                               std::size_t spread, double roomSize) {
  std::vector<TComb> combs;
  for (std::size_t length : kCombLengths) combs.emplace_back(length + spread, roomSize, 0.25);
  std::vector<TAllPass> allPasses;
  for (std::size_t length : kAllPassLengths) allPasses.emplace_back(length + spread);
  std::vector<float> out(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    const double x = 0.5 * (in[i] + other[i]) * 0.05;
    double y = 0.0;
    for (TComb& comb : combs) y += comb.Step(x);
    for (TAllPass& allPass : allPasses) y = allPass.Step(y);
    out[i] = static_cast<float>(y);
  }
  return out;
}

}  // namespace

void AddReverb(TMix& mix, double wet, double roomSize) {
  // Room for the tail to ring out.
  const std::size_t tail = 3 * kRate;
  mix.Left.resize(mix.Frames() + tail, 0.0f);
  mix.Right.resize(mix.Frames() + tail, 0.0f);
  const std::vector<float> left = Reverberate(mix.Left, mix.Right, 0, roomSize);
  const std::vector<float> right = Reverberate(mix.Left, mix.Right, kStereoSpread, roomSize);
  for (std::size_t i = 0; i < mix.Frames(); ++i) {
    mix.Left[i] = static_cast<float>((1.0 - wet) * mix.Left[i] + wet * left[i]);
    mix.Right[i] = static_cast<float>((1.0 - wet) * mix.Right[i] + wet * right[i]);
  }
}

}  // namespace songsynth
