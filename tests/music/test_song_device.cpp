// When the player holds an audio device: only while sound plays. Each case
// drives the song operations on SDL's dummy driver and watches the count of
// open devices as the audio worker keeps it.
#include <QElapsedTimer>
#include <QTest>

#include "music/uSong.h"
#include "platform/AudioWorker.h"
#include "tests/fixtures/ScratchFolder.h"
#include "tests/fixtures/WavFixture.h"

using platform::TMediaPlayer;
using platform::TMPModes;
namespace audio = platform::audio_worker;

namespace {

constexpr int kWaitMs = 3000;
// The position counts frames handed to the device, so a worker that opens the
// device at once may already have taken one 128 ms buffer of the 8 kHz song
// by the time the test looks: "near the start" allows that one buffer.
constexpr std::int64_t kNearStartMs = 150;

bool DevicesBecome(int count) {
  return QTest::qWaitFor([&] { return audio::OpenDevicesForTesting() == count; }, kWaitMs);
}

bool Reached(const TMediaPlayer& player, std::int64_t ms) {
  return QTest::qWaitFor([&] { return player.Position() >= ms; }, kWaitMs);
}

}  // namespace

class TestSongDevice : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TScratchFolder> folder_;

 private slots:
  void init() {
    folder_ = std::make_unique<TScratchFolder>();
    WriteFile(folder_->Path("KeloSong1.wav"), SongWav(400));
    WriteFile(folder_->Path("KeloSong2.wav"), SongWav(250));
    QVERIFY(DevicesBecome(0));
  }
  void cleanup() {
    QVERIFY2(folder_->Errors.isEmpty(), qPrintable(folder_->Errors.join('\n')));
    folder_.reset();
  }

  void a_loaded_song_holds_no_device_until_it_plays_and_releases_it_at_stop() {
    TMediaPlayer player;
    LoadSong(player, 1);
    QCOMPARE(player.Mode(), TMPModes::mpStopped);
    QTest::qWait(100);
    QCOMPARE(audio::OpenDevicesForTesting(), 0);
    StartSong(player);
    QVERIFY(DevicesBecome(1));
    QVERIFY(Reached(player, 100));
    StopSong(player);
    QVERIFY(DevicesBecome(0));
    QCOMPARE(player.Mode(), TMPModes::mpStopped);
  }

  // Stop then Play at once: the song starts from its beginning and plays on,
  // whether or not the worker saw the device closed in between.
  void stop_then_play_at_once_plays_from_the_start() {
    TMediaPlayer player;
    LoadSong(player, 1);
    StartSong(player);
    QVERIFY(Reached(player, 150));
    StopSong(player);
    StartSong(player);
    QCOMPARE(player.Mode(), TMPModes::mpPlaying);
    QVERIFY(player.Position() < kNearStartMs);
    QVERIFY(Reached(player, 150));
    QCOMPARE(audio::OpenDevicesForTesting(), 1);
  }

  // A song that ends with no tick to restart it stands stopped at its end
  // and, after a short grace, gives its device back.
  void an_ended_song_that_nobody_restarts_releases_its_device() {
    TMediaPlayer player;
    LoadSong(player, 2);
    StartSong(player);
    QVERIFY(QTest::qWaitFor([&] { return player.Mode() == TMPModes::mpStopped; }, kWaitMs));
    QCOMPARE(player.Position(), player.Length());
    QVERIFY(DevicesBecome(0));
    SongKeepAlive(player);  // the automatic rewind still works afterwards
    QVERIFY(player.Position() < kNearStartMs);
    QVERIFY(DevicesBecome(1));
  }

  void switching_songs_while_a_device_is_open_releases_it() {
    TMediaPlayer player;
    LoadSong(player, 1);
    StartSong(player);
    QVERIFY(DevicesBecome(1));
    SelectSong(player, 2);
    QCOMPARE(player.Mode(), TMPModes::mpStopped);
    QVERIFY(DevicesBecome(0));
  }

  // The end of the program during playback closes the device before the
  // player is gone, and promptly.
  void the_end_of_the_program_during_playback_closes_the_device() {
    QElapsedTimer timer;
    {
      TMediaPlayer player;
      LoadSong(player, 1);
      StartSong(player);
      QVERIFY(Reached(player, 50));
      timer.start();
    }
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(audio::OpenDevicesForTesting(), 0);
  }

  // A device lost mid-song (its sound server gone) leaves the song stopped
  // where it was; the next tick plays on from there on a new device.
  void a_device_lost_mid_song_comes_back_at_the_next_tick() {
    TMediaPlayer player;
    LoadSong(player, 1);
    StartSong(player);
    QVERIFY(Reached(player, 150));
    audio::LoseDevicesForTesting();
    QVERIFY(QTest::qWaitFor([&] { return player.Mode() == TMPModes::mpStopped; }, kWaitMs));
    QVERIFY(DevicesBecome(0));
    const std::int64_t where = player.Position();
    QVERIFY(where >= 150 && where < player.Length());
    SongKeepAlive(player);
    QCOMPARE(player.Mode(), TMPModes::mpPlaying);
    QVERIFY(DevicesBecome(1));
    QVERIFY(Reached(player, where + 100));
  }

  void buffers_last_about_a_tenth_of_a_second_at_every_rate_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("frames");
    QTest::newRow("1000 Hz") << 1000 << 128;
    QTest::newRow("8000 Hz") << 8000 << 1024;
    QTest::newRow("44100 Hz") << 44100 << 8192;
    QTest::newRow("48000 Hz") << 48000 << 8192;
    QTest::newRow("384000 Hz: SDL's largest") << 384000 << 32768;
    QTest::newRow("past any rate a file may hold") << 0x7FFFFFFF << 32768;
  }
  void buffers_last_about_a_tenth_of_a_second_at_every_rate() {
    QFETCH(int, rate);
    QFETCH(int, frames);
    QCOMPARE(platform::DeviceBufferFrames(rate), frames);
  }
};

QTEST_GUILESS_MAIN(TestSongDevice)
#include "test_song_device.moc"
