#pragma once
// The Snow fairy choreography: 28 constant tracks, read in place.
#include "animation/patterns/TTrack.h"

inline constexpr int kHatuyukiTracksCount = 28;
extern const std::array<TTrack, kHatuyukiTracksCount> HatuyukiTracks;
static_assert(sizeof(HatuyukiTracks) == 28 * sizeof(TTrack), "tracks lie back to back");
