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

namespace {

// A short, valid 16-bit mono PCM WAV file of silence.
QByteArray TinyWav(int samples = 8000) {
  QByteArray data(samples * 2, '\0');
  QByteArray wav;
  const auto u32 = [&](quint32 v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
  const auto u16 = [&](quint16 v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
  wav.append("RIFF");
  u32(36 + static_cast<quint32>(data.size()));
  wav.append("WAVEfmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(8000);
  u32(16000);
  u16(2);
  u16(16);
  wav.append("data");
  u32(static_cast<quint32>(data.size()));
  return wav + data;
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

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
  Write(folder_.filePath("KeloSong1.wav"), TinyWav());
  Write(folder_.filePath("KeloSong2.wav"), TinyWav());
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
  Write(folder_.filePath("KeloSong1.wav"), TinyWav(80000));
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
  Write(folder_.filePath("KeloSong1.wav"), "not a song at all");
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
