// Running the art generator again gives the committed files byte for byte.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList ArtFiles(const QString& folder) {
  return QDir(folder).entryList({"*.bmp", "*.ico", "*.cur"}, QDir::Files, QDir::Name);
}

}  // namespace

class TestArtgenReproducible : public QObject {
  Q_OBJECT

 private slots:
  void regeneratesTheCommittedFiles() {
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess generator;
    generator.start(ARTGEN_PROGRAM, {out.path()});
    QVERIFY(generator.waitForFinished(120000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);

    const QStringList committed = ArtFiles(COMMITTED_ASSETS);
    QCOMPARE(committed.size(), 90);  // 87 pictures, two icons, the cursor
    QCOMPARE(ArtFiles(out.path()), committed);
    for (const QString& name : committed) {
      QVERIFY2(Contents(out.filePath(name)) == Contents(QDir(COMMITTED_ASSETS).filePath(name)),
               qPrintable(name + " differs from the committed file"));
    }
  }

  void reportsAnUnwritableFolder() {
    QProcess generator;
    generator.start(ARTGEN_PROGRAM, {"/nonexistent/folder"});
    QVERIFY(generator.waitForFinished(120000));
    QCOMPARE(generator.exitCode(), 1);
    QVERIFY(generator.readAllStandardError().contains("cannot write"));
  }
};

QTEST_GUILESS_MAIN(TestArtgenReproducible)
#include "test_artgen_reproducible.moc"
