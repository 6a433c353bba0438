#pragma once
// Note data as written in a score: pitches as MIDI note numbers, lengths in
// beats, turned into start times in seconds.
#include <vector>

namespace songsynth {

inline constexpr int kRest = 0;

struct TScoreNote {
  int Pitch;     // MIDI note number, or kRest
  double Beats;  // length in beats
};

struct TNote {
  int Pitch;
  double Start;   // seconds
  double Length;  // seconds
};

// Lays the notes end to end from `start` at `secondsPerBeat`, leaving out
// rests and joining each note with a following one of the same pitch when
// `tie` is set.
std::vector<TNote> Timed(const std::vector<TScoreNote>& notes, double start, double secondsPerBeat,
                         bool tie = false);

// Note names for the scores: C4 is middle C (MIDI 60).
namespace pitch {
enum : int {
  F2 = 41,
  G2 = 43,
  A2 = 45,
  B2 = 47,
  C3 = 48,
  D3 = 50,
  E3 = 52,
  F3 = 53,
  G3 = 55,
  A3 = 57,
  B3 = 59,
  C4 = 60,
  D4 = 62,
  E4 = 64,
  F4 = 65,
  Fs4 = 66,
  G4 = 67,
  A4 = 69,
  B4 = 71,
  C5 = 72,
  D5 = 74,
  E5 = 76,
  F5 = 77,
  G5 = 79,
};
}  // namespace pitch

}  // namespace songsynth
