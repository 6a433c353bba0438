// Start-up and the end of the program: the three windows in their order, and
// closing the main window ending the message loop even with the read-me open.
#include <QApplication>
#include <QTimer>
#include <QtTest>

#include "shell/Program.h"
#include "tests/fixtures/KalvoProbe.h"
#include "tests/fixtures/ScratchFolder.h"

class TestProgram : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitialiseApplication(); }
  void windowsAreCreatedOnceWithOnlyTheMainOneShown();
  void closingTheMainWindowEndsTheLoopWhileTheReadMeIsOpen();
};

void TestProgram::windowsAreCreatedOnceWithOnlyTheMainOneShown() {
  TProgram program;
  QCOMPARE(fmKalvo, &program.MainWindow);
  QCOMPARE(AboutBox, &program.About);
  QCOMPARE(fmReadMe, &program.ReadMe);
  QVERIFY(!program.About.isVisible());
  QVERIFY(!program.ReadMe.isVisible());
  // Only the main window keeps the program running.
  QVERIFY(program.MainWindow.testAttribute(Qt::WA_QuitOnClose));
  QVERIFY(!program.About.testAttribute(Qt::WA_QuitOnClose));
  QVERIFY(!program.ReadMe.testAttribute(Qt::WA_QuitOnClose));
  QCOMPARE(QApplication::applicationName(), QStringLiteral("ユキポム"));
  QVERIFY(!QApplication::windowIcon().isNull());
}

void TestProgram::closingTheMainWindowEndsTheLoopWhileTheReadMeIsOpen() {
  TScratchFolder folder;
  QFile readMe(folder.Path("ReadMe.txt"));
  QVERIFY(readMe.open(QIODevice::WriteOnly));
  readMe.write("snow\r\n");
  readMe.close();

  TProgram program;
  bool timedOut = false;
  QTimer::singleShot(0, [&] {
    program.MainWindow.miPlayClick();  // a show is running, too
    program.MainWindow.miReadMeClick();
  });
  QTimer::singleShot(300, [&] {
    QVERIFY(program.ReadMe.isVisible());
    program.MainWindow.miExitClick();
  });
  QTimer::singleShot(10000, [&] {
    timedOut = true;
    QApplication::quit();
  });
  program.Run();

  QVERIFY(!timedOut);
  QVERIFY(folder.Errors.isEmpty());
  QVERIFY(TKalvoProbe(program.MainWindow).Offscreen() == nullptr);
}

QTEST_MAIN(TestProgram)
#include "test_program.moc"
