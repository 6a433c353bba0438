#pragma once
// Building blocks shared by both songs: the stereo mix, a seeded noise
// source, filters, envelopes, a small room reverb and the WAV writer.
#include <cstdint>
#include <string>
#include <vector>

namespace songsynth {

inline constexpr int kRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

double NoteHz(double midiNote);

// A stereo mix that grows as sounds are added to it.
struct TMix {
  std::vector<float> Left, Right;
  std::size_t Frames() const { return Left.size(); }
  // Adds `value` at frame `at`, panned from -1 (left) to +1 (right) at
  // constant power.
  void Add(std::size_t at, double value, double pan);
};

// xorshift64*: the same numbers on every machine and every run.
class TRng {
 public:
  explicit TRng(std::uint64_t seed) : state_(seed | 1) {}
  double Uniform();  // [0, 1)
  double Between(double low, double high) { return low + (high - low) * Uniform(); }

 private:
  std::uint64_t state_;
};

// 0 -> 1 along half a cosine over `length` seconds: no corner, no click.
double Ramp(double t, double length);

// A band-pass biquad with 0 dB gain at its centre.
class TBandPass {
 public:
  TBandPass(double hz, double bandwidthHz);
  double Step(double x);

 private:
  double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One resonance of a cascade formant filter: unity gain at 0 Hz and a peak
// at its centre. In a chain, resonators add up their peaks without leaving
// notches between them, as a vocal tract does.
class TResonator {
 public:
  TResonator(double hz, double bandwidthHz);
  double Step(double x);

 private:
  double a_ = 0, b_ = 0, c_ = 0;
  double y1_ = 0, y2_ = 0;
};

// Eight damped combs and four all-passes per side, the classic small room.
// The room hears the two sides summed, so reverberating the parts of a song
// one by one gives the same sum as reverberating the whole.
void AddReverb(TMix& mix, double wet, double roomSize);

}  // namespace songsynth
