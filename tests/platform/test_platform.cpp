// The platform layer's small pieces: the default error handler, the program
// folder and file test, the timer's failure, and the drawing surface.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <thread>

#include "platform/Canvas.h"
#include "platform/ErrorHandler.h"
#include "platform/PlatformError.h"
#include "platform/ProgramFolder.h"
#include "platform/Timer.h"

using platform::EPlatformError;
using platform::TCanvas;
using platform::TCopyMode;
using platform::TTimer;

class TestPlatform : public QObject {
  Q_OBJECT
 private slots:
  void errorInAHandlerShowsTheBoxAndTheLoopGoesOn();
  void fileExistsOnlyForRegularFiles();
  void timerWithoutAnEventLoopRaisesItsError();
  void canvasCombinesColourValuesBitwise_data();
  void canvasCombinesColourValuesBitwise();
  void canvasClipsAtTheSurfaceEdges();
};

void TestPlatform::errorInAHandlerShowsTheBoxAndTheLoopGoesOn() {
  QString caption, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  bool nextEventHandled = false;

  // Answers the box as a user would, after noting what it shows.
  QTimer::singleShot(50, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    caption = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->standardButtons();
    box->button(QMessageBox::Ok)->click();
  });
  QTimer::singleShot(0, [] {
    platform::Guarded([] { throw EPlatformError(QStringLiteral("ﾀｲﾏｰを取得できません")); });
  });
  QTimer::singleShot(10, [&] { nextEventHandled = true; });

  QTRY_VERIFY(nextEventHandled);
  QTRY_COMPARE(caption, QStringLiteral("ユキポム"));
  QCOMPARE(text, QStringLiteral("ﾀｲﾏｰを取得できません"));
  QCOMPARE(icon, QMessageBox::Critical);
  QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestPlatform::fileExistsOnlyForRegularFiles() {
  QTemporaryDir dir;
  QFile file(dir.filePath("ReadMe.txt"));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();
  QVERIFY(QDir(dir.path()).mkdir("KeloSong1.wav"));

  QVERIFY(platform::FileExists(dir.filePath("ReadMe.txt")));
  QVERIFY(!platform::FileExists(dir.filePath("KeloSong1.wav")));
  QVERIFY(!platform::FileExists(dir.filePath("missing.txt")));

  QCOMPARE(platform::SetProgramFolderForTesting(dir.path()), QString());
  QCOMPARE(platform::ProgramFolder(), dir.path() + "/");
  // The folder set before comes back, so a fixture can restore it.
  QCOMPARE(platform::SetProgramFolderForTesting({}), dir.path() + "/");
  QCOMPARE(platform::ProgramFolder(), QCoreApplication::applicationDirPath() + "/");
}

// A thread without an event loop cannot host a timer: enabling one there
// must raise the timer error instead of failing silently.
void TestPlatform::timerWithoutAnEventLoopRaisesItsError() {
  QString raised;
  std::thread worker([&] {
    TTimer timer;
    timer.SetInterval(100);
    try {
      timer.SetEnabled(true);
    } catch (const EPlatformError& error) {
      raised = error.Text();
    }
  });
  worker.join();
  QCOMPARE(raised, QStringLiteral("ﾀｲﾏｰを取得できません"));
}

void TestPlatform::canvasCombinesColourValuesBitwise_data() {
  QTest::addColumn<TCopyMode>("mode");
  QTest::addColumn<uint>("destination");
  QTest::addColumn<uint>("source");
  QTest::addColumn<uint>("expected");
  const auto copy = TCopyMode::cmSrcCopy;
  const auto andMode = TCopyMode::cmSrcAnd;
  const auto orMode = TCopyMode::cmSrcPaint;
  QTest::newRow("copy") << copy << 0xff123456u << 0xffa5c3e1u << 0xffa5c3e1u;
  QTest::newRow("and, every channel") << andMode << 0xff5a3cf0u << 0xff0ff0ccu << 0xff0a30c0u;
  QTest::newRow("and with black clears") << andMode << 0xff5a3cf0u << 0xff000000u << 0xff000000u;
  QTest::newRow("and with white keeps") << andMode << 0xff5a3cf0u << 0xffffffffu << 0xff5a3cf0u;
  QTest::newRow("or, every channel") << orMode << 0xff500c03u << 0xff0a30c0u << 0xff5a3cc3u;
  QTest::newRow("or with black keeps") << orMode << 0xff5a3cf0u << 0xff000000u << 0xff5a3cf0u;
}

void TestPlatform::canvasCombinesColourValuesBitwise() {
  QFETCH(TCopyMode, mode);
  QFETCH(uint, destination);
  QFETCH(uint, source);
  QFETCH(uint, expected);
  QImage surface(4, 3, QImage::Format_RGB32);
  surface.fill(destination);
  QImage picture(2, 2, QImage::Format_RGB32);
  picture.fill(source);

  TCanvas canvas(surface);
  canvas.CopyMode = mode;
  canvas.Draw(1, 1, picture);

  QCOMPARE(surface.pixel(1, 1), expected);
  QCOMPARE(surface.pixel(2, 2), expected);
  QCOMPARE(surface.pixel(0, 0), destination);  // outside the picture: untouched
  QCOMPARE(surface.pixel(3, 1), destination);
}

void TestPlatform::canvasClipsAtTheSurfaceEdges() {
  QImage surface(5, 5, QImage::Format_RGB32);
  surface.fill(0xff000000u);
  QImage picture(3, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) picture.setPixel(x, y, 0xff000000u | (y * 3 + x + 1));

  TCanvas canvas(surface);
  canvas.Draw(-1, -2, picture);  // only the picture's bottom-right 2 x 1 lands
  canvas.Draw(4, 4, picture);    // only its top-left pixel lands
  canvas.Draw(9, 0, picture);    // entirely outside: nothing

  QCOMPARE(surface.pixel(0, 0), 0xff000008u);
  QCOMPARE(surface.pixel(1, 0), 0xff000009u);
  QCOMPARE(surface.pixel(2, 0), 0xff000000u);
  QCOMPARE(surface.pixel(0, 1), 0xff000000u);
  QCOMPARE(surface.pixel(4, 4), 0xff000001u);
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
