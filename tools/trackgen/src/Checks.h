#pragma once
// The tests an authored track must pass before the generator keeps it. Each
// returns an empty string when the track passes, else the reason it fails.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "Geometry.h"
#include "Inputs.h"
#include "Plan.h"
#include "Shapes.h"

namespace trackgen {

std::string CheckRegion(const Path& path, const Region& region);
// Every move at most `cap` long, except into the steps in `planted`.
std::string CheckMoves(const Path& path, double cap, const std::set<int>& planted);
// Exactly the planned steps stand still, and no move has both ends fixed wrong.
std::string CheckStillSteps(const Path& path, const Plan& plan);
// No move goes up, except into the steps in `rises`.
std::string CheckFalling(const Path& path, const std::set<int>& rises);
// A sweep between two turns flies one way and keeps to the band of its turns.
std::string CheckSweeps(const Path& path, const std::vector<Turn>& turns, Pt start, Pt end,
                        int first);
std::string CheckOrb(const Path& path, int first, OrbWay way);
std::string CheckFall(const Path& path, const MeteorRow& row, bool slowStart, bool softLanding);

// True when a straight line, a parabola or a sine curve in X or in Y, over
// the step number, puts every visible point within 1.5 px.
bool FollowsFormula(const Path& path);

// Hashes of every run of 8 consecutive moves (standing still left out, runs
// broken at hidden steps), under the given mirroring.
std::vector<std::uint64_t> MoveRuns(const Path& path, bool mirrorX, bool mirrorY);

}  // namespace trackgen
