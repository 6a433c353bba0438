// The media player on a file's bytes: open, play, stop and close, as the
// song player does, with SDL's dummy audio driver standing in for a device.
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "platform/MediaPlayer.h"
#include "platform/PlatformError.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::TMediaPlayer player;
  player.FileName = WriteInputFile(data, size, QStringLiteral("KeloSong1.wav"));
  try {
    player.Open();
    player.Play();
    player.Stop();
    player.Close();
  } catch (const platform::EPlatformError&) {
    // Refused files and missing devices are reported, not crashed on.
  }
  return 0;
}
