// The read-me viewer: its settings, loading at every showing, and what the
// reader sees when the file changes, goes or grows too large.
#include <QApplication>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "platform/Fonts.h"
#include "tests/fixtures/ScratchFolder.h"
#include "windows/ReadMeFile.h"
#include "windows/uReadMe.h"

namespace {

QByteArray ManyLines(int count) {
  QByteArray bytes;
  for (int i = 0; i < count; ++i) bytes += "line " + QByteArray::number(i) + "\r\n";
  return bytes;
}

}  // namespace

class TestReadMeWindow : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TScratchFolder> folder_;
  std::unique_ptr<TfmReadMe> window_;

  QString Path() const { return folder_->Path(QStringLiteral("ReadMe.txt")); }
  void Write(const QByteArray& bytes) const { WriteFile(Path(), bytes); }
  QString Shown() const { return window_->memReadMe->toPlainText(); }
  void Reopen() {
    window_->hide();
    window_->ShowModeless();
  }

 private slots:
  void initTestCase() { platform::InstallFontSubstitutions(); }

  void init() {
    folder_ = std::make_unique<TScratchFolder>();
    window_ = std::make_unique<TfmReadMe>();
  }

  void cleanup() {
    window_.reset();
    folder_.reset();
  }

  void hasItsDesignSettings() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("お読みください"));
    QCOMPARE(window_->size(), QSize(439, 498));
    QVERIFY(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
    QPlainTextEdit* memo = window_->memReadMe;
    QCOMPARE(memo->objectName(), QStringLiteral("memReadMe"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("memReadMe"));
    QVERIFY(memo->isReadOnly());
    QVERIFY(memo->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    QCOMPARE(memo->frameShape(), QFrame::NoFrame);
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(QFontInfo(memo->font()).family(), QStringLiteral("IPAGothic"));
    QCOMPARE(QFontInfo(memo->font()).pixelSize(), 12);

    Write("x");
    window_->ShowModeless();
    QCOMPARE(memo->geometry(), window_->rect());
    window_->resize(600, 300);
    QTRY_COMPARE(memo->geometry(), window_->rect());
  }

  void centresFirstThenKeepsItsPlace() {
    Write("x");
    window_->ShowModeless();
    const QPoint centre = window_->screen()->availableGeometry().center();
    QVERIFY((window_->frameGeometry().center() - centre).manhattanLength() <= 2);
    window_->move(20, 30);
    Reopen();
    QCOMPARE(window_->pos(), QPoint(20, 30));
  }

  void showsEachEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8") << QByteArray("\xE3\x83\xA6\xE3\x82\xAD\r\n\xE9\x9B\xAA");
    QTest::newRow("UTF-8 with mark")
        << QByteArray("\xEF\xBB\xBF\xE3\x83\xA6\xE3\x82\xAD\r\n\xE9\x9B\xAA");
    QTest::newRow("Shift-JIS") << QByteArray("\x83\x86\x83\x4C\r\n\x90\xE1");
  }
  void showsEachEncoding() {
    QFETCH(QByteArray, bytes);
    Write(bytes);
    window_->ShowModeless();
    QCOMPARE(Shown(), QStringLiteral("ユキ\n雪"));
    QVERIFY(folder_->Errors.isEmpty());
  }

  void everyLineEndStartsALine() {
    Write("one\r\ntwo\rthree\nfour");
    window_->ShowModeless();
    QCOMPARE(window_->memReadMe->blockCount(), 4);
    QCOMPARE(window_->memReadMe->document()->findBlockByNumber(2).text(), QStringLiteral("three"));
  }

  void editsShowOnlyAfterReopening() {
    Write("first");
    window_->ShowModeless();
    Write("second");
    window_->ShowModeless();  // already open: only brought to the front
    QVERIFY(window_->isVisible());
    QCOMPARE(Shown(), QStringLiteral("first"));
    Reopen();
    QCOMPARE(Shown(), QStringLiteral("second"));
  }

  void unchangedFileKeepsTheReadersPlace() {
    Write(ManyLines(500));
    window_->ShowModeless();
    QPlainTextEdit* memo = window_->memReadMe;
    QTextCursor cursor(memo->document()->findBlockByNumber(300));
    memo->setTextCursor(cursor);
    memo->verticalScrollBar()->setValue(250);
    Reopen();
    QCOMPARE(memo->verticalScrollBar()->value(), 250);
    QCOMPARE(memo->textCursor().blockNumber(), 300);

    // A changed file is shown from its top.
    Write(ManyLines(501));
    Reopen();
    QCOMPARE(memo->verticalScrollBar()->value(), 0);
    QCOMPARE(memo->textCursor().position(), 0);
  }

  void deletedFileReportsItsPathAndKeepsTheText() {
    window_->ShowModeless();  // no file at all: the design text stays
    QCOMPARE(Shown(), QStringLiteral("memReadMe"));
    Write("kept");
    Reopen();
    QVERIFY(QFile::remove(Path()));
    Reopen();
    const QString expected = QStringLiteral("ﾌｧｲﾙ %1 は開けません").arg(Path());
    QCOMPARE(folder_->Errors, QStringList({expected, expected}));
    QVERIFY(Path().startsWith(QLatin1Char('/')));
    QVERIFY(window_->isVisible());
    QCOMPARE(Shown(), QStringLiteral("kept"));
  }

  void oversizedFileReportsTheLimitAndKeepsTheText() {
    Write("kept");
    window_->ShowModeless();
    Write(QByteArray(kReadMeSizeLimit + 1, 'x'));
    Reopen();
    QCOMPARE(folder_->Errors,
             QStringList{QStringLiteral("文字列の大きさが ﾒﾓ の制限を越えました")});
    QVERIFY(window_->isVisible());
    QCOMPARE(Shown(), QStringLiteral("kept"));
  }

  void emptyFileGivesAnEmptyWindow() {
    Write("");
    window_->ShowModeless();
    QCOMPARE(Shown(), QString());
    QVERIFY(folder_->Errors.isEmpty());
  }

  void longLinesRunPastTheEdge() {
    const QByteArray line(2000, 'w');
    Write(line);
    window_->ShowModeless();
    QPlainTextEdit* memo = window_->memReadMe;
    QCOMPARE(memo->blockCount(), 1);
    QTRY_VERIFY(memo->document()->firstBlock().layout()->lineCount() == 1);
    QVERIFY(memo->horizontalScrollBar()->maximum() > memo->viewport()->width());
  }
};

QTEST_MAIN(TestReadMeWindow)
#include "test_readme_window.moc"
