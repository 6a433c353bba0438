#pragma once
// Programme loudness as broadcast meters measure it (ITU-R BS.1770): the
// K-weighted mean square of 400 ms blocks, gated at -70 LUFS and at 10 LU
// under the ungated mean.
#include <vector>

namespace songsynth {

// Integrated loudness of a stereo signal at kRate, in LUFS; -70 for silence.
double IntegratedLoudness(const std::vector<float>& left, const std::vector<float>& right);

}  // namespace songsynth
