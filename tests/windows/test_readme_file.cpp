// Reading the read-me file without a window: decoding, line ends, failures,
// and the read-me that ships with the program.
#include <QDir>
#include <QStringDecoder>
#include <QStringEncoder>
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

QByteArray Encode(QStringConverter::Encoding encoding, const QString& text) {
  QStringEncoder encoder(encoding);
  return encoder.encode(text);
}

}  // namespace

class TestReadMeFile : public QObject {
  Q_OBJECT

 private slots:
  // Each row names the encoding the bytes should be read in; the expected
  // text shows that it was.
  void decodesInTheEncodingThatExplainsTheBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString welcome = QStringLiteral("ユキポムへようこそ。再生は Ctrl+P です。");
    const QByteArray welcomeUtf8 = welcome.toUtf8();

    QTest::newRow("pure ASCII") << QByteArray("ReadMe\t1.0") << QStringLiteral("ReadMe\t1.0");
    QTest::newRow("UTF-8") << welcomeUtf8 << welcome;
    QTest::newRow("UTF-8 with mark, mark dropped")
        << QByteArray("\xEF\xBB\xBF\xE9\x9B\xAA") << QStringLiteral("雪");
    QTest::newRow("UTF-8, one stray byte")
        << QByteArray(welcomeUtf8).insert(6, '\xFF') << QString(welcome).insert(2, kReplacement);
    // Half-width katakana bytes are good Shift-JIS: only the share of stray
    // bytes keeps the text UTF-8.
    QTest::newRow("UTF-8, 13 stray bytes at the end")
        << welcomeUtf8 + QByteArray(13, '\xB1') << welcome + kReplacement.repeated(13);
    QTest::newRow("UTF-8, a stray byte after every character")
        << QByteArray("\xE3\x83\xA6\xB1\xE3\x82\xAD\xB1")
        << QString(QStringLiteral("ユ") + kReplacement + QStringLiteral("キ") + kReplacement);
    QTest::newRow("UTF-8 drowned in stray bytes is read as Shift-JIS")
        << QByteArray("\xE3\x83\xA6\xB1\xB1\xE3\x82\xAD\xB1\xB1") << QStringLiteral("繝ｦｱｱ繧ｭｱｱ");
    QTest::newRow("neither: as many bad bytes either way") << QByteArray(
                                                                  "A\xFF"
                                                                  "B")
                                                           << QString(u'A' + kReplacement + u'B');
    QTest::newRow("UTF-8 mark, then broken UTF-8") << QByteArray(
                                                          "\xEF\xBB\xBF"
                                                          "a\xFF")
                                                   << QString(u'a' + kReplacement);

    QTest::newRow("Shift-JIS") << QByteArray("\x83\x86\x83\x4C\x83\x7C\x83\x80")
                               << QStringLiteral("ユキポム");
    QTest::newRow("Shift-JIS half-width katakana")
        << QByteArray("\xCC\xA7\xB2\xD9") << QStringLiteral("ﾌｧｲﾙ");
    // ﾃｽ (C3 BD) and ｧ ﾙ... run together into well-formed UTF-8 here and there.
    QTest::newRow("Shift-JIS that is partly well-formed UTF-8")
        << QByteArray("\xCC\xA7\xB2\xD9 \xC3\xBD\xC4 \x90\xE1\x82\xCC\x97\x64\x90\xB8")
        << QStringLiteral("ﾌｧｲﾙ ﾃｽﾄ 雪の妖精");
    // Characters only code page 932 has, or maps differently from JIS.
    QTest::newRow("code page 932 extras")
        << QByteArray("\x87\x40\x81\x60") << QStringLiteral("①～");
    QTest::newRow("overlong UTF-8 is two kana") << QByteArray("\xC0\xAF") << QStringLiteral("ﾀｯ");
    QTest::newRow("Shift-JIS, cut-off lead byte")
        << QByteArray("\x83\x86\x83") << QString(QStringLiteral("ユ") + kReplacement);

    QTest::newRow("UTF-16 LE with mark")
        << QByteArray("\xFF\xFE\xE6\x30\xAD\x30\x3C\xD8\x84\xDF", 10) << QStringLiteral("ユキ🎄");
    QTest::newRow("UTF-16 BE with mark")
        << QByteArray("\xFE\xFF\x30\xE6\x30\xAD\xD8\x3C\xDF\x84", 10) << QStringLiteral("ユキ🎄");
    QTest::newRow("UTF-16, lone surrogate and odd last byte")
        << QByteArray("\xFF\xFE\x3C\xD8\x41\x00\x42", 7)
        << QString(kReplacement + u'A' + kReplacement);

    // A picture's first bytes: garbage either way, so what counts is that
    // every byte is accounted for and nothing breaks.
    QTest::newRow("binary garbage") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                                    << QString(QStringLiteral("臼NG\r\n\x1A\n") +
                                               QString(3, QChar(0)) + QStringLiteral("\rIHDR"));
    QTest::newRow("empty") << QByteArray() << QString();
  }
  void decodesInTheEncodingThatExplainsTheBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeText(bytes), text);
  }

  // Line ends are found in the decoded text, so every encoding ends lines
  // alike, and a broken character just before a line end does not take the
  // line end with it.
  void unifiesLineEndsInEveryEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString lines = QStringLiteral("ユ\r\nキ\rポ\nム");
    const QString unified = QStringLiteral("ユ\nキ\nポ\nム");
    QTest::newRow("UTF-8") << lines.toUtf8() << unified;
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE") + Encode(QStringConverter::Utf16LE, lines)
                               << unified;
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF") + Encode(QStringConverter::Utf16BE, lines)
                               << unified;
    QTest::newRow("Shift-JIS") << QByteArray("\x83\x86\r\n\x83\x4C\r\x83\x7C\n\x83\x80") << unified;
    QTest::newRow("UTF-8, cut character before CR LF")
        << QByteArray("\xE3\x83\xA6\xE3\x83\r\n\xE3\x82\xAD\xE3\x83\x9D")
        << QString(QStringLiteral("ユ") + kReplacement.repeated(2) + QStringLiteral("\nキポ"));
    QTest::newRow("Shift-JIS, cut character before CR LF")
        << QByteArray("\x83\x86\x83\r\n\x83\x4C")
        << QString(QStringLiteral("ユ") + kReplacement + QStringLiteral("\nキ"));
  }
  void unifiesLineEndsInEveryEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ReadMe.txt"));
    WriteFile(path, bytes);
    QCOMPARE(LoadTextFile(path), text);
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
