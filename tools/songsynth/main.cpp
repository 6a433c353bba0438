// Renders the two songs the snow globe plays into the folder given as the
// only argument. The output depends on nothing but this program.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/songsynth/Bells.h"
#include "tools/songsynth/Choir.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: songsynth <output folder>\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  try {
    songsynth::WriteSong(songsynth::RenderSilentNight(), 1.5, folder + "KeloSong1.wav");
    songsynth::WriteSong(songsynth::RenderJingleBells(), 1.5, folder + "KeloSong2.wav");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "songsynth: %s\n", error.what());
    return 1;
  }
  return 0;
}
