#pragma once
// "Jingle Bells" (James Lord Pierpont, 1857), its refrain on chimes over
// bass bells, chords and sleigh bells.
#include <vector>

#include "tools/songsynth/Score.h"
#include "tools/songsynth/Song.h"

namespace songsynth {

// Stems: chimes (the tune), accompaniment, sleighbells.
TSong RenderJingleBells();

// The tune's notes as struck, one octave under the chimes' pitch.
std::vector<TNote> JingleBellsMelody();

}  // namespace songsynth
