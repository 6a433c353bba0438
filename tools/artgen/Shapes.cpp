#include "tools/artgen/Shapes.h"

#include <QRadialGradient>
#include <QtMath>

namespace artgen {

QPainterPath StarPath(QPointF centre, double outer, double inner, int points, double turnDegrees) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const double radius = i % 2 == 0 ? outer : inner;
    const double angle = qDegreesToRadians(turnDegrees + i * 180.0 / points);
    const QPointF tip(centre.x() + radius * std::sin(angle), centre.y() - radius * std::cos(angle));
    if (i == 0)
      path.moveTo(tip);
    else
      path.lineTo(tip);
  }
  path.closeSubpath();
  return path;
}

void DrawGlint(QPainter& p, QPointF centre, double size, const QColor& colour) {
  p.save();
  p.setPen(Qt::NoPen);
  QColor halo = colour;
  halo.setAlphaF(0.35);
  QRadialGradient glow(centre, size * 0.6);
  glow.setColorAt(0, halo);
  glow.setColorAt(1, Qt::transparent);
  p.setBrush(glow);
  p.drawEllipse(centre, size * 0.6, size * 0.6);
  p.setBrush(colour);
  p.drawPath(StarPath(centre, size, size * 0.14, 4));
  p.drawPath(StarPath(centre, size * 0.45, size * 0.1, 4, 45));
  p.restore();
}

void DrawBauble(QPainter& p, QPointF centre, double radius, const QColor& colour) {
  p.save();
  p.setPen(QPen(colour.darker(260), 1.0));
  QRadialGradient shade(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.5);
  shade.setColorAt(0, colour.lighter(170));
  shade.setColorAt(0.45, colour);
  shade.setColorAt(1, colour.darker(250));
  p.setBrush(shade);
  p.drawEllipse(centre, radius, radius);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(centre + QPointF(-radius * 0.38, -radius * 0.42), radius * 0.22, radius * 0.16);
  p.setBrush(QColor(214, 178, 80));
  p.setPen(QPen(QColor(110, 80, 30), 0.8));
  p.drawRoundedRect(QRectF(centre.x() - radius * 0.28, centre.y() - radius - 2.5, radius * 0.56, 4),
                    1, 1);
  p.restore();
}

void DrawHollyLeaf(QPainter& p, QPointF stem, double length, double angleDegrees) {
  p.save();
  p.translate(stem);
  p.rotate(angleDegrees);
  // The leaf lies along +x: spiky tips on both edges joined by concave
  // scallops, the classic holly outline.
  const double w = length * 0.32;
  const QPointF tips[] = {{0, 0},
                          {length * 0.26, -w * 0.85},
                          {length * 0.52, -w},
                          {length * 0.77, -w * 0.75},
                          {length, 0}};
  QPainterPath leaf;
  leaf.moveTo(tips[0]);
  auto scallop = [&](QPointF from, QPointF to) {
    const QPointF mid = (from + to) / 2;
    leaf.quadTo(QPointF(mid.x(), mid.y() * 0.45), to);
  };
  for (int i = 1; i < 5; ++i) scallop(tips[i - 1], tips[i]);
  for (int i = 3; i >= 0; --i) {
    const QPointF from(tips[i + 1].x(), -tips[i + 1].y());
    scallop(from, QPointF(tips[i].x(), -tips[i].y()));
  }
  QLinearGradient shade(0, -w, 0, w);
  shade.setColorAt(0, QColor(64, 150, 70));
  shade.setColorAt(1, QColor(18, 78, 38));
  p.setPen(QPen(QColor(8, 36, 16), 1.0));
  p.setBrush(shade);
  p.drawPath(leaf);
  p.setPen(QPen(QColor(120, 190, 110, 170), 0.8));
  p.drawLine(QPointF(1, 0), QPointF(length * 0.85, 0));
  p.restore();
}

double TLcg::Next() {
  state_ = state_ * 1664525u + 1013904223u;
  return (state_ >> 8) / 16777216.0;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(
      a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
      a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

}  // namespace artgen
