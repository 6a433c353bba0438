// Four kinds of snowflake, each drawable at any turn so its three phases
// are one flake seen at three positions.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/artgen/Cutout.h"
#include "tools/artgen/Shapes.h"
#include "tools/artgen/Sprites.h"

namespace artgen {
namespace {

const QColor kIce(206, 228, 255);
const QColor kIceDeep(150, 186, 236);
constexpr double kArm = 12.0;

// Line widths stay in pixels when a flake is drawn smaller, so small flakes
// keep their crisp strokes.
void Pen(QPainter& p, const QColor& colour, double width) {
  QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  pen.setCosmetic(true);
  p.setPen(pen);
}

// Draws `arm` six times around the centre, the painter turned for each.
template <typename Arm>
void SixFold(QPainter& p, Arm arm) {
  for (int i = 0; i < 6; ++i) {
    p.save();
    p.rotate(i * 60.0);
    arm();
    p.restore();
  }
}

void Feathery(QPainter& p) {
  SixFold(p, [&] {
    Pen(p, kIce, 2.0);
    p.drawLine(QPointF(0, 0), QPointF(0, -kArm));
    Pen(p, Qt::white, 1.4);
    for (double at : {4.0, 7.0, 9.6}) {
      const double len = at < 9 ? 3.6 : 2.4;
      p.drawLine(QPointF(0, -at), QPointF(-len, -at - len));
      p.drawLine(QPointF(0, -at), QPointF(len, -at - len));
    }
  });
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(StarPath({0, 0}, 3.6, 2.4, 6));
}

// A hexagonal plate with ridges to its corners, and from each corner a
// short branch with two twigs.
void Plate(QPainter& p) {
  constexpr double kPlate = 6.4;
  SixFold(p, [&] {
    Pen(p, kIce, 1.8);
    p.drawLine(QPointF(0, -kPlate), QPointF(0, -kArm + 0.8));
    Pen(p, Qt::white, 1.2);
    p.drawLine(QPointF(0, -9.0), QPointF(-2.0, -10.6));
    p.drawLine(QPointF(0, -9.0), QPointF(2.0, -10.6));
  });
  const double flat = std::sqrt(3.0) / 2.0;  // a hexagon's inradius over its corner radius
  QRadialGradient face({0, 0}, kPlate);
  face.setColorAt(0, Qt::white);
  face.setColorAt(0.6, kIce);
  face.setColorAt(1, kIceDeep);
  Pen(p, kIceDeep.darker(125), 1);
  p.setBrush(face);
  p.drawPath(StarPath({0, 0}, kPlate, kPlate * flat, 6));
  Pen(p, kIceDeep, 0.9);
  p.setBrush(Qt::NoBrush);
  p.drawPath(StarPath({0, 0}, 3.2, 3.2 * flat, 6));
  SixFold(p, [&] { p.drawLine(QPointF(0, -3.2), QPointF(0, -kPlate + 0.6)); });
}

void Lacy(QPainter& p) {
  SixFold(p, [&] {
    Pen(p, Qt::white, 1.3);
    p.drawLine(QPointF(0, -2.5), QPointF(0, -kArm));
    // An open diamond halfway out and a fork at the tip.
    QPainterPath diamond;
    diamond.moveTo(0, -4.5);
    diamond.lineTo(-2.6, -7);
    diamond.lineTo(0, -9.5);
    diamond.lineTo(2.6, -7);
    diamond.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.drawPath(diamond);
    p.drawLine(QPointF(0, -10), QPointF(-2, -11.8));
    p.drawLine(QPointF(0, -10), QPointF(2, -11.8));
  });
  Pen(p, kIce, 1.2);
  p.drawPath(StarPath({0, 0}, 2.8, 2.8, 6, 30));
}

void Star(QPainter& p) {
  QRadialGradient body({0, 0}, kArm);
  body.setColorAt(0, Qt::white);
  body.setColorAt(0.45, kIce);
  body.setColorAt(1, kIceDeep);
  Pen(p, kIceDeep.darker(140), 0.8);
  p.setBrush(body);
  p.drawPath(StarPath({0, 0}, kArm, 5.0, 6));
  Pen(p, Qt::white, 1.0);
  SixFold(p, [&] { p.drawLine(QPointF(0, -2), QPointF(0, -kArm + 2.5)); });
  QRadialGradient heart({0, 0}, 4);
  heart.setColorAt(0, Qt::white);
  heart.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(heart);
  p.drawEllipse(QPointF(0, 0), 4, 4);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(0, 0), 2.2, 2.2);
}

// Each kind of flake falls at its own size, so the snowfall has depth.
double SizeOf(TFlake flake) {
  switch (flake) {
    case TFlake::Feathery:
      return 1.0;
    case TFlake::Lacy:
      return 0.86;
    case TFlake::Plate:
      return 0.76;
    case TFlake::Star:
      return 0.64;
  }
  return 1.0;
}

}  // namespace

QImage DrawSnowflake(TFlake flake, double turnDegrees) {
  QImage canvas = NewCanvas(28, 28);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(14, 14);
  p.rotate(turnDegrees);
  p.scale(SizeOf(flake), SizeOf(flake));
  switch (flake) {
    case TFlake::Feathery:
      Feathery(p);
      break;
    case TFlake::Plate:
      Plate(p);
      break;
    case TFlake::Lacy:
      Lacy(p);
      break;
    case TFlake::Star:
      Star(p);
      break;
  }
  return canvas;
}

}  // namespace artgen
