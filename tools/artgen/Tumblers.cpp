// The tumbling sprites: two gift boxes and the teddy bear. Each is drawn
// upright around the centre (16, 16) and kept within 14.5 px of it, so that
// turned by any angle it still fits its 32 x 32 picture with its outline.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artgen/Cutout.h"
#include "tools/artgen/Sprites.h"

namespace artgen {
namespace {

const QColor kLine(34, 20, 24);

QImage Turned(double turnDegrees, void (*draw)(QPainter&)) {
  QImage canvas = NewCanvas(32, 32);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(16, 16);
  p.rotate(turnDegrees);
  p.translate(-16, -16);
  draw(p);
  return canvas;
}

void Bow(QPainter& p, const QColor& colour, QPointF knot) {
  p.setPen(QPen(kLine, 1));
  p.setBrush(colour);
  QPainterPath loops;
  loops.moveTo(knot);
  loops.cubicTo(knot + QPointF(-7, -9), knot + QPointF(-10, -1), knot);
  loops.moveTo(knot);
  loops.cubicTo(knot + QPointF(7, -9), knot + QPointF(10, -1), knot);
  p.drawPath(loops);
  p.setBrush(colour.lighter(130));
  p.drawEllipse(knot, 2, 1.7);
}

void Box(QPainter& p, const QRectF& body, const QRectF& lid, const QColor& colour,
         const QColor& lidColour) {
  QLinearGradient shade(body.left(), 0, body.right(), 0);
  shade.setColorAt(0, colour.lighter(120));
  shade.setColorAt(1, colour.darker(130));
  p.setPen(QPen(kLine, 1));
  p.setBrush(shade);
  p.drawRect(body);
  QLinearGradient lidShade(lid.left(), 0, lid.right(), 0);
  lidShade.setColorAt(0, lidColour.lighter(120));
  lidShade.setColorAt(1, lidColour.darker(130));
  p.setBrush(lidShade);
  p.drawRect(lid);
}

void RedGift(QPainter& p) {
  const QRectF body(8.5, 14.5, 15, 12);
  const QRectF lid(7.5, 11.5, 17, 4);
  Box(p, body, lid, QColor(246, 204, 54), QColor(212, 40, 48));
  // Green ribbon down the middle, red bow on top.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 150, 70));
  p.drawRect(QRectF(14.5, 15, 3, 11));
  p.drawRect(QRectF(14.5, 12, 3, 3));
  p.setPen(QPen(QColor(210, 110, 30), 0.8));
  for (double y : {18.5, 22.5}) {
    p.drawLine(QPointF(9.5, y), QPointF(13.5, y));
    p.drawLine(QPointF(18.5, y), QPointF(22.5, y));
  }
  Bow(p, QColor(222, 36, 44), QPointF(16, 10.5));
}

void GreenGift(QPainter& p) {
  const QRectF body(8.5, 12.5, 15, 14);
  const QRectF lid(7.5, 10.5, 17, 4);
  Box(p, body, lid, QColor(44, 150, 76), QColor(58, 176, 92));
  const QColor ribbon(196, 226, 70);
  p.setPen(Qt::NoPen);
  p.setBrush(ribbon);
  p.drawRect(QRectF(14.5, 11, 3, 15));
  p.drawRect(QRectF(9, 18.5, 14, 3));
  Bow(p, ribbon, QPointF(16, 9.5));
}

// The bear sits with its arms out and wears a red scarf: the scarf parts
// head from body and the arms stand clear, so it still reads as a bear when
// tilted half a quarter.
void TeddyBear(QPainter& p) {
  const QColor fur(150, 92, 50);
  const QColor tan(226, 186, 136);
  const QColor pink(246, 156, 180);
  const QColor scarf(214, 40, 52);
  p.setPen(QPen(kLine, 1.1));
  // Legs and arms behind the body, with pink pads.
  p.setBrush(fur);
  for (const QPointF at : {QPointF(11.2, 25.2), QPointF(20.8, 25.2)}) p.drawEllipse(at, 3.5, 3.3);
  for (const double side : {-1.0, 1.0}) {
    p.save();
    p.translate(16 + side * 7.6, 19.0);
    p.rotate(side * -35);
    p.drawEllipse(QPointF(0, 0), 2.5, 3.8);
    p.restore();
  }
  p.setBrush(pink);
  for (const QPointF at : {QPointF(11.2, 26.2), QPointF(20.8, 26.2)}) p.drawEllipse(at, 1.9, 1.6);

  QRadialGradient body(QPointF(14.5, 18), 9);
  body.setColorAt(0, fur.lighter(125));
  body.setColorAt(1, fur.darker(120));
  p.setBrush(body);
  p.drawEllipse(QPointF(16, 20.5), 5.8, 6.2);
  p.setPen(Qt::NoPen);
  p.setBrush(tan);
  p.drawEllipse(QPointF(16, 22), 3.2, 3.4);

  // The scarf under the chin, its end hanging to one side.
  p.setPen(QPen(kLine, 1));
  p.setBrush(scarf);
  p.drawRoundedRect(QRectF(10.4, 14.6, 11.2, 3.0), 1.4, 1.4);
  p.drawRect(QRectF(18.2, 16.4, 2.6, 4.6));

  // Head: ears, face, muzzle, eyes, nose.
  p.setPen(QPen(kLine, 1.1));
  p.setBrush(fur);
  for (const QPointF at : {QPointF(10.6, 5.6), QPointF(21.4, 5.6)}) p.drawEllipse(at, 2.9, 2.9);
  p.setBrush(pink);
  for (const QPointF at : {QPointF(10.6, 5.6), QPointF(21.4, 5.6)}) p.drawEllipse(at, 1.5, 1.5);
  QRadialGradient head(QPointF(14.5, 8.5), 8);
  head.setColorAt(0, fur.lighter(135));
  head.setColorAt(1, fur.darker(110));
  p.setBrush(head);
  p.drawEllipse(QPointF(16, 10), 6.4, 5.6);
  p.setPen(Qt::NoPen);
  p.setBrush(tan);
  p.drawEllipse(QPointF(16, 12.2), 3.1, 2.3);
  p.setBrush(QColor(20, 12, 12));
  p.drawEllipse(QPointF(13.3, 9), 1.0, 1.1);
  p.drawEllipse(QPointF(18.7, 9), 1.0, 1.1);
  p.drawEllipse(QPointF(16, 11.4), 1.3, 0.9);
}

}  // namespace

QImage DrawRedGift(double turnDegrees) {
  return Turned(turnDegrees, RedGift);
}
QImage DrawGreenGift(double turnDegrees) {
  return Turned(turnDegrees, GreenGift);
}
QImage DrawTeddyBear(double turnDegrees) {
  return Turned(turnDegrees, TeddyBear);
}

}  // namespace artgen
