#pragma once
// A Meteor shower track: twinkles at its star point, one nearly straight fall
// that is fast in the middle and slows down at its end, twinkles where it lands.
#include "Geometry.h"
#include "Inputs.h"
#include "Random.h"

namespace trackgen {

Path DrawMeteor(const MeteorRow& row, const PatternInput& in, Rng& rng);

}  // namespace trackgen
