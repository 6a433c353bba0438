#pragma once
// An orb's path: up along the glass, loops in the upper globe, down again,
// either circling the centre once or staying on one side.
#include "Geometry.h"
#include "Inputs.h"
#include "Plan.h"
#include "Random.h"

namespace trackgen {

// Fills the visible steps of `path` that move; still steps are left alone.
void DrawOrb(const Plan& plan, OrbWay way, Path& path, Rng& rng);

}  // namespace trackgen
