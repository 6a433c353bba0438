#include "tools/artgen/Icons.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <array>
#include <string_view>

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

// The hand, pixel by pixel: '#' black outline, 'o' white, '.' clear. The
// index finger stands above the curled fingers and the thumb is short and
// angled out; the raised finger's white tip is the hot spot.
constexpr std::array<std::string_view, kIconSize> kHand = {
    "................................", "..............###...............",
    ".............#ooo#..............", ".............#ooo#..............",
    ".............#ooo#..............", ".............#ooo#..............",
    ".............#ooo#..............", ".............#ooo#..............",
    ".............#ooo#..............", "..........####ooo#..............",
    ".........#ooo#ooo#..............", "......####ooo#ooo#..............",
    ".....#ooo#ooo#ooo#..............", "..####ooo#ooo#ooo#..............",
    ".#ooo#ooo#ooo#ooo#....###.......", ".#ooo#ooo#ooo#ooo#...#ooo#......",
    ".#oooooooooooooooo###ooo#.......", ".#ooooooooooooooooooooo#........",
    ".#oooooooooooooooooooo#.........", ".#ooooooooooooooooooo#..........",
    ".#oooooooooooooooooo#...........", "..#oooooooooooooooo#............",
    "..#oooooooooooooooo#............", "...#ooooooooooooooo#............",
    "...#ooooooooooooooo#............", "..###################...........",
    "..#ooooooooooooooooo#...........", "..#ooooooooooooooooo#...........",
    "..#ooooooooooooooooo#...........", "..###################...........",
    "................................", "................................",
};

constexpr bool RowsAreIconWide() {
  for (std::string_view row : kHand)
    if (row.size() != kIconSize) return false;
  return true;
}
static_assert(RowsAreIconWide());
static_assert(kHand[kCursorHotSpot.y()][kCursorHotSpot.x()] == 'o');
static_assert(kHand[kCursorHotSpot.y() - 1][kCursorHotSpot.x()] == '#');

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
  // A dark bed of needles under the leaves, so the ring reads as full.
  p.setPen(QPen(QColor(14, 70, 34), 24));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, 44, 44);
  // Leaves in two staggered rings around the centre.
  for (int ring = 0; ring < 2; ++ring) {
    for (int i = 0; i < 18; ++i) {
      const double angle = i * 20.0 + ring * 10.0;
      const double rad = qDegreesToRadians(angle);
      const double r = ring == 0 ? 40 : 46;
      const QPointF stem(centre.x() + r * std::cos(rad), centre.y() + r * std::sin(rad));
      DrawHollyLeaf(p, stem, 28, angle + (ring == 0 ? 70 : 110));
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
  QImage cursor(kIconSize, kIconSize, QImage::Format_ARGB32);
  cursor.fill(Qt::transparent);
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      const char c = kHand[static_cast<size_t>(y)][static_cast<size_t>(x)];
      if (c == '#') cursor.setPixel(x, y, qRgb(0, 0, 0));
      if (c == 'o') cursor.setPixel(x, y, qRgb(255, 255, 255));
    }
  }
  return cursor;
}

}  // namespace artgen
