#pragma once
// "Silent Night" (Franz Xaver Gruber, 1818) for a wordless four-part choir.
#include "tools/songsynth/Dsp.h"

namespace songsynth {

TMix RenderSilentNight();

}  // namespace songsynth
