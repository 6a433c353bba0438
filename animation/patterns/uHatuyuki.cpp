// Placeholder until the choreography tool writes this table.
#include "animation/patterns/uHatuyuki.h"

const std::array<TTrack, kHatuyukiTracksCount> HatuyukiTracks{};
