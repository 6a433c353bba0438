#pragma once
// Which choreography the clock plays, and whether Random mode picks a new
// one at every restart.
#include <cstdint>

#include "animation/Patterns.h"

struct TPatternSelection {
  const TTrack* CurrentPattern = nullptr;  // the constant table itself
  std::int32_t TrackCount = 0;             // always the same pattern's count
  bool RandomMode = false;
};

// Turns Random mode off and makes `pattern` the one the clock plays.
void SelectPattern(TPatternSelection& selection, TPattern pattern);
// Picks one of the five patterns from the program's random sequence (without
// reseeding it) and turns Random mode on.
void PickRandomPattern(TPatternSelection& selection);
