#pragma once
// What a track's schedule fixes before its free points are drawn: when it is
// shown, which steps stand still, and the points it must pass through.
#include <map>
#include <vector>

#include "Geometry.h"
#include "Inputs.h"
#include "Random.h"

namespace trackgen {

struct Plan {
  int track = 0, kind = 0, first = 0, last = 0;
  std::vector<bool> still = std::vector<bool>(kSteps + 1, false);
  std::map<int, Pt> anchors;
};

// Builds the plan of one schedule row: rest at the end, the repeat of the first
// point, the sleigh's turns, telling rows and pins, then the remaining pauses
// spread at random over the middle of the run.
Plan MakePlan(const PatternInput& in, const ScheduleRow& row, Rng& rng);

// The steps of [from, to] that move (are not still).
std::vector<int> MovingSteps(const Plan& plan, int from, int to);

}  // namespace trackgen
