// Placeholder until the choreography tool writes this table.
#include "animation/patterns/uUnbeliev.h"

const std::array<TTrack, kUnbelieveTracksCount> UnbelieveTracks{};
