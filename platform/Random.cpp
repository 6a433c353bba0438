#include "platform/Random.h"

#include <QTime>

namespace platform {
namespace {

// A 32-bit linear congruential sequence: tiny, fast, and the same on every
// machine, so a given seed always yields the same picks.
std::uint32_t state = 0;

std::uint32_t NextState() {
  state = state * 134775813u + 1u;
  return state;
}

}  // namespace

void Randomize() {
  SetRandomSeed(static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
}

void SetRandomSeed(std::uint32_t seed) {
  state = seed;
}

int Random(int range) {
  // The high bits of an LCG are its best ones: scale them into the range.
  return static_cast<int>(
      (static_cast<std::uint64_t>(NextState()) * static_cast<std::uint32_t>(range)) >> 32);
}

}  // namespace platform
