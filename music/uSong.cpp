#include "music/uSong.h"

#include <QtGlobal>
#include <array>

#include "platform/ErrorHandler.h"
#include "platform/ProgramFolder.h"

namespace {

using platform::TMPModes;

const std::array<QString, 2> kSongFiles{QStringLiteral("KeloSong1.wav"),
                                        QStringLiteral("KeloSong2.wav")};

}  // namespace

void LoadSong(platform::TMediaPlayer& player, int n) {
  Q_ASSERT(n == 1 || n == 2);
  player.FileName = platform::ProgramFolder() + kSongFiles[static_cast<std::size_t>(n - 1)];
  // Without the file the show simply runs silent.
  if (platform::FileExists(player.FileName)) platform::Guarded([&] { player.Open(); });
}

void SelectSong(platform::TMediaPlayer& player, int n) {
  player.Close();
  LoadSong(player, n);
}

void StartSong(platform::TMediaPlayer& player) {
  if (player.Mode() != TMPModes::mpStopped) return;
  player.Previous();
  player.Play();
}

void StopSong(platform::TMediaPlayer& player) {
  if (player.Mode() == TMPModes::mpPlaying) player.Stop();
}

void SongKeepAlive(platform::TMediaPlayer& player) {
  if (player.Mode() == TMPModes::mpStopped) player.Play();
}
