#include "tools/songsynth/Score.h"

namespace songsynth {

std::vector<TNote> Timed(const std::vector<TScoreNote>& notes, double start, double secondsPerBeat,
                         bool tie) {
  std::vector<TNote> timed;
  double at = start;
  bool follows = false;  // the previous score note was sounded, not a rest
  for (const TScoreNote& note : notes) {
    const double length = note.Beats * secondsPerBeat;
    if (note.Pitch != kRest) {
      if (tie && follows && timed.back().Pitch == note.Pitch) {
        timed.back().Length += length;
      } else {
        timed.push_back({note.Pitch, at, length});
      }
    }
    follows = note.Pitch != kRest;
    at += length;
  }
  return timed;
}

}  // namespace songsynth
