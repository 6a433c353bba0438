#pragma once
// The Express delivery choreography: 35 constant tracks, read in place.
#include "animation/patterns/TTrack.h"

inline constexpr int kRegularTracksCount = 35;
extern const std::array<TTrack, kRegularTracksCount> RegularTracks;
static_assert(sizeof(RegularTracks) == 35 * sizeof(TTrack), "tracks lie back to back");
