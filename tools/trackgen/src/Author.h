#pragma once
// Authors the tracks of all five patterns from their inputs and a seed.
#include <cstdint>
#include <string>
#include <vector>

#include "Geometry.h"
#include "Inputs.h"

namespace trackgen {

struct AuthoredPattern {
  PatternInput input;
  std::vector<Path> tracks;
};

// Draws every track, retrying each with the next random stream until it keeps
// all its rules; throws std::runtime_error if a track cannot be authored.
std::vector<AuthoredPattern> AuthorAll(std::vector<PatternInput> inputs, std::uint64_t seed);

}  // namespace trackgen
