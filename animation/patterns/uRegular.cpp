// Placeholder until the choreography tool writes this table.
#include "animation/patterns/uRegular.h"

const std::array<TTrack, kRegularTracksCount> RegularTracks{};
