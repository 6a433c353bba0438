#include "animation/Patterns.h"

#include <stdexcept>

#include "animation/patterns/uCocktail.h"
#include "animation/patterns/uHatuyuki.h"
#include "animation/patterns/uRegular.h"
#include "animation/patterns/uTatumaki.h"
#include "animation/patterns/uUnbeliev.h"

namespace {

constexpr std::array<TPatternEntry, kPatternCount> kRegistry{{
    {TPattern::Cocktail, CocktailTracks.data(), kCocktailTracksCount, "cocktail", 4},
    {TPattern::Unbelieve, UnbelieveTracks.data(), kUnbelieveTracksCount, "unbelieve", 3},
    {TPattern::Hatuyuki, HatuyukiTracks.data(), kHatuyukiTracksCount, "hatuyuki", 0},
    {TPattern::Regular, RegularTracks.data(), kRegularTracksCount, "regular", 1},
    {TPattern::Tatumaki, TatumakiTracks.data(), kTatumakiTracksCount, "tatumaki", 2},
}};

// PatternEntry indexes the registry by the enum's value, and every random
// index from 0 to 4 stands for exactly one pattern.
constexpr bool RegistryIsWellFormed() {
  std::array<int, kPatternCount> randomUses{};
  for (std::size_t i = 0; i < kRegistry.size(); ++i) {
    if (static_cast<std::size_t>(kRegistry[i].Pattern) != i) return false;
    const int r = kRegistry[i].RandomIndex;
    if (r < 0 || r >= kPatternCount || ++randomUses[static_cast<std::size_t>(r)] != 1) return false;
  }
  return true;
}
static_assert(RegistryIsWellFormed());

}  // namespace

const std::array<TPatternEntry, kPatternCount>& PatternRegistry() {
  return kRegistry;
}

const TPatternEntry& PatternEntry(TPattern pattern) {
  return kRegistry[static_cast<int>(pattern)];
}

TPattern PatternByRandomIndex(int r) {
  for (const TPatternEntry& entry : kRegistry) {
    if (entry.RandomIndex == r) return entry.Pattern;
  }
  throw std::out_of_range("random index outside 0 to 4");
}

std::optional<TPattern> PatternByKey(std::string_view key) {
  for (const TPatternEntry& entry : kRegistry) {
    if (key == entry.Key) return entry.Pattern;
  }
  return std::nullopt;
}
