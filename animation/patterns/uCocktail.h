#pragma once
// The White Xmas choreography: 40 constant tracks, read in place.
#include "animation/patterns/TTrack.h"

inline constexpr int kCocktailTracksCount = 40;
extern const std::array<TTrack, kCocktailTracksCount> CocktailTracks;
static_assert(sizeof(CocktailTracks) == 40 * sizeof(TTrack), "tracks lie back to back");
static_assert(sizeof(CocktailTracks) == 48320, "White Xmas is 40 tracks of 1,208 bytes");
