#pragma once
// The Present choreography: 24 constant tracks, read in place.
#include "animation/patterns/TTrack.h"

inline constexpr int kTatumakiTracksCount = 24;
extern const std::array<TTrack, kTatumakiTracksCount> TatumakiTracks;
static_assert(sizeof(TatumakiTracks) == 24 * sizeof(TTrack), "tracks lie back to back");
