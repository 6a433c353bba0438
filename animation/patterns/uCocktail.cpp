// Placeholder until the choreography tool writes this table.
#include "animation/patterns/uCocktail.h"

const std::array<TTrack, kCocktailTracksCount> CocktailTracks{};
