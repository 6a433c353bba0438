#pragma once
// The registry of the five built-in choreographies: each table with its
// exact track count, its menu item and its random index.
#include <array>
#include <cstdint>

#include "animation/patterns/TTrack.h"

enum class TPattern { Cocktail, Unbelieve, Hatuyuki, Regular, Tatumaki };

struct TPatternEntry {
  TPattern Pattern;
  const TTrack* Table;   // the constant table itself, never a copy
  std::int32_t Count;    // its exact number of tracks
  const char* MenuItem;  // component name of its menu item
  int RandomIndex;       // the value of the random pick that selects it
};

inline constexpr int kPatternCount = 5;

// The five entries in menu order.
const std::array<TPatternEntry, kPatternCount>& PatternRegistry();
const TPatternEntry& PatternEntry(TPattern pattern);
// The pattern that random index r (0 to 4) stands for.
TPattern PatternByRandomIndex(int r);
