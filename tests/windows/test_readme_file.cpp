// Reading the read-me file without a window: decoding, line ends, failures,
// and the read-me that ships with the program.
#include <QDir>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "platform/PlatformError.h"
#include "tests/fixtures/ScratchFolder.h"
#include "windows/ReadMeFile.h"
#include "windows/TextDecoding.h"

namespace {

const QString kReplacement(QChar(0xFFFD));

// The text of the error `load` raises, or a null string when it raises none.
QString ErrorOf(const std::function<void()>& load) {
  try {
    load();
  } catch (const platform::EPlatformError& error) {
    return error.Text();
  }
  return QString();
}

}  // namespace

class TestReadMeFile : public QObject {
  Q_OBJECT

 private slots:
  void decodesUtf8OrShiftJis_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain ASCII") << QByteArray("ReadMe\t1.0") << QStringLiteral("ReadMe\t1.0");
    QTest::newRow("UTF-8") << QByteArray("\xE3\x83\xA6\xE3\x82\xAD") << QStringLiteral("ユキ");
    QTest::newRow("UTF-8, mark dropped")
        << QByteArray("\xEF\xBB\xBF\xE9\x9B\xAA") << QStringLiteral("雪");
    QTest::newRow("Shift-JIS") << QByteArray("\x83\x86\x83\x4C\x83\x7C\x83\x80")
                               << QStringLiteral("ユキポム");
    QTest::newRow("Shift-JIS half-width kana")
        << QByteArray("\xCC\xA7\xB2\xD9") << QStringLiteral("ﾌｧｲﾙ");
    // Characters only code page 932 has, or maps differently from JIS.
    QTest::newRow("code page 932 extras")
        << QByteArray("\x87\x40\x81\x60") << QStringLiteral("①～");
    // An overlong UTF-8 form is not UTF-8; as Shift-JIS it is two kana.
    QTest::newRow("overlong UTF-8") << QByteArray("\xC0\xAF") << QStringLiteral("ﾀｯ");
    QTest::newRow("neither: bad byte") << QByteArray(
                                              "A\xFF"
                                              "B")
                                       << QString(u'A' + kReplacement + u'B');
    QTest::newRow("neither: cut-off lead byte")
        << QByteArray("\x83\x86\x83") << QString(QStringLiteral("ユ") + kReplacement);
    QTest::newRow("mark, then broken UTF-8") << QByteArray(
                                                    "\xEF\xBB\xBF"
                                                    "a\xFF")
                                             << QString(u'a' + kReplacement);
    QTest::newRow("empty") << QByteArray() << QString();
  }
  void decodesUtf8OrShiftJis() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeText(bytes), text);
  }

  void unifiesLineEnds_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unified");
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\n") << QStringLiteral("a\nb\n");
    QTest::newRow("lone CR") << QStringLiteral("a\rb\r") << QStringLiteral("a\nb\n");
    QTest::newRow("lone LF") << QStringLiteral("a\nb") << QStringLiteral("a\nb");
    QTest::newRow("mixed") << QStringLiteral("a\rb\r\nc\nd") << QStringLiteral("a\nb\nc\nd");
    QTest::newRow("CR CR LF is two ends") << QStringLiteral("a\r\r\nb") << QStringLiteral("a\n\nb");
    QTest::newRow("LF CR is two ends") << QStringLiteral("a\n\rb") << QStringLiteral("a\n\nb");
  }
  void unifiesLineEnds() {
    QFETCH(QString, text);
    QFETCH(QString, unified);
    QCOMPARE(UnifyLineEnds(text), unified);
  }

  void refusesWhatCannotBeOpened() {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("ReadMe.txt"));
    QCOMPARE(ErrorOf([&] { LoadTextFile(missing); }),
             QStringLiteral("ﾌｧｲﾙ %1 は開けません").arg(missing));
    // A folder of that name cannot be read as text either.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ReadMe.txt")));
    QCOMPARE(ErrorOf([&] { LoadTextFile(missing); }),
             QStringLiteral("ﾌｧｲﾙ %1 は開けません").arg(missing));
  }

  void refusesMoreThanTheLimit() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ReadMe.txt"));
    WriteFile(path, QByteArray(10, 'x'));
    QCOMPARE(LoadTextFile(path, 10), QString(10, u'x'));
    QCOMPARE(ErrorOf([&] { LoadTextFile(path, 9); }),
             QStringLiteral("文字列の大きさが ﾒﾓ の制限を越えました"));
  }

  // The read-me that ships with the program: UTF-8, CR LF throughout, and it
  // names every pattern and song the menus offer.
  void shippedReadMeIsUtf8WithCrLf() {
    QFile file(QStringLiteral(YUKIPOM_SHIPPED_README));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() < kReadMeSizeLimit);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r"), bytes.count("\r\n"));
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    QVERIFY(!utf8.hasError());
    for (const char16_t* name :
         {u"ホワイトＸマス", u"流星群", u"雪の妖精", u"宅急便", u"プレゼント", u"ランダム",
          u"アカペラ", u"ジングル", u"Ctrl+P", u"Ctrl+S"})
      QVERIFY2(text.contains(QString::fromUtf16(name)), qPrintable(QString::fromUtf16(name)));
  }
};

QTEST_GUILESS_MAIN(TestReadMeFile)
#include "test_readme_file.moc"
