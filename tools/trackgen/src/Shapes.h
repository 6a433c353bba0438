#pragma once
// The ways a free stretch of a path is drawn between its fixed points.
#include "Geometry.h"
#include "Inputs.h"
#include "Plan.h"
#include "Random.h"

namespace trackgen {

enum class Shape {
  Drift,  // sinks with a meandering sideways drift (snow, gifts, girls)
  Sweep,  // a sleigh's sideways sweep between two turns, slower near the turns
  Pass,   // a sleigh's crossing with an up-and-down wobble inside a band
  Orb,    // rises along the glass, loops, and comes down again
};

struct Style {
  Shape shape = Shape::Drift;
  bool falling = true;              // no move rises (planted rises excepted)
  double speedSpread = 0.5;         // how irregular the move lengths are
  double meander = 6.0;             // sideways swing in px
  double wobble = 0.0;              // up-and-down swing in px
  double bumps = 0.0;               // small irregular up-and-down steps in px
  double sway = 0.0;                // small irregular sideways steps in px
  double gusts = 0.0;               // share of spells at gust pace
  double gustPace = 2.2;            // how much faster a gust is than the steady pace
  double lulls = 0.0;               // share of spells at half pace
  double cap = 20.0;                // the longest move allowed outside planted moves
  int bandTop = 0, bandBottom = 0;  // Pass: the band the sleigh keeps to
};

// Draws a whole track from its plan; the result keeps every fixed point and
// still step of the plan, but has not been checked yet.
Path DrawTrack(const Plan& plan, const Style& style, OrbWay way, Rng& rng);

}  // namespace trackgen
