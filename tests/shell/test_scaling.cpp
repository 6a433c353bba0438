// Scaled screens: the hand cursor, the globe and the About window's wreath
// become even blocks of device pixels, and a framed window is centred by
// its frame.
#include <QLabel>
#include <QPainter>
#include <QtTest>

#include "platform/Cursors.h"
#include "platform/Placement.h"
#include "shell/GlobeView.h"
#include "windows/ABox.h"

class TestScaling : public QObject {
  Q_OBJECT
 private slots:
  void cursorPixelsBecomeBlocksAroundTheSameHotSpot();
  void shapeCursorsAndScaleOneStayAsTheyAre();
  void globeIsDrawnWithoutSmoothing();
  void aboutWreathIsDrawnWithoutSmoothing();
  void frameIsCentredInTheArea_data();
  void frameIsCentredInTheArea();
};

namespace {

// A picture whose every pixel differs from its neighbours, so that any
// blending or misplaced sampling shows.
QImage Checkerboard(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, x * 8 % 256));
    }
  }
  return image;
}

bool IsBlockScaled(const QImage& small, const QImage& big, int factor) {
  for (int y = 0; y < big.height(); ++y) {
    for (int x = 0; x < big.width(); ++x) {
      if (big.pixel(x, y) != small.pixel(x / factor, y / factor)) return false;
    }
  }
  return big.size() == small.size() * factor;
}

}  // namespace

void TestScaling::cursorPixelsBecomeBlocksAroundTheSameHotSpot() {
  const QImage picture = Checkerboard(QSize(32, 32));
  const QCursor hand(QPixmap::fromImage(picture), 15, 2);
  const QCursor doubled = platform::ScaledCursor(hand, 2);
  QCOMPARE(doubled.pixmap().devicePixelRatio(), 2.0);
  QVERIFY(
      IsBlockScaled(picture, doubled.pixmap().toImage().convertToFormat(QImage::Format_RGB32), 2));
  // Off X11 the hot spot is logical, so it names the same pixel as before.
  QCOMPARE(doubled.hotSpot(), QPoint(15, 2));
}

void TestScaling::shapeCursorsAndScaleOneStayAsTheyAre() {
  QCOMPARE(platform::ScaledCursor(QCursor(Qt::ArrowCursor), 2).shape(), Qt::ArrowCursor);
  const QCursor hand(QPixmap::fromImage(Checkerboard(QSize(32, 32))), 15, 2);
  QCOMPARE(platform::ScaledCursor(hand, 1).pixmap().size(), QSize(32, 32));
  QCOMPARE(platform::CursorAt(-1, 2).shape(), Qt::ArrowCursor);
}

void TestScaling::globeIsDrawnWithoutSmoothing() {
  const QImage globe = Checkerboard(QSize(298, 369));
  TGlobeView view(nullptr, globe);
  view.resize(globe.size());
  QImage screen(globe.size() * 2, QImage::Format_RGB32);
  screen.setDevicePixelRatio(2);
  view.render(&screen);
  screen.setDevicePixelRatio(1);
  QVERIFY(IsBlockScaled(globe, screen, 2));
}

void TestScaling::aboutWreathIsDrawnWithoutSmoothing() {
  TAboutBox box;
  const QImage wreath = box.imgIcon1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
  QImage screen(box.imgIcon1->size() * 2, QImage::Format_RGB32);
  screen.setDevicePixelRatio(2);
  box.imgIcon1->render(&screen);
  screen.setDevicePixelRatio(1);
  QVERIFY(IsBlockScaled(wreath, screen, 2));
}

void TestScaling::frameIsCentredInTheArea_data() {
  QTest::addColumn<QSize>("frame");
  QTest::addColumn<QRect>("area");
  QTest::addColumn<QPoint>("topLeft");
  QTest::newRow("framed main window")
      << QSize(300, 408) << QRect(0, 0, 1024, 768) << QPoint(362, 180);
  QTest::newRow("area beside a panel")
      << QSize(300, 408) << QRect(0, 30, 1024, 738) << QPoint(362, 195);
  QTest::newRow("second screen") << QSize(596, 774) << QRect(1024, 0, 1280, 1024)
                                 << QPoint(1366, 125);
}

void TestScaling::frameIsCentredInTheArea() {
  QFETCH(QSize, frame);
  QFETCH(QRect, area);
  QFETCH(QPoint, topLeft);
  QCOMPARE(platform::CentredTopLeft(frame, area), topLeft);
}

QTEST_MAIN(TestScaling)
#include "test_scaling.moc"
