#pragma once
// A song as its parts (stems), and the writers that turn it into the WAV
// file the program loops, or into one file per part for review.
#include <string>
#include <vector>

#include "tools/songsynth/Dsp.h"

namespace songsynth {

struct TStem {
  std::string Name;  // file name suffix, e.g. "soprano"
  TMix Mix;
};

struct TSong {
  std::vector<TStem> Stems;
  // Where the song ends and its loop begins again; 0: once its sound has
  // died away.
  double LoopSeconds = 0.0;
  double FadeOutSeconds = 1.5;
};

// Every song is brought to this loudness, or to a peak of -1 dBFS if that
// is lower, so switching songs keeps the level.
inline constexpr double kTargetLufs = -15.0;

TMix MixDown(const TSong& song);

// The mix as 16-bit stereo PCM, both ends faded so the loop cannot click.
void WriteSong(const TSong& song, const std::string& path);

// Each stem as `<pathStem>-<name>.wav`, with the song's gain, length and
// fades, so the stems add up to the song.
void WriteStems(const TSong& song, const std::string& pathStem);

}  // namespace songsynth
