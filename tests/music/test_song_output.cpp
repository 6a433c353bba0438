// What reaches the sound card, read back from SDL's disk driver: it writes
// every buffer the device would play into a file, paced like a real card,
// and writes silence while the device is paused.
#include <QTest>
#include <QTimer>

#include "music/uSong.h"
#include "tests/fixtures/ScratchFolder.h"
#include "tests/fixtures/WavFixture.h"

namespace {

constexpr int kSongMs = 300;
constexpr int kRate = 8000;

std::vector<std::int16_t> ReadSamples(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
  std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
  return samples;
}

struct TRuns {
  int Complete = 0;            // whole runs of the song, each from its first sample
  std::size_t Partial = 0;     // samples of the run cut short by Stop
  std::size_t LongestGap = 0;  // silent samples between two runs
  QString Fault;               // what did not match, if anything
};

// Splits the device's output into runs of the song separated by silence.
TRuns SplitIntoRuns(const std::vector<std::int16_t>& out, const std::vector<std::int16_t>& song) {
  TRuns runs;
  std::size_t at = 0;
  std::size_t silence = 0;
  bool seenRun = false;
  while (at < out.size()) {
    if (out[at] == 0) {
      ++silence;
      ++at;
      continue;
    }
    if (runs.Partial) return {.Fault = QString("the song goes on after Stop at %1").arg(at)};
    if (seenRun) runs.LongestGap = std::max(runs.LongestGap, silence);
    std::size_t played = 0;
    while (played < song.size() && at < out.size() && out[at] == song[played]) ++played, ++at;
    if (played == song.size()) {
      ++runs.Complete;
    } else if (at < out.size() && out[at] != 0) {
      return {.Fault = QString("sample %1 of a run is wrong").arg(played)};
    } else {
      runs.Partial = played;
    }
    seenRun = true;
    silence = 0;
  }
  return runs;
}

}  // namespace

class TestSongOutput : public QObject {
  Q_OBJECT

 private slots:
  void the_device_gets_the_song_from_its_start_looped_and_nothing_after_stop() {
    TScratchFolder folder;
    const QString deviceFile = folder.Path("device.raw");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", deviceFile.toLocal8Bit());
    WriteFile(folder.Path("KeloSong1.wav"), SongWav(kSongMs));
    const std::vector<std::int16_t> song = AudibleSamples(kRate * kSongMs / 1000);

    {
      TMediaPlayer player;
      LoadSong(player, 1);
      QCOMPARE(player.Mode(), TMPModes::mpStopped);
      QTest::qWait(50);  // the paused device writes silence meanwhile
      StartSong(player);
      int restarts = 0;
      QTimer tick;
      QObject::connect(&tick, &QTimer::timeout, [&] {
        if (player.Mode() == TMPModes::mpStopped) ++restarts;
        SongKeepAlive(player);
      });
      tick.start(100);
      // Stop halfway through the third run.
      QVERIFY(
          QTest::qWaitFor([&] { return restarts == 2 && player.Position() > kSongMs / 3; }, 5000));
      tick.stop();
      StopSong(player);
      QTest::qWait(200);
    }  // closing the device flushes its file

    const TRuns runs = SplitIntoRuns(ReadSamples(deviceFile), song);
    QVERIFY2(runs.Fault.isEmpty(), qPrintable(runs.Fault));
    QCOMPARE(runs.Complete, 2);
    QVERIFY(runs.Partial > 0 && runs.Partial < song.size());
    qInfo("longest silence between two runs: %zu ms", runs.LongestGap * 1000 / kRate);
  }
};

QTEST_GUILESS_MAIN(TestSongOutput)
#include "test_song_output.moc"
