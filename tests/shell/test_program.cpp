// Start-up and the end of the program: the three windows in their order, and
// closing the main window ending the message loop even with the read-me open.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "platform/ErrorHandler.h"
#include "platform/ProgramFolder.h"
#include "shell/Program.h"

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
  QCOMPARE(QApplication::applicationName(), QStringLiteral("ユキポム"));
  QVERIFY(!QApplication::windowIcon().isNull());
}

void TestProgram::closingTheMainWindowEndsTheLoopWhileTheReadMeIsOpen() {
  QTemporaryDir folder;
  QFile readMe(folder.filePath("ReadMe.txt"));
  QVERIFY(readMe.open(QIODevice::WriteOnly));
  readMe.write("snow\r\n");
  readMe.close();
  platform::SetProgramFolderForTesting(folder.path());
  QStringList errors;
  platform::SetErrorPresenter([&](const QString& text) { errors << text; });

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
  QVERIFY(errors.isEmpty());
  QVERIFY(program.MainWindow.Offscreen == nullptr);
  platform::SetErrorPresenter({});
  platform::SetProgramFolderForTesting({});
}

QTEST_MAIN(TestProgram)
#include "test_program.moc"
