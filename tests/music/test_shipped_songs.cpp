// The two songs rendered by the build: the player opens them, they are
// 16-bit PCM of a sensible length, never clip and start and end in silence,
// so that the loop point cannot click. Both are equally loud, and the bells
// song comes back to its tune soon after the last note.
#include <QFile>
#include <QTest>

#include "music/uSong.h"
#include "platform/ProgramFolder.h"
#include "platform/WavProbe.h"
#include "tools/songsynth/Bells.h"
#include "tools/songsynth/Loudness.h"
#include "tools/songsynth/SongMeasures.h"

namespace {

songsynth::TStereo ShippedSong(const char* name) {
  return songsynth::ReadWav(SONG_FOLDER "/" + std::string(name));
}

}  // namespace

class TestShippedSongs : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { platform::SetProgramFolderForTesting(SONG_FOLDER "/"); }
  void cleanupTestCase() { platform::SetProgramFolderForTesting(QString()); }

  void songs_are_clean_loops_data() {
    QTest::addColumn<int>("song");
    QTest::newRow("KeloSong1.wav") << 1;
    QTest::newRow("KeloSong2.wav") << 2;
  }

  void songs_are_clean_loops() {
    QFETCH(int, song);
    TMediaPlayer player;
    LoadSong(player, song);
    QCOMPARE(player.Mode(), TMPModes::mpStopped);
    QVERIFY2(player.Length() >= 20000 && player.Length() <= 60000,
             qPrintable(QString::number(player.Length())));

    const platform::TWavHeader header = platform::ProbeWav(player.FileName);
    QCOMPARE(header.FormatTag, 1);
    QCOMPARE(header.BitsPerSample, 16);
    QFile file(player.FileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll().right(header.DataBytes);
    const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.constData());
    const std::size_t count = static_cast<std::size_t>(bytes.size()) / 2;
    int clipped = 0;
    for (std::size_t i = 0; i < count; ++i) clipped += std::abs(samples[i]) >= 32767;
    QCOMPARE(clipped, 0);
    constexpr int kQuiet = 64;  // -54 dBFS
    for (std::size_t end : {std::size_t{0}, std::size_t{1}, count - 2, count - 1}) {
      QVERIFY2(std::abs(samples[end]) <= kQuiet, qPrintable(QString::number(samples[end])));
    }
  }

  void songsAreEquallyLoud() {
    const songsynth::TStereo choir = ShippedSong("KeloSong1.wav");
    const songsynth::TStereo bells = ShippedSong("KeloSong2.wav");
    const double difference = songsynth::IntegratedLoudness(choir.Left, choir.Right) -
                              songsynth::IntegratedLoudness(bells.Left, bells.Right);
    QVERIFY2(std::abs(difference) <= 1.0, qPrintable(QString::number(difference)));
  }

  // From the last note of the tune round the loop to its first note.
  void bellsLoopBackToTheTuneQuickly() {
    const std::vector<songsynth::TNote> melody = songsynth::JingleBellsMelody();
    const double tail =
        ShippedSong("KeloSong2.wav").Seconds() - melody.back().Start + melody.front().Start;
    QVERIFY2(tail > 0.0 && tail <= 3.2, qPrintable(QString::number(tail)));
  }
};

QTEST_GUILESS_MAIN(TestShippedSongs)
#include "test_shipped_songs.moc"
