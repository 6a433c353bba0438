#pragma once
// Measurements for reviewing the songs: levels at a pitch, spectral balance,
// and the note-by-note figures of the tests and of songmeasure.
#include <string>
#include <vector>

namespace songsynth {

struct TStereo {
  std::vector<float> Left, Right;
  double Seconds() const;
  std::vector<float> Mono() const;
};

// 16-bit PCM WAV at kRate; throws std::runtime_error on anything else.
TStereo ReadWav(const std::string& path);

// Level in dB of the sine at `hz` within [from, from + length) seconds,
// Hann-windowed; a full-scale sine reads 0 dB.
double ToneDb(const std::vector<float>& mono, double from, double length, double hz);

// RMS level in dB within [from, to) seconds.
double RmsDb(const std::vector<float>& mono, double from, double to);

// The pitch a YIN tracker hears within [from, from + length) seconds, in
// Hz between 60 and 1200; 0 if nothing periodic is found.
double TrackedPitchHz(const std::vector<float>& mono, double from, double length);

struct TBalance {
  double CentroidHz;  // power-weighted mean frequency
  double PresenceDb;  // power between 2 and 4 kHz against the whole
};
TBalance SpectralBalance(const std::vector<float>& mono);

}  // namespace songsynth
