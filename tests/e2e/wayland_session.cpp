// End to end under a Wayland compositor (run by wayland_test.sh inside a
// headless weston): the program's windows run natively, Play puts composed
// frames on the screen, Stop the plain globe, and on a scaled output every
// pixel of the globe becomes an even block. What the compositor shows is
// read back with its screenshooter.
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <optional>

#include "shell/Program.h"
#include "tests/fixtures/KalvoProbe.h"

namespace {

// What the compositor shows now, through weston's screenshooter.
QImage Screenshot() {
  QTemporaryDir folder;
  QProcess shooter;
  shooter.setWorkingDirectory(folder.path());
  shooter.start(QStringLiteral("weston-screenshooter"), {});
  if (!shooter.waitForFinished(30000) || shooter.exitCode() != 0) return {};
  const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("*.png")});
  return shots.isEmpty() ? QImage() : QImage(folder.filePath(shots.first()));
}

// Where `part` appears pixel for pixel in `whole`, if it does.
std::optional<QPoint> Find(const QImage& whole, const QImage& part) {
  const QImage w = whole.convertToFormat(QImage::Format_RGB32);
  const QImage p = part.convertToFormat(QImage::Format_RGB32);
  const auto rowMatches = [&](int x, int y, int row) {
    const auto* a = reinterpret_cast<const QRgb*>(w.constScanLine(y + row)) + x;
    const auto* b = reinterpret_cast<const QRgb*>(p.constScanLine(row));
    return std::equal(b, b + p.width(), a);
  };
  for (int y = 0; y + p.height() <= w.height(); ++y) {
    for (int x = 0; x + p.width() <= w.width(); ++x) {
      if (!rowMatches(x, y, 0)) continue;
      int row = 1;
      while (row < p.height() && rowMatches(x, y, row)) ++row;
      if (row == p.height()) return QPoint(x, y);
    }
  }
  return std::nullopt;
}

void Keep(const QImage& shot, const QString& name) {
  const QString folder = qEnvironmentVariable("YUKIPOM_SHOTS");
  if (!folder.isEmpty()) shot.save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace

class TestWaylandSession : public QObject {
  Q_OBJECT
 private slots:
  void playAndStopOnTheCompositor();
};

void TestWaylandSession::playAndStopOnTheCompositor() {
  QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
  TProgram program;
  TfmKalvo& window = program.MainWindow;
  const TKalvoProbe probe(window);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));

  const int scale = qRound(window.devicePixelRatio());
  QCOMPARE(scale, qEnvironmentVariableIntValue("YUKIPOM_EXPECTED_SCALE"));
  QCOMPARE(probe.GlobeView()->size(), QSize(298, 369));
  const QImage globe = probe.Globe().scaled(probe.Globe().size() * scale, Qt::IgnoreAspectRatio,
                                            Qt::FastTransformation);

  // The globe appears pixel for pixel, every pixel a scale x scale block.
  std::optional<QPoint> place;
  QImage shot;
  QTRY_VERIFY_WITH_TIMEOUT((shot = Screenshot(), place = Find(shot, globe)).has_value(), 20000);
  Keep(shot, QStringLiteral("wayland_scale%1_stopped").arg(scale));
  const QRect area(*place, globe.size());

  // Play through its hot zone: a composed frame replaces the plain globe.
  QTest::mouseClick(probe.PlayZone(), Qt::LeftButton, {}, probe.PlayZone()->rect().center());
  QTRY_VERIFY_WITH_TIMEOUT((shot = Screenshot(), shot.copy(area) != globe), 20000);
  QCOMPARE(shot.copy(area).size(), globe.size());
  Keep(shot, QStringLiteral("wayland_scale%1_playing").arg(scale));

  // Stop through its hot zone: the plain globe again.
  QTest::mouseClick(probe.StopZone(), Qt::LeftButton, {}, probe.StopZone()->rect().center());
  QTRY_VERIFY_WITH_TIMEOUT(
      (shot = Screenshot(), shot.copy(area) == globe.convertToFormat(shot.format())), 20000);
}

QTEST_MAIN(TestWaylandSession)
#include "wayland_session.moc"
