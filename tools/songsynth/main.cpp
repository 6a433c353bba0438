// Renders the two songs the snow globe plays into the folder given as the
// last argument; with --stems, every part of each song as a file of its own
// instead. The output depends on nothing but this program.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "tools/songsynth/Bells.h"
#include "tools/songsynth/Choir.h"

int main(int argc, char** argv) {
  const bool stems = argc == 3 && std::strcmp(argv[1], "--stems") == 0;
  if (argc != 2 && !stems) {
    std::fprintf(stderr, "usage: songsynth [--stems] <output folder>\n");
    return 2;
  }
  const std::string folder = std::string(argv[argc - 1]) + "/";
  try {
    const songsynth::TSong songs[] = {songsynth::RenderSilentNight(),
                                      songsynth::RenderJingleBells()};
    for (int i = 0; i < 2; ++i) {
      const std::string name = folder + "KeloSong" + std::to_string(i + 1);
      if (stems)
        songsynth::WriteStems(songs[i], name);
      else
        songsynth::WriteSong(songs[i], name + ".wav");
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "songsynth: %s\n", error.what());
    return 1;
  }
  return 0;
}
