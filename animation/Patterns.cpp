#include "animation/Patterns.h"

#include "animation/patterns/uCocktail.h"
#include "animation/patterns/uHatuyuki.h"
#include "animation/patterns/uRegular.h"
#include "animation/patterns/uTatumaki.h"
#include "animation/patterns/uUnbeliev.h"

namespace {

constexpr std::array<TPatternEntry, kPatternCount> kRegistry{{
    {TPattern::Cocktail, CocktailTracks.data(), kCocktailTracksCount, "miCocktail", 4},
    {TPattern::Unbelieve, UnbelieveTracks.data(), kUnbelieveTracksCount, "miUnbelieve", 3},
    {TPattern::Hatuyuki, HatuyukiTracks.data(), kHatuyukiTracksCount, "miHatuyuki", 0},
    {TPattern::Regular, RegularTracks.data(), kRegularTracksCount, "miRegular", 1},
    {TPattern::Tatumaki, TatumakiTracks.data(), kTatumakiTracksCount, "miTatumaki", 2},
}};

constexpr std::array<TPattern, kPatternCount> kByRandomIndex{
    TPattern::Hatuyuki, TPattern::Regular, TPattern::Tatumaki, TPattern::Unbelieve,
    TPattern::Cocktail};

}  // namespace

const std::array<TPatternEntry, kPatternCount>& PatternRegistry() {
  return kRegistry;
}

const TPatternEntry& PatternEntry(TPattern pattern) {
  return kRegistry[static_cast<int>(pattern)];
}

TPattern PatternByRandomIndex(int r) {
  return kByRandomIndex.at(r);
}
