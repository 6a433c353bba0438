#include "tools/artgen/Icons.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "tools/artgen/GlobeScene.h"
#include "tools/artgen/Shapes.h"

namespace artgen {
namespace {

// Icons are drawn four times larger and scaled down, which keeps their
// small details smooth.
constexpr int kOversample = 4;
constexpr int kLargeIcon = kIconSize * kOversample;

QImage Large() {
  QImage large(kLargeIcon, kLargeIcon, QImage::Format_RGB32);
  large.fill(Qt::black);
  return large;
}

QImage Shrunk(const QImage& large) {
  return large.scaled(kIconSize, kIconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

// The hand as white areas; the outline is every pixel next to them, which
// also draws the creases between the curled fingers.
constexpr QRect kHandWhite[] = {
    {15, 2, 1, 1},   // fingertip, rounded by the outline
    {14, 3, 3, 13},  // raised index finger
    {10, 10, 3, 6},  // curled middle finger
    {6, 11, 3, 5},   // curled ring finger
    {3, 13, 2, 3},   // curled little finger
    {3, 16, 19, 8},  // palm
    {18, 15, 7, 4},  // thumb, out to the right
    {25, 16, 1, 2},  // its rounded end
    {5, 25, 17, 4},  // cuff
};

}  // namespace

QImage DrawMainIcon() {
  QImage large = Large();
  QPainter p(&large);
  p.setRenderHint(QPainter::Antialiasing);
  // The head spans about (70, 28)-(250, 232) in the scene.
  const double scale = kLargeIcon / 204.0;
  p.scale(scale, scale);
  p.translate(-58, -28);
  DrawFigureHead(p);
  p.end();
  return Shrunk(large);
}

QImage DrawWreathIcon() {
  QImage large = Large();
  QPainter p(&large);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(64, 62);
  // Leaves in two staggered rings around the centre.
  for (int ring = 0; ring < 2; ++ring) {
    for (int i = 0; i < 16; ++i) {
      const double angle = i * 22.5 + ring * 11.25;
      const double rad = qDegreesToRadians(angle);
      const double r = ring == 0 ? 40 : 46;
      const QPointF stem(centre.x() + r * std::cos(rad), centre.y() + r * std::sin(rad));
      DrawHollyLeaf(p, stem, 26, angle + (ring == 0 ? 70 : 110));
    }
  }
  // Small yellow and white decorations among the leaves.
  for (int i = 0; i < 8; ++i) {
    const double rad = qDegreesToRadians(i * 45.0 + 20);
    const QPointF at(centre.x() + 44 * std::cos(rad), centre.y() + 44 * std::sin(rad));
    if (i == 2) continue;  // the bow sits there
    DrawBauble(p, at, 6, i % 2 == 0 ? QColor(250, 214, 60) : QColor(244, 246, 255));
  }
  // The red bow at the bottom.
  const QColor red(220, 30, 40);
  p.setPen(QPen(QColor(90, 0, 10), 2));
  p.setBrush(red);
  const QPointF knot(64, 104);
  QPainterPath bow;
  bow.moveTo(knot);
  bow.cubicTo(knot + QPointF(-30, -22), knot + QPointF(-34, 12), knot);
  bow.moveTo(knot);
  bow.cubicTo(knot + QPointF(30, -22), knot + QPointF(34, 12), knot);
  bow.moveTo(knot);
  bow.lineTo(knot + QPointF(-14, 22));
  bow.lineTo(knot + QPointF(-6, 22));
  bow.closeSubpath();
  bow.moveTo(knot);
  bow.lineTo(knot + QPointF(14, 22));
  bow.lineTo(knot + QPointF(6, 22));
  bow.closeSubpath();
  p.drawPath(bow);
  p.setBrush(red.lighter(130));
  p.drawEllipse(knot, 7, 6);
  p.end();
  return Shrunk(large);
}

QImage DrawHandCursor() {
  QImage white(kIconSize, kIconSize, QImage::Format_ARGB32);
  white.fill(Qt::transparent);
  for (const QRect& area : kHandWhite)
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) white.setPixel(x, y, qRgb(255, 255, 255));

  QImage cursor = white;
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      if (qAlpha(white.pixel(x, y)) != 0) continue;
      const QRect around(x - 1, y - 1, 3, 3);
      bool touches = false;
      for (int ny = around.top(); ny <= around.bottom(); ++ny)
        for (int nx = around.left(); nx <= around.right(); ++nx)
          touches |= white.valid(nx, ny) && qAlpha(white.pixel(nx, ny)) != 0;
      if (touches) cursor.setPixel(x, y, qRgb(0, 0, 0));
    }
  }
  return cursor;
}

}  // namespace artgen
