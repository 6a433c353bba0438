#pragma once
// The registry of the five built-in choreographies: each table with its
// exact track count, its short key and its random index. Everything that
// names a pattern (the menu's pattern items, the preview's --pattern) takes
// it from here.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "animation/patterns/TTrack.h"

enum class TPattern { Cocktail, Unbelieve, Hatuyuki, Regular, Tatumaki };

struct TPatternEntry {
  TPattern Pattern;
  const TTrack* Table;  // the constant table itself, never a copy
  std::int32_t Count;   // its exact number of tracks
  const char* Key;      // short lower-case name, as on a command line
  int RandomIndex;      // the value of the random pick that selects it
};

inline constexpr int kPatternCount = 5;

// The five entries in menu order.
const std::array<TPatternEntry, kPatternCount>& PatternRegistry();
const TPatternEntry& PatternEntry(TPattern pattern);
// The pattern that random index r (0 to 4) stands for.
TPattern PatternByRandomIndex(int r);
// The pattern whose key is `key`; nothing for any other text.
std::optional<TPattern> PatternByKey(std::string_view key);
