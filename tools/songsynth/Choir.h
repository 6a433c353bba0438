#pragma once
// "Silent Night" (Franz Xaver Gruber, 1818) for a wordless four-part choir.
#include <vector>

#include "tools/songsynth/Score.h"
#include "tools/songsynth/Song.h"

namespace songsynth {

// Stems: soprano (the melody), alto, tenor, bass.
TSong RenderSilentNight();

// The melody's notes as sung, for measuring the song.
std::vector<TNote> SilentNightMelody();

}  // namespace songsynth
