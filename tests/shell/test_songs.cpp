// The main window's song wiring: the song items, the greyed song menu while a
// show runs, Play and Stop reaching the player, and a refused song file at
// start-up not stopping the window from being made.
#include <QAction>
#include <QtTest>

#include "platform/Fonts.h"
#include "tests/fixtures/KalvoProbe.h"
#include "tests/fixtures/ScratchFolder.h"
#include "tests/fixtures/WavFixture.h"

class TestSongs : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void songItemsSwitchWithoutPlaying();
  void playStartsAndStopStopsTheSongWithTheMenuGreyedBetween();
  void missingSongIsSilentAndQuiet();
  void refusedSongAtStartUpIsReportedAndTheWindowStillBuilds();

 private:
  std::unique_ptr<TScratchFolder> folder_;
};

void TestSongs::initTestCase() {
  platform::InstallFontSubstitutions();
}

void TestSongs::init() {
  folder_ = std::make_unique<TScratchFolder>();
}

void TestSongs::cleanup() {
  folder_.reset();
}

void TestSongs::songItemsSwitchWithoutPlaying() {
  WriteFile(folder_->Path("KeloSong1.wav"), SongWav(1000));
  WriteFile(folder_->Path("KeloSong2.wav"), SongWav(1000));
  TfmKalvo window;
  const TKalvoProbe probe(window);
  QCOMPARE(probe.Song().FileName, folder_->Path("KeloSong1.wav"));
  QCOMPARE(window.SongMode(), TMPModes::mpStopped);

  probe.Item("miKeloSong2")->trigger();
  QVERIFY(probe.Item("miKeloSong2")->isChecked());
  QVERIFY(!probe.Item("miKeloSong1")->isChecked());
  QCOMPARE(probe.Song().FileName, folder_->Path("KeloSong2.wav"));
  QCOMPARE(window.SongMode(), TMPModes::mpStopped);
  QCOMPARE(probe.Song().Position(), 0);
  QVERIFY(folder_->Errors.isEmpty());
}

void TestSongs::playStartsAndStopStopsTheSongWithTheMenuGreyedBetween() {
  WriteFile(folder_->Path("KeloSong1.wav"), SongWav(10000));
  TfmKalvo window;
  const TKalvoProbe probe(window);
  window.miPlayClick();
  QCOMPARE(window.SongMode(), TMPModes::mpPlaying);
  QVERIFY(!probe.Item("miMusic")->isEnabled());
  window.tmrPlayTimer();
  QCOMPARE(window.SongMode(), TMPModes::mpPlaying);
  window.miStopClick();
  QCOMPARE(window.SongMode(), TMPModes::mpStopped);
  QVERIFY(probe.Item("miMusic")->isEnabled());
}

void TestSongs::missingSongIsSilentAndQuiet() {
  TfmKalvo window;
  QCOMPARE(window.SongMode(), TMPModes::mpNotReady);
  window.miPlayClick();
  window.tmrPlayTimer();
  window.miStopClick();
  QCOMPARE(window.SongMode(), TMPModes::mpNotReady);
  QVERIFY(folder_->Errors.isEmpty());
}

void TestSongs::refusedSongAtStartUpIsReportedAndTheWindowStillBuilds() {
  WriteFile(folder_->Path("KeloSong1.wav"), "not a song at all");
  TfmKalvo window;
  const TKalvoProbe probe(window);
  QCOMPARE(folder_->Errors.size(), 1);
  QCOMPARE(window.SongMode(), TMPModes::mpNotReady);
  // The creation steps after the song still ran.
  QVERIFY(probe.Offscreen() != nullptr);
  QVERIFY(!probe.Catalogue().At(1, 1).Empty());
  QCOMPARE(window.PatternSelection().TrackCount, 40);
  QCOMPARE(window.ClockState().SceneFrame, 1);
}

QTEST_MAIN(TestSongs)
#include "test_songs.moc"
