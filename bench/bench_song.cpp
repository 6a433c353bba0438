// How fast the song answers: from Play to the first buffer handed to the
// device, and from the tick that finds an ended song to its restart.
// Runs on SDL's dummy driver, which asks for buffers at a sound card's pace.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "music/uSong.h"
#include "platform/ProgramFolder.h"

using platform::TMediaPlayer;
using platform::TMPModes;

namespace {

using TClock = std::chrono::steady_clock;

// A 16-bit stereo song at 44100 Hz, loud enough to be more than silence.
QByteArray Song(int milliseconds) {
  const int frames = 44100 * milliseconds / 1000;
  QByteArray data(frames * 4, '\x10');
  auto u32 = [](std::uint32_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [](std::uint16_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
  return "RIFF" + u32(36 + data.size()) + "WAVEfmt " + u32(16) + u16(1) + u16(2) + u32(44100) +
         u32(44100 * 4) + u16(4) + u16(16) + "data" + u32(data.size()) + data;
}

template <typename Done>
double SecondsUntil(Done done) {
  const auto start = TClock::now();
  while (!done()) std::this_thread::yield();
  return std::chrono::duration<double>(TClock::now() - start).count();
}

struct TSongInFolder {
  QTemporaryDir dir;
  TMediaPlayer player;
  explicit TSongInFolder(int milliseconds) {
    QFile file(dir.filePath("KeloSong1.wav"));
    file.open(QIODevice::WriteOnly);
    file.write(Song(milliseconds));
    file.close();
    platform::SetProgramFolderForTesting(dir.path() + '/');
    LoadSong(player, 1);
  }
};

void BM_PlayToFirstBuffer(benchmark::State& state) {
  TSongInFolder song(2000);
  for (auto _ : state) {
    const auto start = TClock::now();
    StartSong(song.player);
    SecondsUntil([&] { return song.player.Position() > 0; });
    state.SetIterationTime(std::chrono::duration<double>(TClock::now() - start).count());
    StopSong(song.player);
  }
}
BENCHMARK(BM_PlayToFirstBuffer)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

// The tick's part of a loop: rewind and restart of a song that has ended.
void BM_RestartAfterEnd(benchmark::State& state) {
  TSongInFolder song(30);
  for (auto _ : state) {
    StartSong(song.player);
    SecondsUntil([&] { return song.player.Mode() == TMPModes::mpStopped; });
    const auto start = TClock::now();
    SongKeepAlive(song.player);
    SecondsUntil([&] {
      const std::int64_t at = song.player.Position();
      return at > 0 && at < song.player.Length();
    });
    state.SetIterationTime(std::chrono::duration<double>(TClock::now() - start).count());
  }
}
BENCHMARK(BM_RestartAfterEnd)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
