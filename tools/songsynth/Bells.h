#pragma once
// "Jingle Bells" (James Lord Pierpont, 1857), its refrain on chimes over
// sleigh bells.
#include "tools/songsynth/Dsp.h"

namespace songsynth {

TMix RenderJingleBells();

}  // namespace songsynth
