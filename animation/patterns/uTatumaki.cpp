// Placeholder until the choreography tool writes this table.
#include "animation/patterns/uTatumaki.h"

const std::array<TTrack, kTatumakiTracksCount> TatumakiTracks{};
