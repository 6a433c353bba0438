#pragma once
// The program's one pseudo-random sequence. It is seeded only on request
// (from the time of day or from a given seed), never at start-up.
#include <cstdint>

namespace platform {

// Seeds the sequence from the time of day in milliseconds.
void Randomize();
// Seeds the sequence with a fixed value (reproducible picks, tests).
void SetRandomSeed(std::uint32_t seed);
// The next integer from 0 to range - 1, each equally likely; range >= 1.
int Random(int range);

}  // namespace platform
