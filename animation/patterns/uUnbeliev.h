#pragma once
// The Meteor shower choreography: 20 constant tracks, read in place.
#include "animation/patterns/TTrack.h"

inline constexpr int kUnbelieveTracksCount = 20;
extern const std::array<TTrack, kUnbelieveTracksCount> UnbelieveTracks;
static_assert(sizeof(UnbelieveTracks) == 20 * sizeof(TTrack), "tracks lie back to back");
