// The main window's song wiring: the song items, the greyed song menu while a
// show runs, Play and Stop reaching the player, and a refused song file at
// start-up not stopping the window from being made.
#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/ErrorHandler.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "shell/uKalvo.h"
#include "tests/music/WavFixture.h"

using platform::TMediaPlayer;
using platform::TMPModes;

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
  QTemporaryDir folder_;
  QStringList errors_;
};

void TestSongs::initTestCase() {
  platform::InstallFontSubstitutions();
  platform::SetErrorPresenter([this](const QString& text) { errors_ << text; });
}

void TestSongs::init() {
  QVERIFY(folder_.isValid());
  for (const char* name : {"KeloSong1.wav", "KeloSong2.wav"}) QFile::remove(folder_.filePath(name));
  platform::SetProgramFolderForTesting(folder_.path());
  errors_.clear();
}

void TestSongs::cleanup() {
  platform::SetProgramFolderForTesting({});
}

void TestSongs::songItemsSwitchWithoutPlaying() {
  WriteFile(folder_.filePath("KeloSong1.wav"), SongWav(1000));
  WriteFile(folder_.filePath("KeloSong2.wav"), SongWav(1000));
  TfmKalvo window;
  QCOMPARE(window.mpKeloSong.FileName, folder_.filePath("KeloSong1.wav"));
  QCOMPARE(window.mpKeloSong.Mode(), TMPModes::mpStopped);

  window.MenuItems.value("miKeloSong2")->trigger();
  QVERIFY(window.miKeloSong2->isChecked());
  QVERIFY(!window.miKeloSong1->isChecked());
  QCOMPARE(window.mpKeloSong.FileName, folder_.filePath("KeloSong2.wav"));
  QCOMPARE(window.mpKeloSong.Mode(), TMPModes::mpStopped);
  QCOMPARE(window.mpKeloSong.Position(), 0);
  QVERIFY(errors_.isEmpty());
}

void TestSongs::playStartsAndStopStopsTheSongWithTheMenuGreyedBetween() {
  WriteFile(folder_.filePath("KeloSong1.wav"), SongWav(10000));
  TfmKalvo window;
  window.miPlayClick();
  QCOMPARE(window.mpKeloSong.Mode(), TMPModes::mpPlaying);
  QVERIFY(!window.miMusic->isEnabled());
  window.tmrPlayTimer();
  QCOMPARE(window.mpKeloSong.Mode(), TMPModes::mpPlaying);
  window.miStopClick();
  QCOMPARE(window.mpKeloSong.Mode(), TMPModes::mpStopped);
  QVERIFY(window.miMusic->isEnabled());
}

void TestSongs::missingSongIsSilentAndQuiet() {
  TfmKalvo window;
  QCOMPARE(window.mpKeloSong.Mode(), TMPModes::mpNotReady);
  window.miPlayClick();
  window.tmrPlayTimer();
  window.miStopClick();
  QCOMPARE(window.mpKeloSong.Mode(), TMPModes::mpNotReady);
  QVERIFY(errors_.isEmpty());
}

void TestSongs::refusedSongAtStartUpIsReportedAndTheWindowStillBuilds() {
  WriteFile(folder_.filePath("KeloSong1.wav"), "not a song at all");
  TfmKalvo window;
  QCOMPARE(errors_.size(), 1);
  QCOMPARE(window.mpKeloSong.Mode(), TMPModes::mpNotReady);
  // The creation steps after the song still ran.
  QVERIFY(window.Offscreen != nullptr);
  QVERIFY(!window.Catalogue.At(1, 1).Empty());
  QCOMPARE(window.Selection.TrackCount, 40);
  QCOMPARE(window.Clock.SceneFrame, 1);
}

QTEST_MAIN(TestSongs)
#include "test_songs.moc"
