// The choreography tools: the author reproduces the committed tables byte for
// byte, and the dump tool writes the compiled tables exactly as they lie in memory.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "tests/animation/TrackFacts.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(120000)) return -1;
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace

class TestPatternTools : public QObject {
  Q_OBJECT

 private slots:
  void authorReproducesTheCommittedTables() {
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString source = YUKIPOM_SOURCE_DIR;
    QCOMPARE(
        Run(TRACKGEN_PATH, {"--inputs", source + "/tools/trackgen/inputs", "--out", out.path()}),
        0);
    for (const char* unit : {"uCocktail", "uUnbeliev", "uHatuyuki", "uRegular", "uTatumaki"}) {
      const QByteArray made = ReadAll(out.filePath(QString(unit) + ".cpp"));
      QVERIFY2(!made.isEmpty(), unit);
      QVERIFY2(made == ReadAll(source + "/animation/patterns/" + unit + ".cpp"), unit);
    }
  }

  void authorRejectsMissingInputs() {
    QTemporaryDir out;
    QCOMPARE(Run(TRACKGEN_PATH, {"--inputs", out.filePath("none"), "--out", out.path()}), 1);
  }

  void dumpWritesTheTablesAsTheyLieInMemory() {
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString folder = out.filePath("dump");  // created by the tool
    QCOMPARE(Run(DUMP_TRACKS_PATH, {folder}), 0);
    for (const TPatternEntry& e : PatternRegistry()) {
      static const char* const names[] = {"CocktailTracks", "UnbelieveTracks", "HatuyukiTracks",
                                          "RegularTracks", "TatumakiTracks"};
      const QByteArray bytes = ReadAll(folder + "/" + names[int(e.Pattern)] + ".bin");
      const QByteArray memory(reinterpret_cast<const char*>(e.Table), e.Count * sizeof(TTrack));
      QCOMPARE(bytes.size(), memory.size());
      QVERIFY(bytes == memory);
    }
  }

  void dumpFailsWhenItCannotWrite() {
    QTemporaryDir out;
    QFile blocker(out.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(Run(DUMP_TRACKS_PATH, {blocker.fileName()}) != 0);
    QVERIFY(Run(DUMP_TRACKS_PATH, {}) != 0);
  }
};

QTEST_GUILESS_MAIN(TestPatternTools)
#include "test_pattern_tools.moc"
