#pragma once
// Plain measurements of compiled tracks, shared by the pattern tests.
#include <cmath>
#include <vector>

#include "animation/Patterns.h"
#include "animation/patterns/uCocktail.h"
#include "animation/patterns/uHatuyuki.h"
#include "animation/patterns/uRegular.h"
#include "animation/patterns/uTatumaki.h"
#include "animation/patterns/uUnbeliev.h"

namespace facts {

inline bool Shown(const TTrack& t, int s) {
  return s >= 1 && s <= kTrackSteps && t[s].X != 0;
}
inline bool StillAt(const TTrack& t, int s) {
  return Shown(t, s) && t[s] == t[s - 1];
}

inline int FirstShown(const TTrack& t) {
  for (int s = 1; s <= kTrackSteps; ++s)
    if (Shown(t, s)) return s;
  return 0;
}

inline int LastShown(const TTrack& t) {
  for (int s = kTrackSteps; s >= 1; --s)
    if (Shown(t, s)) return s;
  return 0;
}

inline int CountShown(const TTrack& t) {
  int n = 0;
  for (int s = 1; s <= kTrackSteps; ++s) n += Shown(t, s);
  return n;
}

inline int CountStill(const TTrack& t) {
  int n = 0;
  for (int s = 1; s <= kTrackSteps; ++s) n += StillAt(t, s);
  return n;
}

// The still steps with which the track's last visible run ends.
inline int RestAtEnd(const TTrack& t) {
  int n = 0;
  for (int s = LastShown(t); s >= 1 && StillAt(t, s); --s) ++n;
  return n;
}

inline double Length(int dx, int dy) {
  return std::hypot(double(dx), double(dy));
}
inline double FromCentre(TPoint p) {
  return std::hypot(p.X - 148.0, p.Y - 150.0);
}

// A move from one visible point to the next visible point of the same track.
struct Move {
  int track;  // 1-based
  int step;   // the step the move arrives at
  int dx, dy;
  double length;
};

inline std::vector<Move> Moves(const TTrack& t, int track) {
  std::vector<Move> moves;
  for (int s = 2; s <= kTrackSteps; ++s)
    if (Shown(t, s) && Shown(t, s - 1)) {
      const int dx = t[s].X - t[s - 1].X, dy = t[s].Y - t[s - 1].Y;
      moves.push_back({track, s, dx, dy, Length(dx, dy)});
    }
  return moves;
}

inline std::vector<Move> Moves(const TPatternEntry& e, int fromTrack = 1, int toTrack = 0) {
  std::vector<Move> all;
  if (toTrack == 0) toTrack = e.Count;
  for (int t = fromTrack; t <= toTrack; ++t)
    for (const Move& m : Moves(e.Table[t - 1], t)) all.push_back(m);
  return all;
}

inline int ShownAt(const TPatternEntry& e, int s) {
  int n = 0;
  for (int t = 0; t < e.Count; ++t) n += Shown(e.Table[t], s);
  return n;
}

}  // namespace facts
